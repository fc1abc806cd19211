#include "platform/win/user/message.h"

#include <stdexcept>

#include "platform/win/user/paint.h"
#include "platform/win/user/timer.h"
#include "recorder.h"

namespace win::test {
namespace {

using MessageQueue = WindowTest;

TEST(MessagePacking, SignedCoordinatesTravelAsSixteenBitHalves) {
  const LPARAM lp = MAKELPARAM(-3, 70);
  EXPECT_EQ(GET_X_LPARAM(lp), -3);
  EXPECT_EQ(GET_Y_LPARAM(lp), 70);
  EXPECT_EQ(static_cast<DWORD>(lp), 0x0046FFFDu);
}

TEST_F(MessageQueue, PostedMessagesComeInOrderBeforePaintsAndQuitComesAfterThem) {
  const HWND top = make_top(0, 0, 10, 10);
  PostMessageA(top, WM_USER, 1, 0);
  PostMessageA(top, WM_USER, 2, 0);
  PostQuitMessage(7);
  MSG m;
  ASSERT_EQ(GetMessageA(&m, {}, 0, 0), 1);
  EXPECT_EQ(m.wParam, 1);
  ASSERT_EQ(GetMessageA(&m, {}, 0, 0), 1);
  EXPECT_EQ(m.wParam, 2);
  EXPECT_EQ(GetMessageA(&m, {}, 0, 0), 0);
  EXPECT_EQ(m.wParam, 7);
  ASSERT_EQ(GetMessageA(&m, {}, 0, 0), 1);
  EXPECT_EQ(m.message, WM_PAINT);  // the new window's first paint waited for the rest
}

TEST_F(MessageQueue, WindowFilterTakesChildrenAlongAndStaleTargetsAreRefused) {
  const HWND top = make_top(0, 0, 10, 10);
  const HWND child = make_child(top, 0, 0, 5, 5);
  const HWND other = make_top(0, 0, 10, 10);
  drain();
  PostMessageA(other, WM_USER, 0, 0);
  PostMessageA(child, WM_USER + 1, 0, 0);
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, top, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.hwnd, child);
  EXPECT_FALSE(PeekMessageA(&m, top, 0, 0, PM_REMOVE));
  ASSERT_TRUE(PeekMessageA(&m, {}, WM_USER, WM_USER, PM_NOREMOVE));
  EXPECT_TRUE(PeekMessageA(&m, {}, 0, 0, PM_REMOVE));
  EXPECT_FALSE(PeekMessageA(&m, {}, 0, 0, PM_REMOVE));

  DestroyWindow(child);
  EXPECT_FALSE(PostMessageA(child, WM_USER, 0, 0));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(GetMessageA(&m, child, 0, 0), -1);
}

TEST_F(MessageQueue, DestroyingAWindowDropsItsPostedMessages) {
  const HWND top = make_top(0, 0, 10, 10);
  PostMessageA(top, WM_USER, 0, 0);
  DestroyWindow(top);
  MSG m;
  EXPECT_FALSE(PeekMessageA(&m, {}, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueue, PendingMessagesAreHandledWithoutWaitingAndQuitStaysPending) {
  const HWND top = make_top(0, 0, 10, 10);
  SetTimer(top, 1, 50, nullptr);
  m_clock.advance(60);
  PostMessageA(top, WM_USER, 0, 0);
  PostQuitMessage(3);
  PostMessageA(top, WM_USER + 1, 0, 0);
  const auto wakeups = m_clock.wakeups();
  process_pending_messages();
  EXPECT_EQ(m_clock.wakeups(), wakeups);
  EXPECT_EQ(recorder_log().count(WM_USER, top), 1);
  EXPECT_EQ(recorder_log().count(WM_USER + 1, top), 1);
  // The quit request ends the batch: paints and timers wait for the main loop.
  EXPECT_EQ(recorder_log().count(WM_PAINT, top), 0);
  MSG m;
  EXPECT_EQ(GetMessageA(&m, {}, 0, 0), 0);
  process_pending_messages();
  EXPECT_EQ(recorder_log().count(WM_PAINT, top), 1);
  EXPECT_EQ(recorder_log().count(WM_TIMER, top), 1);
  KillTimer(top, 1);
}

TEST_F(MessageQueue, KeyDownsTranslateToCharacters) {
  const HWND top = make_top(0, 0, 10, 10);
  drain();
  MSG m;
  m.hwnd = top;
  m.message = WM_KEYDOWN;
  m.wParam = 'Q';
  EXPECT_TRUE(TranslateMessage(&m));
  m.wParam = VK_SHIFT;
  EXPECT_FALSE(TranslateMessage(&m));
  ASSERT_TRUE(PeekMessageA(&m, {}, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_CHAR);
  EXPECT_EQ(m.wParam, 'q');
}

class CountingPresenter : public Presenter {
 public:
  void present(HWND, const Surface&, POINT) override { ++frames; }
  void wait_for_events(std::int64_t timeout_ms, bool idle) override {
    timeouts.push_back(timeout_ms);
    idle_flags.push_back(idle);
    if (timeouts.size() == 3) PostQuitMessage(0);
    if (timeout_ms > 0) clock().sleep_ms(timeout_ms);
  }
  int frames = 0;
  std::vector<std::int64_t> timeouts;
  std::vector<bool> idle_flags;
};

TEST_F(MessageQueue, AnIdleLoopWaitsWithoutLimitAndPresentsOnce) {
  CountingPresenter presenter;
  set_presenter(&presenter);
  make_top(0, 0, 10, 10);
  PostMessageA({}, WM_USER, 0, 0);
  EXPECT_EQ(run_message_loop(), 0);
  // Woken three times (the presenter answers the third with quit), each
  // time told there was nothing to wait for but input.
  EXPECT_EQ(presenter.timeouts, (std::vector<std::int64_t>{-1, -1, -1}));
  EXPECT_EQ(presenter.idle_flags, (std::vector<bool>{true, true, true}));
  EXPECT_EQ(presenter.frames, 1);
  EXPECT_EQ(m_clock.wakeups(), 0);
}

TEST_F(MessageQueue, WaitingForeverWithoutAPresenterIsAnError) {
  MSG m;
  EXPECT_THROW(GetMessageA(&m, {}, 0, 0), std::logic_error);
}

}  // namespace
}  // namespace win::test
