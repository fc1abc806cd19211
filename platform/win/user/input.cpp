// Mouse routing: hit-testing, capture and double clicks.
#include "platform/win/user/input.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ranges>

#include "platform/win/kernel/clock.h"
#include "platform/win/user/event_loop.h"
#include "platform/win/user/input_state.h"
#include "platform/win/user/message.h"
#include "platform/win/user/window.h"
#include "platform/win/user/window_object.h"

namespace win {

namespace {

// (x, y) is relative to the client origin of the window's parent (the
// screen for a top-level window).
HWND hit(const Window& w, std::int64_t x, std::int64_t y) {
  const std::int64_t lx = x - w.x;
  const std::int64_t ly = y - w.y;
  if (lx < 0 || ly < 0 || lx >= w.width || ly >= w.height) return {};
  if (w.region && !w.region->contains(static_cast<std::int32_t>(lx), static_cast<std::int32_t>(ly)))
    return {};
  for (auto it = w.children.rbegin(); it != w.children.rend(); ++it) {
    const Window* child = find_window(*it);
    if (!child || !child->visible_flag()) continue;
    if (const HWND found = hit(*child, lx, ly)) return found;
  }
  return w.handle;
}

bool takes_mouse_input(HWND hwnd) {
  for (const Window* w = find_window(hwnd); w; w = find_window(w->parent)) {
    if (w->style & WS_DISABLED) return false;
  }
  return IsWindow(hwnd) != FALSE;
}

// Where mouse input goes now: the capture, else the window under the
// pointer if it takes input.
HWND mouse_target() {
  auto& s = input_state();
  if (s.capture && IsWindow(s.capture)) return s.capture;
  const HWND under = WindowFromPoint(s.pointer);
  return takes_mouse_input(under) ? under : HWND{};
}

int clamp16(LONG v) { return std::clamp<LONG>(v, INT16_MIN, INT16_MAX); }

void post_mouse(UINT message, HWND target) {
  POINT p = pointer_position();
  if (!ScreenToClient(target, &p)) return;
  PostMessageA(target, message, mouse_key_flags(), MAKELPARAM(clamp16(p.x), clamp16(p.y)));
}

// The second press of a double click, by time, place, button and window.
bool completes_double_click(MouseButton button, HWND target, std::int64_t now) {
  const LastPress& last = input_state().last_press;
  const POINT p = input_state().pointer;
  return last.valid && last.button == button && last.window == target &&
         now - last.time <= kDoubleClickTimeMs &&
         std::abs(std::int64_t{p.x} - last.point.x) <= kDoubleClickWidth / 2 &&
         std::abs(std::int64_t{p.y} - last.point.y) <= kDoubleClickHeight / 2;
}

UINT press_message(MouseButton button, HWND target) {
  static constexpr UINT kDown[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
  static constexpr UINT kDouble[] = {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK};
  const auto i = static_cast<std::size_t>(button);
  auto& s = input_state();
  const std::int64_t now = clock().now_ms();
  if (completes_double_click(button, target, now)) {
    s.last_press.valid = false;  // a third press starts over
    const Window* w = find_window(target);
    return w && (w->class_style & CS_DBLCLKS) ? kDouble[i] : kDown[i];
  }
  s.last_press = {true, button, target, s.pointer, now};
  return kDown[i];
}

void press(MouseButton button) {
  auto& s = input_state();
  const HWND target = mouse_target();
  s.buttons[static_cast<std::size_t>(button)] = true;
  if (!target) {
    s.last_press.valid = false;
    return;
  }
  if (!s.capture) {
    s.capture = target;
    s.capture_by_press = true;
  }
  if (can_take_focus(target) && GetFocus() != target) SetFocus(target);
  if (IsWindow(target)) post_mouse(press_message(button, target), target);
}

void release(MouseButton button) {
  auto& s = input_state();
  if (!s.buttons[static_cast<std::size_t>(button)]) return;
  s.buttons[static_cast<std::size_t>(button)] = false;
  static constexpr UINT kUp[] = {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP};
  if (const HWND target = mouse_target()) post_mouse(kUp[static_cast<std::size_t>(button)], target);
  if (!any_button_down() && s.capture_by_press) end_capture();
}

}  // namespace

HWND WindowFromPoint(POINT point) {
  // Reverse iterators, not views::reverse, which clang 14 rejects with libstdc++ 12.
  const auto& tops = top_level_windows();
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
    const Window* w = find_window(*it);
    if (!w || !w->visible_flag()) continue;
    if (const HWND found = hit(*w, point.x, point.y)) return found;
  }
  return {};
}

void deliver_mouse_move(int x, int y) {
  input_state().pointer = {x, y};
  check_mouse_leave();
  if (const HWND target = mouse_target()) post_mouse(WM_MOUSEMOVE, target);
}

void deliver_mouse_button(MouseButton button, ButtonAction action) {
  if (action == ButtonAction::Press) {
    press(button);
  } else {
    release(button);
  }
}

UINT GetDoubleClickTime() { return static_cast<UINT>(kDoubleClickTimeMs); }

bool any_button_down() {
  const auto& b = input_state().buttons;
  return std::ranges::any_of(b, [](bool down) { return down; });
}

void end_capture() {
  auto& s = input_state();
  const HWND previous = s.capture;
  const bool asked_for = !s.capture_by_press;
  s.capture = HWND{};
  s.capture_by_press = false;
  if (previous && asked_for && IsWindow(previous)) SendMessageA(previous, WM_CAPTURECHANGED, 0, 0);
  // A leave held back during the capture is due now if the pointer is out.
  check_mouse_leave();
}

HWND SetCapture(HWND hwnd) {
  auto& s = input_state();
  const HWND previous = s.capture;
  if (!hwnd) {
    end_capture();
    return previous;
  }
  if (!window_from_handle(hwnd)) return {};
  const bool previous_asked_for = !s.capture_by_press;
  s.capture = hwnd;
  s.capture_by_press = false;
  if (previous && previous != hwnd && previous_asked_for && IsWindow(previous)) {
    SendMessageA(previous, WM_CAPTURECHANGED, 0, static_cast<LPARAM>(hwnd.value));
  }
  return previous;
}

BOOL ReleaseCapture() {
  end_capture();
  return TRUE;
}

HWND GetCapture() {
  const HWND capture = input_state().capture;
  return IsWindow(capture) ? capture : HWND{};
}

}  // namespace win
