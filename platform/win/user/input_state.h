// The state behind input.h, focus.h and mouse_tracking.h. Internal to the
// platform.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/win/user/input.h"
#include "platform/win/kernel/types.h"

namespace win {

// The press a following one is compared with to find a double click.
struct LastPress {
  bool valid = false;
  MouseButton button = MouseButton::Left;
  HWND window;
  POINT point;  // screen
  std::int64_t time = 0;
};

struct KeyRepeatState {
  UINT key = 0;  // 0: nothing repeats
  std::int64_t next_due = 0;
};

struct InputState {
  POINT pointer;
  std::array<bool, 3> buttons{};  // indexed by MouseButton
  std::array<bool, 256> keys{};   // indexed by virtual key
  HWND focus;
  HWND capture;
  bool capture_by_press = false;  // ends when the last button is let go
  LastPress last_press;
  KeyRepeatState repeat;
  std::vector<HWND> leave_requests;  // windows waiting for WM_MOUSELEAVE
};

InputState& input_state();

bool any_button_down();
// Ends the capture, if any. A window that took it with SetCapture gets
// WM_CAPTURECHANGED; the capture a press takes ends silently with the
// button-up that the window sees anyway.
void end_capture();

// mouse_tracking.cpp: posts WM_MOUSELEAVE to every tracked window the
// pointer is no longer over; does nothing while the mouse is captured.
void check_mouse_leave();
void forget_leave_request(HWND hwnd);

// focus.cpp: where keys go, and where Tab starts, when nothing has the focus.
HWND topmost_shown_top_level();

// keyboard.cpp
void post_due_key_repeat();
std::int64_t time_to_next_key_repeat();

}  // namespace win
