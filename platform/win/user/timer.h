#pragma once

#include "platform/win/kernel/types.h"

namespace win {

using TIMERPROC = void (*)(HWND, UINT, UINT, DWORD);

// WM_TIMER at the interval asked for (at least 10 ms), never queued twice.
UINT SetTimer(HWND hwnd, UINT id, UINT elapse_ms, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT id);

}  // namespace win
