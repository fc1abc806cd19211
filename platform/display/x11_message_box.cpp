#include "platform/display/x11_message_box.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <string>
#include <vector>

namespace display {

namespace {

constexpr int kPadding = 16;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;
constexpr int kMinWidth = 200;
constexpr win::COLORREF kFace = 0xC0C0C0;
constexpr win::COLORREF kHighlight = 0xFFFFFF;
constexpr win::COLORREF kShadow = 0x808080;
constexpr win::COLORREF kText = 0x000000;

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines(1);
  for (const char c : text) {
    if (c == '\n') {
      lines.emplace_back();
    } else if (c != '\r') {
      lines.back() += c;
    }
  }
  return lines;
}

struct Box {
  Box(Display* d, const PixelFormat& f) : display(d), format(f) {}
  Display* display;
  const PixelFormat& format;
  ::Window xid = 0;
  GC gc = nullptr;
  XFontStruct* font = nullptr;
  std::vector<std::string> lines;
  int width = 0;
  int height = 0;
  bool pressed = false;

  int line_height() const { return font ? font->ascent + font->descent : 13; }
  int text_width(const std::string& s) const {
    return font ? XTextWidth(font, s.data(), static_cast<int>(s.size()))
                : static_cast<int>(s.size()) * 6;
  }
  XRectangle button() const {
    return {static_cast<short>((width - kButtonWidth) / 2),
            static_cast<short>(height - kPadding - kButtonHeight), kButtonWidth, kButtonHeight};
  }
  bool in_button(int x, int y) const {
    const XRectangle b = button();
    return x >= b.x && y >= b.y && x < b.x + b.width && y < b.y + b.height;
  }
  void color(win::COLORREF c) { XSetForeground(display, gc, to_pixel(c, format)); }

  void draw() {
    color(kFace);
    XFillRectangle(display, xid, gc, 0, 0, static_cast<unsigned>(width),
                   static_cast<unsigned>(height));
    color(kText);
    const int ascent = font ? font->ascent : 10;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      XDrawString(display, xid, gc, kPadding,
                  kPadding + ascent + static_cast<int>(i) * line_height(), lines[i].data(),
                  static_cast<int>(lines[i].size()));
    }
    // The button: a raised rim, sunken while pressed.
    const XRectangle b = button();
    const int right = b.x + b.width - 1;
    const int bottom = b.y + b.height - 1;
    color(pressed ? kShadow : kHighlight);
    XDrawLine(display, xid, gc, b.x, b.y, right, b.y);
    XDrawLine(display, xid, gc, b.x, b.y, b.x, bottom);
    color(pressed ? kHighlight : kShadow);
    XDrawLine(display, xid, gc, right, b.y, right, bottom);
    XDrawLine(display, xid, gc, b.x, bottom, right, bottom);
    color(kText);
    const std::string ok = "OK";
    const int shift = pressed ? 1 : 0;
    XDrawString(display, xid, gc, b.x + (b.width - text_width(ok)) / 2 + shift,
                b.y + (b.height + ascent - (font ? font->descent : 3)) / 2 + shift, ok.data(), 2);
  }
};

}  // namespace

int run_x11_message_box(const MessageBoxContext& context, const win::MessageBoxEntry& entry) {
  Display* d = context.display;
  const int screen = DefaultScreen(d);
  Box box(d, context.format);
  box.font = XLoadQueryFont(d, "fixed");
  box.lines = lines_of(entry.text);
  int text_width = 0;
  for (const auto& line : box.lines) text_width = std::max(text_width, box.text_width(line));
  box.width = std::max(kMinWidth, text_width + 2 * kPadding);
  box.height = kPadding + static_cast<int>(box.lines.size()) * box.line_height() + kPadding +
               kButtonHeight + kPadding;

  XSetWindowAttributes a{};
  a.background_pixel = to_pixel(kFace, context.format);
  a.event_mask =
      ExposureMask | KeyPressMask | ButtonPressMask | ButtonReleaseMask | StructureNotifyMask;
  const int x = (DisplayWidth(d, screen) - box.width) / 2;
  const int y = (DisplayHeight(d, screen) - box.height) / 2;
  box.xid = XCreateWindow(d, RootWindow(d, screen), x, y, static_cast<unsigned>(box.width),
                          static_cast<unsigned>(box.height), 0, CopyFromParent, InputOutput,
                          CopyFromParent, CWBackPixel | CWEventMask, &a);
  box.gc = XCreateGC(d, box.xid, 0, nullptr);
  if (box.font) XSetFont(d, box.gc, box.font->fid);
  XStoreName(d, box.xid, entry.caption.c_str());
  if (context.owner) XSetTransientForHint(d, box.xid, context.owner);
  const Atom type = XInternAtom(d, "_NET_WM_WINDOW_TYPE", False);
  const Atom dialog = XInternAtom(d, "_NET_WM_WINDOW_TYPE_DIALOG", False);
  XChangeProperty(d, box.xid, type, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&dialog), 1);
  Atom delete_window = XInternAtom(d, "WM_DELETE_WINDOW", False);
  XSetWMProtocols(d, box.xid, &delete_window, 1);
  XMapRaised(d, box.xid);

  bool open = true;
  while (open) {
    XEvent ev;
    XNextEvent(d, &ev);
    if (ev.xany.window != box.xid) {
      if (context.other_event) context.other_event(&ev);
      continue;
    }
    switch (ev.type) {
      case Expose:
        if (ev.xexpose.count == 0) box.draw();
        break;
      case MapNotify: XSetInputFocus(d, box.xid, RevertToParent, CurrentTime); break;
      case KeyPress: {
        const KeySym key = XLookupKeysym(&ev.xkey, 0);
        if (key == XK_Return || key == XK_KP_Enter || key == XK_Escape || key == XK_space)
          open = false;
        break;
      }
      case ButtonPress:
        if (ev.xbutton.button == Button1 && box.in_button(ev.xbutton.x, ev.xbutton.y)) {
          box.pressed = true;
          box.draw();
        }
        break;
      case ButtonRelease:
        if (ev.xbutton.button == Button1 && box.pressed) {
          box.pressed = false;
          box.draw();
          open = !box.in_button(ev.xbutton.x, ev.xbutton.y);
        }
        break;
      case ClientMessage:
        if (static_cast<Atom>(ev.xclient.data.l[0]) == delete_window) open = false;
        break;
      default: break;
    }
  }
  XFreeGC(d, box.gc);
  if (box.font) XFreeFont(d, box.font);
  XDestroyWindow(d, box.xid);
  XFlush(d);
  return win::IDOK;
}

}  // namespace display
