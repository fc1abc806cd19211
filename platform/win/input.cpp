#include "platform/win/input.h"

#include <cstdint>
#include <ranges>

#include "platform/win/input_state.h"
#include "platform/win/message.h"
#include "platform/win/window.h"
#include "platform/win/window_object.h"

namespace win {

namespace {

// (x, y) is relative to the client origin of the window's parent (the
// screen for a top-level window).
HWND hit(const Window& w, std::int64_t x, std::int64_t y) {
  const std::int64_t lx = x - w.x;
  const std::int64_t ly = y - w.y;
  if (lx < 0 || ly < 0 || lx >= w.width || ly >= w.height) return {};
  if (w.region && !w.region->contains(static_cast<std::int32_t>(lx), static_cast<std::int32_t>(ly))) return {};
  for (HWND child_handle : w.children | std::views::reverse) {
    const Window* child = find_window(child_handle);
    if (!child || !child->visible_flag()) continue;
    if (const HWND found = hit(*child, lx, ly)) return found;
  }
  return w.handle;
}

UINT button_message(MouseButton button, ButtonAction action, bool double_clicks) {
  static constexpr UINT kDown[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
  static constexpr UINT kUp[] = {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP};
  static constexpr UINT kDouble[] = {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK};
  const auto i = static_cast<std::size_t>(button);
  switch (action) {
    case ButtonAction::Press: return kDown[i];
    case ButtonAction::Release: return kUp[i];
    case ButtonAction::DoubleClick: return double_clicks ? kDouble[i] : kDown[i];
  }
  return kDown[i];
}

// A disabled window takes no mouse input; the message is dropped.
void post_mouse(UINT message, HWND target) {
  const Window* w = find_window(target);
  if (!w || (w->style & WS_DISABLED)) return;
  POINT p = pointer_position();
  ScreenToClient(target, &p);
  PostMessageA(target, message, mouse_key_flags(), MAKELPARAM(p.x, p.y));
}

}  // namespace

HWND WindowFromPoint(POINT point) {
  for (HWND top : top_level_windows() | std::views::reverse) {
    const Window* w = find_window(top);
    if (!w || !w->visible_flag()) continue;
    if (const HWND found = hit(*w, point.x, point.y)) return found;
  }
  return {};
}

void deliver_mouse_move(int x, int y) {
  input_state().pointer = {x, y};
  post_mouse(WM_MOUSEMOVE, WindowFromPoint(input_state().pointer));
}

void deliver_mouse_button(MouseButton button, ButtonAction action) {
  input_state().buttons[static_cast<std::size_t>(button)] = action != ButtonAction::Release;
  const HWND target = WindowFromPoint(input_state().pointer);
  const Window* w = find_window(target);
  if (!w) return;
  post_mouse(button_message(button, action, (w->class_style & CS_DBLCLKS) != 0), target);
}

void deliver_key(UINT virtual_key, KeyAction action) {
  if (virtual_key >= 256) return;
  auto& s = input_state();
  const bool was_down = s.keys[virtual_key];
  s.keys[virtual_key] = action == KeyAction::Down;
  HWND target = s.focus;
  if (!IsWindow(target)) {
    // Without a focused window keys go to the active window: the topmost
    // shown top-level one.
    target = HWND{};
    for (HWND top : top_level_windows() | std::views::reverse) {
      if (IsWindowVisible(top)) {
        target = top;
        break;
      }
    }
  }
  if (!target) return;
  // Repeat count 1; bit 30 the previous key state; bit 31 set on release.
  DWORD flags = 1;
  if (was_down) flags |= 1u << 30;
  if (action == KeyAction::Up) flags |= 1u << 31;
  PostMessageA(target, action == KeyAction::Down ? WM_KEYDOWN : WM_KEYUP, static_cast<WPARAM>(virtual_key),
               static_cast<LPARAM>(flags));
}

}  // namespace win
