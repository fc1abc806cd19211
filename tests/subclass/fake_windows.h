// A stand-in for the window manager while the real one is not part of this
// build: windows are a table of procedures. Its functions are weak, so the
// real window manager replaces them once linked in.
#pragma once

#include "platform/win/types.h"

namespace subclass_test {

win::HWND make_fake_window(win::WNDPROC proc, win::DWORD process = 0);
void destroy_fake_window(win::HWND window);
win::LRESULT send_to(win::HWND window, win::UINT message, win::WPARAM wparam = 0,
                     win::LPARAM lparam = 0);
// The next SetWindowLongA fails with this last-error code.
void fail_next_set_window_long(win::DWORD error);

}  // namespace subclass_test
