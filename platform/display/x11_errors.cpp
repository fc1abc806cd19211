#include "platform/display/x11_errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <errno.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace display {

namespace {

struct Registered {
  const X11ErrorHandlers* owner;
  Display* display;
  X11ErrorHandlers::WindowCaption caption_of;
};

// The connections with a presenter, and the handlers that were there
// before ours: the platform's table for Xlib's process-wide handlers.
struct HandlerTable {
  std::vector<Registered> connections;
  XErrorHandler previous_error = nullptr;
  XIOErrorHandler previous_io = nullptr;
};

HandlerTable& table() {
  static HandlerTable instance;
  return instance;
}

// The connection broke (the server ended, or the network between): nothing
// can be shown any more. Xlib does not let this handler return.
int connection_lost(Display* d) {
  const int error = errno;
  std::fprintf(stderr, "%s: lost the connection to the X display \"%s\" (%s); ending\n",
               program_invocation_short_name, DisplayString(d),
               error == 0 ? "the server closed it" : std::strerror(error));
  std::fflush(nullptr);
  std::_Exit(1);
}

// Called by Xlib for each failed request; it may not make requests itself,
// so it only reads the local error texts.
int x_error(Display* d, XErrorEvent* e) {
  const auto& connections = table().connections;
  const auto it = std::find_if(connections.begin(), connections.end(),
                               [d](const Registered& r) { return r.display == d; });
  if (it == connections.end()) return table().previous_error ? table().previous_error(d, e) : 0;
  if (e->error_code == BadWindow || e->error_code == BadDrawable) {
    if (const auto caption = it->caption_of(e->resourceid)) end_for_lost_window(d, *caption);
  }
  char what[160] = {};
  XGetErrorText(d, e->error_code, what, sizeof what);
  const std::string code = std::to_string(e->request_code);
  char request[80] = {};
  XGetErrorDatabaseText(d, "XRequest", code.c_str(), code.c_str(), request, sizeof request);
  std::fprintf(stderr,
               "%s: X error on the display \"%s\": %s, in request %s on resource 0x%lx; going on\n",
               program_invocation_short_name, DisplayString(d), what, request, e->resourceid);
  return 0;
}

}  // namespace

X11ErrorHandlers::X11ErrorHandlers(Display* display, WindowCaption caption_of) {
  HandlerTable& t = table();
  if (t.connections.empty()) {
    t.previous_error = XSetErrorHandler(x_error);
    t.previous_io = XSetIOErrorHandler(connection_lost);
  }
  t.connections.push_back({this, display, std::move(caption_of)});
}

X11ErrorHandlers::~X11ErrorHandlers() {
  HandlerTable& t = table();
  std::erase_if(t.connections, [this](const Registered& r) { return r.owner == this; });
  if (t.connections.empty()) {
    XSetErrorHandler(t.previous_error);
    XSetIOErrorHandler(t.previous_io);
  }
}

void end_for_lost_window(Display* display, const std::string& caption) {
  std::fprintf(
      stderr,
      "%s: the window \"%s\" on the X display \"%s\" was destroyed by another client; ending\n",
      program_invocation_short_name, caption.c_str(), DisplayString(display));
  std::fflush(nullptr);
  std::_Exit(1);
}

}  // namespace display
