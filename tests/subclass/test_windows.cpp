#include "tests/subclass/test_windows.h"

#include "platform/win/user/message.h"
#include "platform/win/user/window.h"

namespace subclass_test {

win::HWND make_test_window(win::WNDPROC proc, win::DWORD process) {
  if (process != 0) return win::create_foreign_window_for_test();
  static const char* const kClass = "SubclassTestWindow";
  static const bool registered = [] {
    win::WNDCLASSA wc;
    wc.lpfnWndProc = &win::DefWindowProcA;
    wc.lpszClassName = kClass;
    return win::RegisterClassA(&wc) != 0;
  }();
  (void)registered;
  const win::HWND window =
      win::CreateWindowExA(0, kClass, "", win::WS_POPUP, 0, 0, 10, 10, win::HWND{});
  win::SetWindowLongA(window, win::GWL_WNDPROC, win::procedure_to_long(proc));
  return window;
}

void destroy_test_window(win::HWND window) { win::DestroyWindow(window); }

win::LRESULT send_to(win::HWND window, win::UINT message, win::WPARAM wparam, win::LPARAM lparam) {
  return win::SendMessageA(window, message, wparam, lparam);
}

void fail_next_set_window_long(win::DWORD error) { win::fail_next_set_window_long_for_test(error); }

}  // namespace subclass_test
