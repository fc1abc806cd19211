// The input state that every part of the event loop reads: pointer, held
// buttons and keys, focus.
#include <array>

#include "platform/win/event_loop.h"
#include "platform/win/input.h"
#include "platform/win/input_state.h"
#include "platform/win/message.h"
#include "platform/win/window.h"
#include "platform/win/window_object.h"

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

HWND SetFocus(HWND hwnd) {
  auto& s = input_state();
  if (hwnd && !window_from_handle(hwnd)) return {};
  const HWND previous = s.focus;
  if (hwnd == previous) return previous;
  s.focus = hwnd;
  if (previous && IsWindow(previous)) SendMessageA(previous, WM_KILLFOCUS, static_cast<WPARAM>(hwnd.value), 0);
  if (hwnd && IsWindow(hwnd) && s.focus == hwnd) {
    SendMessageA(hwnd, WM_SETFOCUS, static_cast<WPARAM>(previous.value), 0);
  }
  return previous;
}

HWND GetFocus() { return input_state().focus; }

void forget_window_input(HWND hwnd) {
  if (input_state().focus == hwnd) input_state().focus = HWND{};
}

}  // namespace win
