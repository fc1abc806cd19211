// Keys: WM_KEYDOWN and WM_KEYUP to the focused window, Tab navigation, and
// the auto-repeat of the key pressed last.
//
// lParam: repeat count 1 in bits 0-15; bit 30 the key's previous state (set
// for repeats and for every WM_KEYUP); bit 31 set for WM_KEYUP.
#include "platform/win/kernel/clock.h"
#include "platform/win/user/focus.h"
#include "platform/win/user/input.h"
#include "platform/win/user/input_state.h"
#include "platform/win/user/message.h"
#include "platform/win/user/presenter.h"
#include "platform/win/user/window.h"

namespace win {

namespace {

constexpr DWORD kPreviousState = 1u << 30;
constexpr DWORD kTransition = 1u << 31;

HWND key_target() {
  const HWND focus = input_state().focus;
  return IsWindow(focus) ? focus : topmost_shown_top_level();
}

void key_down_message(UINT vk, bool repeat) {
  if (vk == VK_TAB) {
    move_focus_by_tab(key_is_down(VK_SHIFT) ? TabDirection::Backward : TabDirection::Forward);
    return;
  }
  const HWND target = key_target();
  if (!target) return;
  const DWORD flags = 1 | (repeat ? kPreviousState : 0);
  PostMessageA(target, WM_KEYDOWN, static_cast<WPARAM>(vk), static_cast<LPARAM>(flags));
}

void key_up_message(UINT vk) {
  if (vk == VK_TAB) return;
  const HWND target = key_target();
  if (!target) return;
  const DWORD flags = 1 | kPreviousState | kTransition;
  PostMessageA(target, WM_KEYUP, static_cast<WPARAM>(vk), static_cast<LPARAM>(flags));
}

bool platform_repeats() {
  const Presenter* p = current_presenter();
  return !p || !p->repeats_keys();
}

}  // namespace

void deliver_key(UINT virtual_key, KeyAction action) {
  if (virtual_key == 0 || virtual_key >= 256) return;
  auto& s = input_state();
  const bool was_down = s.keys[virtual_key];
  if (action == KeyAction::Up) {
    if (!was_down) return;
    s.keys[virtual_key] = false;
    if (s.repeat.key == virtual_key) s.repeat.key = 0;
    key_up_message(virtual_key);
    return;
  }
  s.keys[virtual_key] = true;
  if (!was_down) {
    // Only the key pressed last repeats.
    s.repeat = {virtual_key, clock().now_ms() + kKeyRepeatDelayMs};
  }
  key_down_message(virtual_key, was_down);
}

void post_due_key_repeat() {
  auto& r = input_state().repeat;
  if (r.key == 0 || !platform_repeats()) return;
  const std::int64_t now = clock().now_ms();
  if (now < r.next_due) return;
  // A program that kept the loop away for long gets one repeat, not a burst.
  r.next_due += kKeyRepeatIntervalMs;
  if (r.next_due <= now) r.next_due = now + kKeyRepeatIntervalMs;
  key_down_message(r.key, true);
}

std::int64_t time_to_next_key_repeat() {
  const auto& r = input_state().repeat;
  if (r.key == 0 || !platform_repeats()) return -1;
  const std::int64_t wait = r.next_due - clock().now_ms();
  return wait > 0 ? wait : 0;
}

}  // namespace win
