#include "tests/qt/xtest_pointer.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <stdexcept>

namespace candy::test {

namespace {
Display* display_of(void* display) { return static_cast<Display*>(display); }
}  // namespace

XTestPointer::XTestPointer(const std::string& display) : m_display(XOpenDisplay(display.c_str())) {
  if (!m_display)
    throw std::runtime_error("XTestPointer: the display " + display + " does not answer");
}

XTestPointer::~XTestPointer() { XCloseDisplay(display_of(m_display)); }

void XTestPointer::move_to(int screen_x, int screen_y) {
  Display* d = display_of(m_display);
  XTestFakeMotionEvent(d, DefaultScreen(d), screen_x, screen_y, 0);
  XFlush(d);
}

void XTestPointer::click_left() {
  Display* d = display_of(m_display);
  XTestFakeButtonEvent(d, 1, True, 0);
  XTestFakeButtonEvent(d, 1, False, 0);
  XFlush(d);
}

}  // namespace candy::test
