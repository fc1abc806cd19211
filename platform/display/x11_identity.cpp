#include "platform/display/x11_identity.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <errno.h>
#include <unistd.h>

#include <cctype>
#include <climits>
#include <cstring>
#include <string>

#include "platform/win/gdi/icon.h"

namespace display {

ProgramClass program_class(std::string name, std::string class_name) {
  if (name.empty()) name = program_invocation_short_name;
  if (class_name.empty()) {
    class_name = name;
    if (!class_name.empty())
      class_name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(class_name[0])));
  }
  return {std::move(name), std::move(class_name)};
}

void set_program_identity(Display* display, unsigned long window, const ProgramClass& program) {
  XClassHint hint;
  hint.res_name = const_cast<char*>(program.name.c_str());
  hint.res_class = const_cast<char*>(program.class_name.c_str());
  XSetClassHint(display, window, &hint);

  // Format-32 properties travel as longs on the client side.
  const long pid = ::getpid();
  const Atom net_wm_pid = XInternAtom(display, "_NET_WM_PID", False);
  XChangeProperty(display, window, net_wm_pid, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&pid), 1);
  // The pid means something only together with the host it runs on.
  char host[HOST_NAME_MAX + 1] = {};
  if (gethostname(host, sizeof host - 1) == 0) {
    XChangeProperty(display, window, XA_WM_CLIENT_MACHINE, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(host),
                    static_cast<int>(std::strlen(host)));
  }
}

std::vector<unsigned long> net_wm_icon(const std::vector<win::HICON>& icons) {
  std::vector<unsigned long> out;
  for (const win::HICON handle : icons) {
    const win::Icon* icon = handle ? win::icon_from_handle(handle) : nullptr;
    if (!icon || icon->color.pixels.empty()) continue;
    const win::Surface& color = icon->color;
    out.push_back(static_cast<unsigned long>(color.width));
    out.push_back(static_cast<unsigned long>(color.height));
    for (std::size_t i = 0; i < color.pixels.size(); ++i) {
      const win::COLORREF v = color.pixels[i];
      const unsigned long alpha = i < icon->transparent.size() && icon->transparent[i] ? 0 : 0xFF;
      out.push_back(alpha << 24 | (v & 0xFF) << 16 | (v & 0xFF00) | (v >> 16 & 0xFF));
    }
  }
  return out;
}

}  // namespace display
