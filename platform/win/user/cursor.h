// Mouse pointers: the standard arrow and the hand, a pointer per window,
// and the pointer that shows at a screen point, which the presenter puts
// on the screen while the mouse is there.
#pragma once

#include "platform/win/kernel/types.h"

namespace win {

// Resource ids of the system pointers, as LoadCursorA takes them.
inline const char* const IDC_ARROW = reinterpret_cast<const char*>(32512);
inline const char* const IDC_HAND = reinterpret_cast<const char*>(32649);

enum class PointerShape { Arrow, Hand };

// A system pointer (module 0 only); 0 with ERROR_INVALID_PARAMETER for any
// other request. The handles are shared and live as long as the process.
HCURSOR LoadCursorA(HMODULE module, const char* name);

// The pointer shown while the mouse is over the window (children without a
// pointer of their own show their parent's). 0 restores the default arrow.
// FALSE for a bad window or cursor handle.
BOOL set_window_cursor(HWND hwnd, HCURSOR cursor);
HCURSOR window_cursor(HWND hwnd);

// The pointer a window shows: its own (set_window_cursor), else its class's
// (WNDCLASSA::hCursor), else its parent's; the arrow at the end of the chain.
// There is no WM_SETCURSOR: a window chooses its pointer by these settings.
HCURSOR cursor_of_window(HWND hwnd);
// The pointer to show now: that of the window with the mouse capture, else
// that of the window under the pointer. What the presenter shows.
HCURSOR cursor_for_pointer();

// The shape of the pointer over the shown window at a screen point: the
// arrow where no window with a pointer of its own is.
PointerShape pointer_shape_at(POINT screen_point);
// The shape a cursor handle stands for (the arrow for a bad handle).
PointerShape pointer_shape(HCURSOR cursor);

}  // namespace win
