#include "platform/win/user/timer.h"

#include "recorder.h"

namespace win::test {
namespace {

using Timers = WindowTest;

class SleepingPresenter : public Presenter {
 public:
  void present(HWND, const Surface&, POINT) override {}
  void wait_for_events(std::int64_t timeout_ms, bool) override {
    if (timeout_ms < 0 || clock().now_ms() + timeout_ms > end_ms) {
      PostQuitMessage(0);
      return;
    }
    clock().sleep_ms(timeout_ms);
  }
  std::int64_t end_ms = 0;
};

TEST_F(Timers, TicksAtTheIntervalAndTheLoopSleepsBetweenThem) {
  SleepingPresenter presenter;
  presenter.end_ms = m_clock.now_ms() + 10'000;
  set_presenter(&presenter);
  const HWND top = make_top(0, 0, 10, 10);
  SetTimer(top, 5, 100, nullptr);
  run_message_loop();
  EXPECT_EQ(recorder_log().count(WM_TIMER, top), 100);
  // One wakeup per tick: the loop never polls.
  EXPECT_EQ(m_clock.wakeups(), 100);
  EXPECT_EQ(recorder_log().messages.back().wparam, 5);
}

TEST_F(Timers, ShortIntervalsAreRaisedToTenMilliseconds) {
  const HWND top = make_top(0, 0, 10, 10);
  drain();
  SetTimer(top, 1, 1, nullptr);
  m_clock.advance(9);
  drain();
  EXPECT_EQ(recorder_log().count(WM_TIMER), 0);
  m_clock.advance(1);
  drain();
  EXPECT_EQ(recorder_log().count(WM_TIMER), 1);
}

TEST_F(Timers, ALateTimerIsPendingOnceNotOncePerMissedTick) {
  const HWND top = make_top(0, 0, 10, 10);
  drain();
  SetTimer(top, 1, 10, nullptr);
  m_clock.advance(1000);
  drain();
  EXPECT_EQ(recorder_log().count(WM_TIMER), 1);
}

TEST_F(Timers, KilledAndDestroyedTimersNeverFireAgain) {
  const HWND top = make_top(0, 0, 10, 10);
  const HWND doomed = make_top(0, 0, 10, 10);
  drain();
  SetTimer(top, 1, 10, nullptr);
  SetTimer(doomed, 1, 10, nullptr);
  m_clock.advance(10);
  MSG m;
  EXPECT_TRUE(PeekMessageA(&m, {}, 0, 0, PM_NOREMOVE));
  EXPECT_TRUE(KillTimer(top, 1));
  DestroyWindow(doomed);
  m_clock.advance(100);
  drain();
  EXPECT_EQ(recorder_log().count(WM_TIMER), 0);
  EXPECT_FALSE(KillTimer(top, 1));
  EXPECT_FALSE(KillTimer(doomed, 1));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(SetTimer(doomed, 1, 10, nullptr), 0u);
}

int g_proc_ticks = 0;
void count_tick(HWND, UINT msg, UINT, DWORD) { g_proc_ticks += msg == WM_TIMER; }

TEST_F(Timers, ATimerProcedureTakesTheTickInsteadOfTheWindow) {
  const HWND top = make_top(0, 0, 10, 10);
  drain();
  g_proc_ticks = 0;
  SetTimer(top, 2, 10, count_tick);
  const UINT thread_timer = SetTimer({}, 0, 20, count_tick);
  EXPECT_NE(thread_timer, 0u);
  m_clock.advance(20);
  drain();
  EXPECT_EQ(g_proc_ticks, 2);
  EXPECT_EQ(recorder_log().count(WM_TIMER), 0);
  EXPECT_TRUE(KillTimer({}, thread_timer));
  EXPECT_TRUE(KillTimer(top, 2));
}

}  // namespace
}  // namespace win::test

namespace win::test {
namespace {

TEST(Clock, TimeOfDayKeepsItsFractionAndWrapsAtMidnight) {
  FakeClock clock(0, 86399.5);
  EXPECT_FLOAT_EQ(clock.time_of_day(), 86399.5f);
  clock.advance(499);
  EXPECT_LT(clock.time_of_day(), 86400.0f);
  clock.advance(251);
  EXPECT_FLOAT_EQ(clock.time_of_day(), 0.25f);
  clock.sleep_ms(1000);
  EXPECT_EQ(clock.wakeups(), 1);
  EXPECT_EQ(clock.now_ms(), 1750);
}

}  // namespace
}  // namespace win::test
