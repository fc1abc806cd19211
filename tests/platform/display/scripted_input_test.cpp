// Scripted input through the headless presenter: a double click, a drag out
// with its held-back leave, and a held key's repeats, paced by the clock.
#include <gtest/gtest.h>

#include "platform/display/headless.h"
#include "platform/win/kernel/clock.h"
#include "platform/win/user/message.h"
#include "platform/win/user/mouse_tracking.h"
#include "platform/win/user/window.h"

namespace display {
namespace {

struct Seen {
  win::HWND hwnd;
  win::UINT message;
  win::WPARAM wparam;
  win::LPARAM lparam;
  std::int64_t time;
};
std::vector<Seen> g_seen;

win::LRESULT scripted_proc(win::HWND hwnd, win::UINT msg, win::WPARAM wparam, win::LPARAM lparam) {
  if (msg == win::WM_KEYDOWN || msg == win::WM_KEYUP || msg == win::WM_MOUSELEAVE ||
      (msg >= win::WM_MOUSEMOVE && msg <= win::WM_MBUTTONDBLCLK)) {
    g_seen.push_back({hwnd, msg, wparam, lparam, win::clock().now_ms()});
  }
  // The button's way: ask for a leave on every move inside.
  if (msg == win::WM_MOUSEMOVE) {
    win::TRACKMOUSEEVENT e;
    e.cbSize = sizeof e;
    e.dwFlags = win::TME_LEAVE;
    e.hwndTrack = hwnd;
    win::TrackMouseEvent(&e);
  }
  return win::DefWindowProcA(hwnd, msg, wparam, lparam);
}

class ScriptedInput : public ::testing::Test {
 protected:
  void SetUp() override {
    win::set_clock(&m_clock);
    static const bool registered = [] {
      win::WNDCLASSA wc;
      wc.lpfnWndProc = scripted_proc;
      wc.style = win::CS_DBLCLKS;
      wc.lpszClassName = "ScriptedInput";
      return win::RegisterClassA(&wc) != 0;
    }();
    ASSERT_TRUE(registered);
    m_top = win::CreateWindowExA(0, "ScriptedInput", "", win::WS_POPUP | win::WS_VISIBLE, 300, 200,
                                 100, 50, {});
    m_button = win::CreateWindowExA(0, "ScriptedInput", "",
                                    win::WS_CHILD | win::WS_VISIBLE | win::WS_TABSTOP, 10, 10, 30,
                                    20, m_top);
    g_seen.clear();
  }
  void TearDown() override {
    win::DestroyWindow(m_top);
    win::set_presenter(nullptr);
    win::set_clock(nullptr);
  }
  int run(const std::string& script) {
    HeadlessPresenter presenter(parse_script(script, "test"), "");
    win::set_presenter(&presenter);
    const int status = win::run_message_loop();
    win::set_presenter(nullptr);
    return status;
  }
  std::vector<win::UINT> messages_of(win::HWND hwnd) const {
    std::vector<win::UINT> out;
    for (const auto& s : g_seen) {
      if (s.hwnd == hwnd && s.message != win::WM_MOUSEMOVE) out.push_back(s.message);
    }
    return out;
  }

  win::FakeClock m_clock{0};
  win::HWND m_top;
  win::HWND m_button;
};

TEST_F(ScriptedInput, DblclickGivesTheDoubleClickSequence) {
  EXPECT_EQ(run("move 20 20\ndblclick left\nmove 22 20\nclick left\n"), kScriptEndedExitCode);
  EXPECT_EQ(messages_of(m_button),
            (std::vector<win::UINT>{win::WM_LBUTTONDOWN, win::WM_LBUTTONUP, win::WM_LBUTTONDBLCLK,
                                    win::WM_LBUTTONUP, win::WM_LBUTTONDOWN, win::WM_LBUTTONUP}));
}

TEST_F(ScriptedInput, ADragOutReportsOutsideAndLeavesOnRelease) {
  EXPECT_EQ(run("move 20 20\npress left\nmove 5 60\nwait 100\nrelease left\nwait 100\n"),
            kScriptEndedExitCode);
  EXPECT_EQ(messages_of(m_button),
            (std::vector<win::UINT>{win::WM_LBUTTONDOWN, win::WM_LBUTTONUP, win::WM_MOUSELEAVE}));
  const auto outside = std::find_if(g_seen.begin(), g_seen.end(), [](const Seen& s) {
    return s.message == win::WM_MOUSEMOVE && s.wparam == win::MK_LBUTTON;
  });
  ASSERT_NE(outside, g_seen.end());
  EXPECT_EQ(outside->hwnd, m_button);
  EXPECT_EQ(win::GET_X_LPARAM(outside->lparam), -5);
  EXPECT_EQ(win::GET_Y_LPARAM(outside->lparam), 50);
}

TEST_F(ScriptedInput, AHeldKeyRepeatsDuringAWait) {
  EXPECT_EQ(run("key Tab\nkeydown Enter\nwait 600\nkeyup Enter\nwait 200\n"), kScriptEndedExitCode);
  std::vector<std::int64_t> times;
  for (const auto& s : g_seen) {
    if (s.message == win::WM_KEYDOWN) times.push_back(s.time);
  }
  EXPECT_EQ(times, (std::vector<std::int64_t>{0, 500, 533, 566, 599}));
  EXPECT_EQ(messages_of(m_button).back(), win::WM_KEYUP);
}

}  // namespace
}  // namespace display
