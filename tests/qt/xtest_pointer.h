// Real pointer input on an X server through XTest, kept apart from the Qt
// code: Xlib's macros (None, Bool, KeyPress, ...) collide with Qt's names.
#pragma once

#include <string>

namespace candy::test {

class XTestPointer {
 public:
  // Throws std::runtime_error when the display does not answer.
  explicit XTestPointer(const std::string& display);
  ~XTestPointer();
  XTestPointer(const XTestPointer&) = delete;
  XTestPointer& operator=(const XTestPointer&) = delete;

  void move_to(int screen_x, int screen_y);
  void click_left();

 private:
  void* m_display;
};

}  // namespace candy::test
