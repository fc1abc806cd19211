// Input entering the platform: a presenter reports the pointer and keys
// here, and the platform turns them into window messages. Mouse messages go
// to the topmost shown window under the pointer (its region decides the
// hit), keys to the focused window.
#pragma once

#include "platform/win/types.h"

namespace win {

enum class MouseButton { Left, Right, Middle };
enum class ButtonAction { Press, Release, DoubleClick };
enum class KeyAction { Down, Up };

// Screen coordinates.
void deliver_mouse_move(int x, int y);
// At the pointer's current position. DoubleClick is the second press of a
// double click: WM_xBUTTONDBLCLK for classes with CS_DBLCLKS, else a press.
void deliver_mouse_button(MouseButton button, ButtonAction action);
void deliver_key(UINT virtual_key, KeyAction action);

POINT pointer_position();
bool key_is_down(UINT virtual_key);
// The MK_* flags of the buttons and modifier keys held now.
WPARAM mouse_key_flags();

// The topmost shown window at a screen point, or 0.
HWND WindowFromPoint(POINT point);

HWND SetFocus(HWND hwnd);
HWND GetFocus();

}  // namespace win
