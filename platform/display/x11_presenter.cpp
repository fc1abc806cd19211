#include "platform/display/x11_presenter.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <errno.h>
#include <poll.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/display/x11_errors.h"
#include "platform/display/x11_identity.h"
#include "platform/display/x11_keys.h"
#include "platform/display/x11_message_box.h"
#include "platform/display/x11_pixels.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/kernel/codepage.h"
#include "platform/win/user/cursor.h"
#include "platform/win/user/input.h"
#include "platform/win/user/message.h"
#include "platform/win/user/system_metrics.h"
#include "platform/win/user/window.h"

namespace display {

namespace {

// Where the pointer is said to be once it left every X window: outside any
// platform window.
constexpr win::POINT kOutside{-1000000, -1000000};

// The window manager's decoration hints (the Motif layout): flags say that
// only the decorations field counts, and it asks for none.
struct MotifHints {
  unsigned long flags = 2;
  unsigned long functions = 0;
  unsigned long decorations = 0;
  long input_mode = 0;
  unsigned long status = 0;
};

std::string caption_of(win::HWND hwnd) {
  char buffer[512] = {};
  win::GetWindowTextA(hwnd, buffer, sizeof buffer);
  return buffer;
}

bool mouse_button(unsigned x_button, win::MouseButton* out) {
  switch (x_button) {
    case Button1: *out = win::MouseButton::Left; return true;
    case Button2: *out = win::MouseButton::Middle; return true;
    case Button3: *out = win::MouseButton::Right; return true;
    default: return false;  // the wheel and extra buttons
  }
}

constexpr unsigned kButtonMasks = Button1Mask | Button2Mask | Button3Mask;

// Grows `area` to take in `more`: the box around both, repainted at once.
void add_exposed(win::RECT* area, const win::RECT& more) {
  if (win::IsRectEmpty(&more)) return;
  if (win::IsRectEmpty(area)) {
    *area = more;
    return;
  }
  *area = {std::min(area->left, more.left), std::min(area->top, more.top),
           std::max(area->right, more.right), std::max(area->bottom, more.bottom)};
}

}  // namespace

struct X11Presenter::State {
  struct Shown {
    win::HWND hwnd;
    ::Window xid = 0;
    GC gc = nullptr;
    win::Surface image;
    std::string title;
    win::PointerShape cursor = win::PointerShape::Arrow;
    bool hidden = false;
    win::RECT exposed{};            // what Expose events asked to repaint since the last repaint
    std::vector<win::HICON> icons;  // big and small, as _NET_WM_ICON shows them
  };

  Display* display = nullptr;
  std::unique_ptr<X11ErrorHandlers> error_handlers;
  int screen = 0;
  Visual* visual = nullptr;
  int depth = 0;
  Colormap colormap = 0;
  PixelFormat format;
  Atom wm_protocols = 0;
  Atom wm_delete_window = 0;
  Atom motif_hints = 0;
  Atom net_wm_name = 0;
  Atom net_wm_icon = 0;
  Atom utf8_string = 0;
  Cursor arrow = 0;
  Cursor hand = 0;
  ProgramClass program;
  std::vector<Shown> shown;
  std::vector<win::UINT> keys_down;  // keys pressed in our windows, released on focus loss

  Shown* find(win::HWND hwnd) {
    auto it =
        std::find_if(shown.begin(), shown.end(), [hwnd](const Shown& s) { return s.hwnd == hwnd; });
    return it == shown.end() ? nullptr : &*it;
  }
  Shown* find(::Window xid) {
    auto it =
        std::find_if(shown.begin(), shown.end(), [xid](const Shown& s) { return s.xid == xid; });
    return it == shown.end() ? nullptr : &*it;
  }

  win::POINT centred(int width, int height) const {
    return {(DisplayWidth(display, screen) - width) / 2,
            (DisplayHeight(display, screen) - height) / 2};
  }
  void fix_size(::Window xid, int width, int height, const win::POINT* position);
  void create(Shown& s);
  void set_title(Shown& s, const std::string& title);
  void follow_icons(Shown& s);
  void put_image(Shown& s);
  void put_image(Shown& s, const win::RECT& area);
  void repaint_exposed();
  void handle(XEvent& ev);
  void deliver_key(const XKeyEvent& key, win::KeyAction action);
  void release_keys();
  void follow_pointer_shape();
  void sweep();
  int message_box(const win::MessageBoxEntry& entry);
};

// Tells the window manager the window keeps this size (and, when given, this place).
void X11Presenter::State::fix_size(::Window xid, int width, int height,
                                   const win::POINT* position) {
  XSizeHints* size = XAllocSizeHints();
  size->flags = PMinSize | PMaxSize;
  if (position) {
    size->flags |= PPosition;
    size->x = position->x;
    size->y = position->y;
  }
  size->min_width = size->max_width = width;
  size->min_height = size->max_height = height;
  XSetWMNormalHints(display, xid, size);
  XFree(size);
}

void X11Presenter::State::create(Shown& s) {
  const int width = std::max(1, s.image.width);
  const int height = std::max(1, s.image.height);
  XSetWindowAttributes a{};
  a.colormap = colormap;
  a.background_pixmap = None;
  a.border_pixel = 0;
  a.event_mask = ExposureMask | KeyPressMask | KeyReleaseMask | ButtonPressMask |
                 ButtonReleaseMask | PointerMotionMask | EnterWindowMask | LeaveWindowMask |
                 StructureNotifyMask | FocusChangeMask;
  const win::POINT at = centred(width, height);
  s.xid =
      XCreateWindow(display, RootWindow(display, screen), at.x, at.y, static_cast<unsigned>(width),
                    static_cast<unsigned>(height), 0, depth, InputOutput, visual,
                    CWColormap | CWBackPixmap | CWBorderPixel | CWEventMask, &a);
  s.gc = XCreateGC(display, s.xid, 0, nullptr);

  const MotifHints hints;
  XChangeProperty(display, s.xid, motif_hints, motif_hints, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&hints), 5);
  fix_size(s.xid, width, height, &at);
  XWMHints* wm = XAllocWMHints();
  wm->flags = InputHint | StateHint;
  wm->input = True;
  wm->initial_state = NormalState;
  XSetWMHints(display, s.xid, wm);
  XFree(wm);
  XSetWMProtocols(display, s.xid, &wm_delete_window, 1);
  set_title(s, caption_of(s.hwnd));
  set_program_identity(display, s.xid, program);
  follow_icons(s);
  XDefineCursor(display, s.xid, arrow);
  XMapWindow(display, s.xid);
}

void X11Presenter::State::set_title(Shown& s, const std::string& title) {
  s.title = title;
  const std::string utf8 = win::cp1252_to_utf8(title);
  XChangeProperty(display, s.xid, XA_WM_NAME, XA_STRING, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(title.data()),
                  static_cast<int>(title.size()));
  XChangeProperty(display, s.xid, net_wm_name, utf8_string, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(utf8.data()),
                  static_cast<int>(utf8.size()));
}

// The icons the window was given with WM_SETICON, put up again when they change.
void X11Presenter::State::follow_icons(Shown& s) {
  std::vector<win::HICON> icons;
  for (const win::WPARAM which : {win::ICON_BIG, win::ICON_SMALL}) {
    const win::LRESULT icon = win::SendMessageA(s.hwnd, win::WM_GETICON, which, 0);
    icons.push_back(win::HICON{static_cast<std::uint32_t>(icon)});
  }
  if (icons == s.icons) return;
  s.icons = icons;
  const std::vector<unsigned long> icon = display::net_wm_icon(icons);
  if (icon.empty()) {
    XDeleteProperty(display, s.xid, net_wm_icon);
    return;
  }
  // Format-32 properties travel as longs on the client side.
  XChangeProperty(display, s.xid, net_wm_icon, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(icon.data()),
                  static_cast<int>(icon.size()));
}

void X11Presenter::State::put_image(Shown& s) {
  put_image(s, {0, 0, s.image.width, s.image.height});
}

void X11Presenter::State::put_image(Shown& s, const win::RECT& area) {
  const win::RECT whole{0, 0, s.image.width, s.image.height};
  win::RECT r;
  const bool any = win::IntersectRect(&r, &area, &whole);
  s.exposed = {};
  if (s.hidden || s.image.pixels.empty() || !any) return;
  const auto width = static_cast<unsigned>(r.right - r.left);
  const auto height = static_cast<unsigned>(r.bottom - r.top);
  XImage* image = XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                               width, height, 32, 0);
  if (!image)
    throw std::runtime_error("the X server gave no image of " + std::to_string(width) + " x " +
                             std::to_string(height) + " pixels");
  std::vector<char> data(static_cast<std::size_t>(image->bytes_per_line) * height);
  image->data = data.data();
  const bool direct =
      image->bits_per_pixel == 32 &&
      (image->byte_order == LSBFirst) == (std::endian::native == std::endian::little);
  for (unsigned y = 0; y < height; ++y) {
    for (unsigned x = 0; x < width; ++x) {
      const unsigned long pixel =
          to_pixel(s.image.at(r.left + static_cast<int>(x), r.top + static_cast<int>(y)), format);
      if (direct) {
        const auto value = static_cast<std::uint32_t>(pixel);
        std::memcpy(
            data.data() +
                static_cast<std::size_t>(y) * static_cast<std::size_t>(image->bytes_per_line) +
                x * 4u,
            &value, 4);
      } else {
        XPutPixel(image, static_cast<int>(x), static_cast<int>(y), pixel);
      }
    }
  }
  XPutImage(display, s.xid, s.gc, image, 0, 0, r.left, r.top, width, height);
  image->data = nullptr;  // the vector owns the pixels
  XDestroyImage(image);
}

// One repaint a window for everything exposed since the last, as Windows
// gathers an update region: a storm of Expose events costs one repaint.
void X11Presenter::State::repaint_exposed() {
  for (Shown& s : shown) {
    if (!win::IsRectEmpty(&s.exposed)) put_image(s, s.exposed);
  }
}

void X11Presenter::State::deliver_key(const XKeyEvent& key, win::KeyAction action) {
  XKeyEvent copy = key;
  const win::UINT vk = virtual_key_from_keysym(XLookupKeysym(&copy, 0));
  if (vk == 0) return;
  std::erase(keys_down, vk);
  if (action == win::KeyAction::Down) keys_down.push_back(vk);
  win::deliver_key(vk, action);
}

void X11Presenter::State::release_keys() {
  // A key let go while another program had the keyboard would otherwise
  // stay down for the platform (a stuck Shift reverses Tab).
  const auto held = std::move(keys_down);
  keys_down.clear();
  for (const win::UINT vk : held) win::deliver_key(vk, win::KeyAction::Up);
}

void X11Presenter::State::handle(XEvent& ev) {
  Shown* s = find(ev.xany.window);
  if (!s) return;
  win::RECT rect;
  if (!win::GetWindowRect(s->hwnd, &rect)) return;
  const auto to_screen = [&rect](int x, int y) { return win::POINT{rect.left + x, rect.top + y}; };
  const auto move_to = [](win::POINT p) {
    if (!(p == win::pointer_position())) win::deliver_mouse_move(p.x, p.y);
  };
  switch (ev.type) {
    case Expose:
      add_exposed(&s->exposed, {ev.xexpose.x, ev.xexpose.y, ev.xexpose.x + ev.xexpose.width,
                                ev.xexpose.y + ev.xexpose.height});
      break;
    case DestroyNotify:
      // The platform's own windows leave `shown` before their X windows go.
      if (ev.xdestroywindow.window == s->xid) end_for_lost_window(display, s->title);
      break;
    case MotionNotify: {
      const win::POINT p = to_screen(ev.xmotion.x, ev.xmotion.y);
      win::deliver_mouse_move(p.x, p.y);
      break;
    }
    case EnterNotify: move_to(to_screen(ev.xcrossing.x, ev.xcrossing.y)); break;
    case LeaveNotify:
      // While a button is held the pointer stays grabbed and motion keeps
      // reporting, outside coordinates included.
      if (ev.xcrossing.mode == NotifyNormal && (ev.xcrossing.state & kButtonMasks) == 0)
        move_to(kOutside);
      break;
    case ButtonPress:
    case ButtonRelease: {
      win::MouseButton button;
      if (!mouse_button(ev.xbutton.button, &button)) break;
      move_to(to_screen(ev.xbutton.x, ev.xbutton.y));
      win::deliver_mouse_button(
          button, ev.type == ButtonPress ? win::ButtonAction::Press : win::ButtonAction::Release);
      break;
    }
    case KeyPress: deliver_key(ev.xkey, win::KeyAction::Down); break;
    case KeyRelease: {
      // Without detectable auto-repeat the server sends a release and a
      // press with the same time for each repeat: only the press counts.
      if (XEventsQueued(display, QueuedAfterReading) > 0) {
        XEvent next;
        XPeekEvent(display, &next);
        if (next.type == KeyPress && next.xkey.keycode == ev.xkey.keycode &&
            next.xkey.time == ev.xkey.time)
          break;
      }
      deliver_key(ev.xkey, win::KeyAction::Up);
      break;
    }
    case FocusOut:
      if (ev.xfocus.mode == NotifyNormal) release_keys();
      break;
    case ClientMessage:
      if (ev.xclient.message_type == wm_protocols &&
          static_cast<Atom>(ev.xclient.data.l[0]) == wm_delete_window) {
        win::PostMessageA(s->hwnd, win::WM_CLOSE, 0, 0);
      }
      break;
    default: break;
  }
}

void X11Presenter::State::follow_pointer_shape() {
  const win::PointerShape shape = win::pointer_shape(win::cursor_for_pointer());
  for (Shown& s : shown) {
    if (s.cursor == shape) continue;
    s.cursor = shape;
    XDefineCursor(display, s.xid, shape == win::PointerShape::Hand ? hand : arrow);
  }
}

void X11Presenter::State::sweep() {
  for (auto it = shown.begin(); it != shown.end();) {
    if (!win::IsWindow(it->hwnd)) {
      XFreeGC(display, it->gc);
      XDestroyWindow(display, it->xid);
      it = shown.erase(it);
      continue;
    }
    const bool hidden = !win::IsWindowVisible(it->hwnd);
    if (hidden != it->hidden) {
      it->hidden = hidden;
      if (hidden) {
        XUnmapWindow(display, it->xid);
      } else {
        XMapWindow(display, it->xid);
      }
    }
    const std::string title = caption_of(it->hwnd);
    if (title != it->title) set_title(*it, title);
    follow_icons(*it);
    ++it;
  }
}

int X11Presenter::State::message_box(const win::MessageBoxEntry& entry) {
  release_keys();  // the box has the keyboard now
  win::HWND top = entry.owner;
  while (win::GetParent(top)) top = win::GetParent(top);
  const Shown* owner = find(top);
  if (!owner && !shown.empty()) owner = &shown.back();
  Visual* v = DefaultVisual(display, screen);
  MessageBoxContext context{display,
                            {v->red_mask, v->green_mask, v->blue_mask},
                            owner ? owner->xid : 0,
                            [this](void* event) {
                              const XEvent& ev = *static_cast<const XEvent*>(event);
                              if (ev.type != Expose || ev.xexpose.count != 0) return;
                              if (Shown* s = find(ev.xany.window)) put_image(*s);
                            }};
  return run_x11_message_box(context, entry);
}

namespace {

Display* open_or_throw(const char* display_name) {
  std::string why;
  Display* d = X11Presenter::open_display(display_name, &why);
  if (!d) throw std::runtime_error(why);
  return d;
}

}  // namespace

Display* X11Presenter::open_display(const char* display_name, std::string* why_not) {
  const char* env = std::getenv("DISPLAY");
  const std::string name = display_name ? display_name : (env ? env : "");
  if (name.empty()) {
    if (why_not) *why_not = "no X display is named (DISPLAY is not set)";
    return nullptr;
  }
  errno = 0;
  Display* d = XOpenDisplay(name.c_str());
  if (!d && why_not) {
    const int error = errno;
    *why_not = "cannot open the X display \"" + name + "\"" +
               (error != 0 ? std::string(": ") + std::strerror(error)
                           : std::string(": the server refused the connection"));
  }
  return d;
}

X11Presenter::X11Presenter(const char* display_name) : X11Presenter(open_or_throw(display_name)) {}

X11Presenter::X11Presenter(Display* connection) : m(std::make_unique<State>()) {
  m->display = connection;
  Display* d = m->display;
  const std::string name = DisplayString(d);
  m->error_handlers = std::make_unique<X11ErrorHandlers>(d, [state = m.get()](unsigned long xid) {
    const State::Shown* s = state->find(static_cast<::Window>(xid));
    return s ? std::optional<std::string>(s->title) : std::nullopt;
  });
  m->screen = DefaultScreen(d);
  // Forms centre themselves on the real screen.
  win::set_screen_size({DisplayWidth(d, m->screen), DisplayHeight(d, m->screen)});
  XVisualInfo info{};
  if (!XMatchVisualInfo(d, m->screen, 24, TrueColor, &info) &&
      !XMatchVisualInfo(d, m->screen, 32, TrueColor, &info)) {
    XCloseDisplay(d);
    throw std::runtime_error("the X display \"" + name +
                             "\" offers no 24- or 32-bit TrueColor visual");
  }
  m->visual = info.visual;
  m->depth = info.depth;
  m->format = {info.red_mask, info.green_mask, info.blue_mask};
  m->colormap = XCreateColormap(d, RootWindow(d, m->screen), info.visual, AllocNone);
  m->wm_protocols = XInternAtom(d, "WM_PROTOCOLS", False);
  m->wm_delete_window = XInternAtom(d, "WM_DELETE_WINDOW", False);
  m->motif_hints = XInternAtom(d, "_MOTIF_WM_HINTS", False);
  m->net_wm_name = XInternAtom(d, "_NET_WM_NAME", False);
  m->net_wm_icon = XInternAtom(d, "_NET_WM_ICON", False);
  m->utf8_string = XInternAtom(d, "UTF8_STRING", False);
  m->arrow = XCreateFontCursor(d, XC_left_ptr);
  m->hand = XCreateFontCursor(d, XC_hand2);
  m->program = program_class("", "");
  Bool supported = False;
  XkbSetDetectableAutoRepeat(d, True, &supported);
  win::set_message_box_handler(
      [state = m.get()](const win::MessageBoxEntry& entry) { return state->message_box(entry); });
}

X11Presenter::~X11Presenter() {
  win::set_message_box_handler({});
  for (auto& s : m->shown) {
    XFreeGC(m->display, s.gc);
    XDestroyWindow(m->display, s.xid);
  }
  XFreeCursor(m->display, m->arrow);
  XFreeCursor(m->display, m->hand);
  XFreeColormap(m->display, m->colormap);
  XCloseDisplay(m->display);
}

void X11Presenter::present(win::HWND window, const win::Surface& image, win::POINT) {
  State::Shown* s = m->find(window);
  if (!s) {
    m->shown.push_back(State::Shown{});
    m->shown.back().hwnd = window;
    s = &m->shown.back();
    s->image = image;
    m->create(*s);
    XFlush(m->display);
    return;  // drawn on the first expose
  }
  if (image.width != s->image.width || image.height != s->image.height) {
    const int width = std::max(1, image.width);
    const int height = std::max(1, image.height);
    m->fix_size(s->xid, width, height, nullptr);
    const win::POINT at = m->centred(width, height);
    XMoveResizeWindow(m->display, s->xid, at.x, at.y, static_cast<unsigned>(width),
                      static_cast<unsigned>(height));
  }
  s->image = image;
  m->put_image(*s);
  XFlush(m->display);
}

void X11Presenter::wait_for_events(std::int64_t timeout_ms, bool) {
  m->sweep();
  m->follow_pointer_shape();
  XFlush(m->display);
  if (XPending(m->display) == 0) {
    pollfd fd{ConnectionNumber(m->display), POLLIN, 0};
    const int timeout =
        timeout_ms < 0 ? -1 : static_cast<int>(std::min<std::int64_t>(timeout_ms, INT_MAX));
    if (poll(&fd, 1, timeout) < 0 && errno != EINTR) {
      throw std::runtime_error(std::string("waiting for the X display failed: ") +
                               std::strerror(errno));
    }
  }
  while (XPending(m->display) > 0) {
    XEvent ev;
    XNextEvent(m->display, &ev);
    m->handle(ev);
  }
  m->repaint_exposed();
  m->follow_pointer_shape();
  XFlush(m->display);
}

void X11Presenter::set_program_class(std::string name, std::string class_name) {
  m->program = program_class(std::move(name), std::move(class_name));
  for (const auto& s : m->shown) set_program_identity(m->display, s.xid, m->program);
}

_XDisplay* X11Presenter::display() const { return m->display; }

unsigned long X11Presenter::x_window(win::HWND window) const {
  const State::Shown* s = m->find(window);
  return s ? s->xid : 0;
}

}  // namespace display
