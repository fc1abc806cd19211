// Input entering the platform: a presenter reports the pointer and keys
// here, and the platform turns them into window messages.
//
// Mouse: messages go to the window that has the capture, else to the
// topmost shown window under the pointer (its window region decides the
// hit); a disabled window, or one inside a disabled window, takes none.
// A press captures the mouse for its window until the last button is let
// go, so a drag out of a window keeps reporting to it with coordinates
// outside its client area. wParam carries the MK_* flags, lParam the client
// point as two signed 16-bit halves (clamped to their range).
//
// Double clicks: a press of the same button on the same window within
// kDoubleClickTimeMs of the previous press, and within a box
// kDoubleClickWidth pixels wide centred on it, is a double click. A class
// with CS_DBLCLKS then gets WM_xBUTTONDBLCLK instead of the press (so a
// double click reads down, up, dblclk, up); other classes get a plain press.
// The press after a double click starts a new sequence.
//
// Keys go to the focused window, or to the topmost shown top-level window
// when nothing has the focus. A held key repeats: WM_KEYDOWN with the
// previous-state bit after kKeyRepeatDelayMs, then every
// kKeyRepeatIntervalMs, by the platform clock, for the key pressed last. A
// presenter whose display repeats keys itself (Presenter::repeats_keys)
// reports each repeat as another Down, and the platform makes none.
//
// Tab and Shift+Tab belong to the platform: they move the focus (focus.h)
// and reach no window, neither as WM_KEYDOWN nor as WM_KEYUP.
#pragma once

#include <cstdint>

#include "platform/win/user/focus.h"  // SetFocus and GetFocus were declared here first
#include "platform/win/kernel/types.h"

namespace win {

enum class MouseButton { Left, Right, Middle };
enum class ButtonAction { Press, Release };
enum class KeyAction { Down, Up };

inline constexpr std::int64_t kDoubleClickTimeMs = 500;
inline constexpr int kDoubleClickWidth = 4;
inline constexpr int kDoubleClickHeight = 4;
inline constexpr std::int64_t kKeyRepeatDelayMs = 500;
inline constexpr std::int64_t kKeyRepeatIntervalMs = 33;

// Screen coordinates.
void deliver_mouse_move(int x, int y);
// At the pointer's current position.
void deliver_mouse_button(MouseButton button, ButtonAction action);
// A Down for a key that is already down is a repeat. An Up for a key that
// is not down is ignored.
void deliver_key(UINT virtual_key, KeyAction action);

POINT pointer_position();
bool key_is_down(UINT virtual_key);
// The MK_* flags of the buttons and modifier keys held now.
WPARAM mouse_key_flags();

UINT GetDoubleClickTime();

// The topmost shown window at a screen point, or 0.
HWND WindowFromPoint(POINT point);

// Capture taken with SetCapture lasts until ReleaseCapture or another
// SetCapture, also past the button-up; the window losing it gets
// WM_CAPTURECHANGED with the new owner (or 0) in lParam. The capture a press
// takes by itself ends silently.
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();

}  // namespace win
