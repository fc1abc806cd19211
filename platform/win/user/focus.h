// Keyboard focus: SetFocus/GetFocus with WM_KILLFOCUS to the window losing
// it and then WM_SETFOCUS to the window gaining it, each carrying the other
// window in wParam.
//
// A window can take the focus by click or Tab when it has WS_TABSTOP and it
// and its ancestors are shown and enabled. Tab moves to the next such
// window of the focused window's top-level window, Shift+Tab to the
// previous one, wrapping around; the order is the tab index, ties broken by
// creation order. Every window's tab index starts at 0.
#pragma once

#include "platform/win/kernel/types.h"

namespace win {

HWND SetFocus(HWND hwnd);
HWND GetFocus();

BOOL SetWindowTabIndex(HWND hwnd, int index);
// 0 with ERROR_INVALID_WINDOW_HANDLE for a bad window.
int GetWindowTabIndex(HWND hwnd);

// The window can take the focus by click or by Tab.
bool can_take_focus(HWND hwnd);

enum class TabDirection { Forward, Backward };
// Moves the focus as Tab (Forward) or Shift+Tab (Backward) do; returns the
// newly focused window, or 0 when no window can take it.
HWND move_focus_by_tab(TabDirection direction);

}  // namespace win
