// Keyboard focus and Tab navigation.
#include "platform/win/user/focus.h"

#include <algorithm>
#include <ranges>
#include <vector>

#include "platform/win/user/input_state.h"
#include "platform/win/user/message.h"
#include "platform/win/user/window.h"
#include "platform/win/user/window_object.h"

namespace win {

namespace {

HWND top_level_of(HWND hwnd) {
  HWND top;
  for (const Window* w = find_window(hwnd); w; w = find_window(w->parent)) top = w->handle;
  return top;
}

void collect_tab_stops(const Window& w, std::vector<const Window*>& out) {
  for (HWND child : w.children) {
    const Window* c = find_window(child);
    if (!c) continue;
    if (can_take_focus(child)) out.push_back(c);
    collect_tab_stops(*c, out);
  }
}

}  // namespace

HWND topmost_shown_top_level() {
  // Reverse iterators, not views::reverse, which clang 14 rejects with libstdc++ 12.
  const auto& tops = top_level_windows();
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
    if (IsWindowVisible(*it)) return *it;
  }
  return {};
}

HWND SetFocus(HWND hwnd) {
  auto& s = input_state();
  if (hwnd && !window_from_handle(hwnd)) return {};
  const HWND previous = s.focus;
  if (hwnd == previous) return previous;
  s.focus = hwnd;
  if (previous && IsWindow(previous))
    SendMessageA(previous, WM_KILLFOCUS, static_cast<WPARAM>(hwnd.value), 0);
  // A KILLFOCUS handler may have moved the focus elsewhere already.
  if (hwnd && IsWindow(hwnd) && s.focus == hwnd) {
    SendMessageA(hwnd, WM_SETFOCUS, static_cast<WPARAM>(previous.value), 0);
  }
  return previous;
}

HWND GetFocus() { return input_state().focus; }

BOOL SetWindowTabIndex(HWND hwnd, int index) {
  Window* w = window_from_handle(hwnd);
  if (!w) return FALSE;
  w->tab_index = index;
  return TRUE;
}

int GetWindowTabIndex(HWND hwnd) {
  const Window* w = window_from_handle(hwnd);
  return w ? w->tab_index : 0;
}

bool can_take_focus(HWND hwnd) {
  const Window* w = find_window(hwnd);
  if (!w || !(w->style & WS_TABSTOP) || !is_shown(*w)) return false;
  for (; w; w = find_window(w->parent)) {
    if ((w->style & WS_DISABLED) || w->destroying) return false;
  }
  return true;
}

HWND move_focus_by_tab(TabDirection direction) {
  const HWND focus = GetFocus();
  const HWND top = focus ? top_level_of(focus) : topmost_shown_top_level();
  const Window* top_window = find_window(top);
  if (!top_window) return {};
  std::vector<const Window*> stops;
  collect_tab_stops(*top_window, stops);
  if (stops.empty()) return {};
  std::ranges::sort(stops, [](const Window* a, const Window* b) {
    return a->tab_index != b->tab_index ? a->tab_index < b->tab_index
                                        : a->creation_serial < b->creation_serial;
  });
  const auto n = static_cast<std::ptrdiff_t>(stops.size());
  const auto at =
      std::ranges::find_if(stops, [focus](const Window* w) { return w->handle == focus; });
  std::ptrdiff_t next = 0;
  if (at == stops.end()) {
    next = direction == TabDirection::Forward ? 0 : n - 1;
  } else {
    const std::ptrdiff_t i = at - stops.begin();
    next = direction == TabDirection::Forward ? (i + 1) % n : (i + n - 1) % n;
  }
  const HWND target = stops[static_cast<std::size_t>(next)]->handle;
  SetFocus(target);
  return GetFocus() == target ? target : HWND{};
}

}  // namespace win
