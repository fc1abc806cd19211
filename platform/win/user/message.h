// The thread's message queue: posting, sending, retrieving and dispatching,
// with WM_PAINT made only when nothing else is pending and WM_TIMER made when
// a timer is due.
#pragma once

#include "platform/win/kernel/types.h"

namespace win {

inline constexpr UINT PM_NOREMOVE = 0x0000;
inline constexpr UINT PM_REMOVE = 0x0001;

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
// Waits for a message; returns 0 for WM_QUIT.
BOOL GetMessageA(MSG* msg, HWND hwnd, UINT filter_min, UINT filter_max);
BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT filter_min, UINT filter_max, UINT remove);
LRESULT DispatchMessageA(const MSG* msg);
BOOL TranslateMessage(const MSG* msg);
void PostQuitMessage(int exit_code);

// Handles every message that is pending now (paints and due timers included)
// and returns without waiting: the form framework's DoEvents.
void process_pending_messages();

// GetMessage, TranslateMessage and DispatchMessage until WM_QUIT; returns the
// exit code that PostQuitMessage gave.
int run_message_loop();

}  // namespace win
