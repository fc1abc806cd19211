// The input state that every part of the event loop reads: pointer, held
// buttons and keys, focus, capture.
#include "platform/win/user/input_state.h"

#include "platform/win/user/event_loop.h"
#include "platform/win/user/window.h"

namespace win {

InputState& input_state() {
  static InputState s;
  return s;
}

POINT pointer_position() { return input_state().pointer; }

bool key_is_down(UINT virtual_key) { return virtual_key < 256 && input_state().keys[virtual_key]; }

WPARAM mouse_key_flags() {
  const auto& s = input_state();
  WPARAM flags = 0;
  if (s.buttons[static_cast<int>(MouseButton::Left)]) flags |= MK_LBUTTON;
  if (s.buttons[static_cast<int>(MouseButton::Right)]) flags |= MK_RBUTTON;
  if (s.buttons[static_cast<int>(MouseButton::Middle)]) flags |= MK_MBUTTON;
  if (s.keys[VK_SHIFT]) flags |= MK_SHIFT;
  if (s.keys[VK_CONTROL]) flags |= MK_CONTROL;
  return flags;
}

void forget_window_input(HWND hwnd) {
  auto& s = input_state();
  if (s.focus == hwnd) s.focus = HWND{};
  if (s.capture == hwnd) {
    s.capture = HWND{};
    s.capture_by_press = false;
  }
  if (s.last_press.window == hwnd) s.last_press.valid = false;
  forget_leave_request(hwnd);
}

void generate_input_messages() {
  post_due_key_repeat();
  check_mouse_leave();
}

std::int64_t time_to_next_input() { return time_to_next_key_repeat(); }

}  // namespace win
