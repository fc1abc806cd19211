// A window class whose procedure records every message it gets, for the
// window, message, timer and paint tests.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

#include "platform/win/kernel/clock.h"
#include "platform/win/user/message.h"
#include "platform/win/user/presenter.h"
#include "platform/win/kernel/types.h"
#include "platform/win/user/window.h"

namespace win::test {

struct Recorded {
  HWND hwnd;
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
};

// The log of every recorder window, and optional per-message hooks that run
// before the default handling.
struct RecorderLog {
  std::vector<Recorded> messages;
  std::map<UINT, std::function<bool(HWND, WPARAM, LPARAM)>>
      hooks;  // true: handled, skip the default

  int count(UINT message, HWND hwnd = {}) const {
    int n = 0;
    for (const auto& m : messages) n += m.message == message && (!hwnd || m.hwnd == hwnd);
    return n;
  }
  std::vector<UINT> sequence(HWND hwnd) const {
    std::vector<UINT> out;
    for (const auto& m : messages) {
      if (m.hwnd == hwnd) out.push_back(m.message);
    }
    return out;
  }
};

inline RecorderLog& recorder_log() {
  static RecorderLog log;
  return log;
}

inline LRESULT recorder_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  recorder_log().messages.push_back({hwnd, msg, wparam, lparam});
  auto hook = recorder_log().hooks.find(msg);
  if (hook != recorder_log().hooks.end() && hook->second(hwnd, wparam, lparam)) return 0;
  return DefWindowProcA(hwnd, msg, wparam, lparam);
}

inline constexpr COLORREF kRecorderBackground = 0x00112233;

inline const char* recorder_class() {
  static const bool registered = [] {
    WNDCLASSA wc;
    wc.lpfnWndProc = recorder_proc;
    wc.background = kRecorderBackground;
    wc.lpszClassName = "Recorder";
    wc.style = CS_DBLCLKS;
    return RegisterClassA(&wc) != 0;
  }();
  EXPECT_TRUE(registered);
  return "Recorder";
}

// Installs a fake clock, empties the log, and destroys what the test made.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    set_clock(&m_clock);
    recorder_log() = RecorderLog{};
    drain();
  }
  void TearDown() override {
    for (HWND h : m_windows) DestroyWindow(h);
    drain();
    recorder_log() = RecorderLog{};
    set_presenter(nullptr);
    set_clock(nullptr);
  }

  HWND make_top(int x, int y, int w, int h, DWORD style = WS_VISIBLE) {
    const HWND hwnd = CreateWindowExA(0, recorder_class(), "top", WS_POPUP | style, x, y, w, h, {});
    m_windows.push_back(hwnd);
    return hwnd;
  }
  HWND make_child(HWND parent, int x, int y, int w, int h, DWORD style = WS_VISIBLE) {
    return CreateWindowExA(0, recorder_class(), "child", WS_CHILD | style, x, y, w, h, parent);
  }
  // Handles everything pending, quits included.
  static void drain() {
    MSG m;
    while (PeekMessageA(&m, {}, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
  }

  FakeClock m_clock{1000};
  std::vector<HWND> m_windows;
};

}  // namespace win::test
