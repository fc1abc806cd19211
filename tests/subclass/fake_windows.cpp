#include "tests/subclass/fake_windows.h"

#include <unistd.h>

#include <cstdint>
#include <map>
#include <optional>

#include "platform/win/window.h"

namespace subclass_test {
namespace {

struct FakeWindow {
  win::WNDPROC proc;
  win::DWORD process;
};

std::map<std::uint32_t, FakeWindow>& windows() {
  static std::map<std::uint32_t, FakeWindow> w;
  return w;
}

std::uint32_t g_next = 0x100;
std::optional<win::DWORD> g_set_window_long_failure;

}  // namespace

win::HWND make_fake_window(win::WNDPROC proc, win::DWORD process) {
  const std::uint32_t handle = g_next++;
  windows()[handle] = FakeWindow{proc, process ? process : win::GetCurrentProcessId()};
  return win::HWND{handle};
}

void destroy_fake_window(win::HWND window) { windows().erase(window.value); }

win::LRESULT send_to(win::HWND window, win::UINT message, win::WPARAM wparam, win::LPARAM lparam) {
  return windows().at(window.value).proc(window, message, wparam, lparam);
}

void fail_next_set_window_long(win::DWORD error) { g_set_window_long_failure = error; }

}  // namespace subclass_test

namespace win {

using subclass_test::windows;

__attribute__((weak)) BOOL IsWindow(HWND hwnd) { return windows().contains(hwnd.value); }

__attribute__((weak)) DWORD GetCurrentProcessId() { return static_cast<DWORD>(getpid()); }

__attribute__((weak)) DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* process_id) {
  const auto found = windows().find(hwnd.value);
  if (found == windows().end()) return 0;
  if (process_id) *process_id = found->second.process;
  return 1;
}

__attribute__((weak)) LONG SetWindowLongA(HWND hwnd, int index, LONG value) {
  if (subclass_test::g_set_window_long_failure) {
    SetLastError(*subclass_test::g_set_window_long_failure);
    subclass_test::g_set_window_long_failure.reset();
    return 0;
  }
  const auto found = windows().find(hwnd.value);
  if (found == windows().end() || index != GWL_WNDPROC) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  const auto previous = static_cast<LONG>(reinterpret_cast<std::uintptr_t>(found->second.proc));
  found->second.proc = reinterpret_cast<WNDPROC>(static_cast<std::uintptr_t>(value));
  return previous;
}

__attribute__((weak)) LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wparam,
                                              LPARAM lparam) {
  return proc(hwnd, msg, wparam, lparam);
}

}  // namespace win
