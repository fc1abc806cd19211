// Leave requests: a window asks once, gets one WM_MOUSELEAVE when the
// window under the pointer is no longer it (moved off, covered, hidden, or
// over a child of it), and the request is over. While the mouse is captured
// no leave is posted; on release the held-back leave follows if the pointer
// is then outside. A destroyed window's request ends without a message.
#include "platform/win/user/mouse_tracking.h"

#include <algorithm>

#include "platform/win/user/input.h"
#include "platform/win/user/input_state.h"
#include "platform/win/user/message.h"
#include "platform/win/user/window.h"

namespace win {

namespace {

bool pointer_over(HWND hwnd) { return WindowFromPoint(pointer_position()) == hwnd; }

}  // namespace

void check_mouse_leave() {
  auto& s = input_state();
  if (s.leave_requests.empty() || GetCapture()) return;
  const HWND under = WindowFromPoint(s.pointer);
  // Taken out first: a handler run by the post may ask again.
  std::vector<HWND> left;
  std::erase_if(s.leave_requests, [&](HWND hwnd) {
    if (!IsWindow(hwnd)) return true;
    if (hwnd == under) return false;
    left.push_back(hwnd);
    return true;
  });
  for (HWND hwnd : left) PostMessageA(hwnd, WM_MOUSELEAVE, 0, 0);
}

void forget_leave_request(HWND hwnd) { std::erase(input_state().leave_requests, hwnd); }

BOOL TrackMouseEvent(TRACKMOUSEEVENT* event) {
  if (!event || event->cbSize != sizeof(TRACKMOUSEEVENT) ||
      (event->dwFlags & ~(TME_LEAVE | TME_CANCEL)) != 0 || !(event->dwFlags & TME_LEAVE)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (!IsWindow(event->hwndTrack)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  const HWND hwnd = event->hwndTrack;
  auto& requests = input_state().leave_requests;
  if (event->dwFlags & TME_CANCEL) {
    forget_leave_request(hwnd);
    return TRUE;
  }
  if (std::ranges::find(requests, hwnd) == requests.end()) requests.push_back(hwnd);
  if (!pointer_over(hwnd)) check_mouse_leave();
  return TRUE;
}

BOOL comctl32_TrackMouseEvent(TRACKMOUSEEVENT* event) { return TrackMouseEvent(event); }

}  // namespace win
