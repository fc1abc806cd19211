// Mouse-leave tracking: one WM_MOUSELEAVE when the pointer is no longer over
// the window, after which the request has ended.
#pragma once

#include "platform/win/kernel/types.h"

namespace win {

inline constexpr DWORD TME_HOVER = 0x00000001;
inline constexpr DWORD TME_LEAVE = 0x00000002;
inline constexpr DWORD TME_CANCEL = 0x80000000;

struct TRACKMOUSEEVENT {
  DWORD cbSize = 0;
  DWORD dwFlags = 0;
  HWND hwndTrack;
  DWORD dwHoverTime = 0;
};

// user32's TrackMouseEvent.
BOOL TrackMouseEvent(TRACKMOUSEEVENT* event);
// comctl32's "_TrackMouseEvent", the same service for older systems.
BOOL comctl32_TrackMouseEvent(TRACKMOUSEEVENT* event);

}  // namespace win
