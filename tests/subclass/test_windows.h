// Real platform windows for the subclassing tests, with their procedure set
// after creation so that the creation messages don't reach it.
#pragma once

#include "platform/win/kernel/types.h"

namespace subclass_test {

// A window of this process, or (process != 0) one that claims another process.
win::HWND make_test_window(win::WNDPROC proc, win::DWORD process = 0);
void destroy_test_window(win::HWND window);
win::LRESULT send_to(win::HWND window, win::UINT message, win::WPARAM wparam = 0,
                     win::LPARAM lparam = 0);
// The next SetWindowLongA fails with this last-error code.
void fail_next_set_window_long(win::DWORD error);

}  // namespace subclass_test
