// Leave requests: one WM_MOUSELEAVE per request, held back while captured.
#include "platform/win/user/mouse_tracking.h"

#include "tests/platform/win/user/input_fixture.h"

namespace win::test {
namespace {

using MouseLeave = InputTest;

TEST_F(MouseLeave, OneLeavePerRequestWhenThePointerMovesOff) {
  const HWND top = make_top(0, 0, 100, 100);
  const HWND a = make_child(top, 10, 10, 20, 20);
  const HWND inner = make_child(a, 5, 5, 5, 5);
  deliver_mouse_move(12, 12);
  settle();
  ASSERT_TRUE(track(a));
  ASSERT_TRUE(track(a));  // asked twice: still one leave
  deliver_mouse_move(13, 12);
  drain();
  EXPECT_EQ(recorder_log().count(WM_MOUSELEAVE), 0);
  deliver_mouse_move(50, 50);
  deliver_mouse_move(60, 50);
  deliver_mouse_move(12, 12);
  deliver_mouse_move(50, 50);
  drain();
  ASSERT_EQ(of(WM_MOUSELEAVE).size(), 1u);
  EXPECT_EQ(of(WM_MOUSELEAVE)[0].hwnd, a);
  // The leave comes before the move that the window now under the pointer gets.
  const auto seq = recorder_log().messages;
  const auto leave = std::find_if(seq.begin(), seq.end(),
                                  [](const Recorded& m) { return m.message == WM_MOUSELEAVE; });
  ASSERT_NE(leave + 1, seq.end());
  EXPECT_EQ((leave + 1)->hwnd, top);

  // Moving onto a child leaves the parent.
  deliver_mouse_move(12, 12);
  settle();
  ASSERT_TRUE(track(a));
  deliver_mouse_move(16, 16);
  drain();
  EXPECT_EQ(recorder_log().count(WM_MOUSELEAVE, a), 1);
  (void)inner;
}

TEST_F(MouseLeave, ARequestWhileOutsideIsAnsweredAtOnceAndCancelledOnesNever) {
  const HWND top = make_top(0, 0, 100, 100);
  const HWND a = make_child(top, 10, 10, 20, 20);
  deliver_mouse_move(50, 50);
  settle();
  ASSERT_TRUE(track(a));
  drain();
  EXPECT_EQ(recorder_log().count(WM_MOUSELEAVE, a), 1);
  deliver_mouse_move(12, 12);
  deliver_mouse_move(50, 50);
  drain();
  EXPECT_EQ(recorder_log().count(WM_MOUSELEAVE, a), 1);  // the request ended with its leave

  deliver_mouse_move(12, 12);
  ASSERT_TRUE(track(a));
  ASSERT_TRUE(track(a, TME_LEAVE | TME_CANCEL));
  deliver_mouse_move(50, 50);
  drain();
  EXPECT_EQ(recorder_log().count(WM_MOUSELEAVE, a), 1);
}

TEST_F(MouseLeave, WhileCapturedTheLeaveWaitsForTheRelease) {
  const HWND top = make_top(0, 0, 100, 100);
  const HWND a = make_child(top, 10, 10, 20, 20);
  deliver_mouse_move(15, 15);
  settle();
  ASSERT_TRUE(track(a));
  deliver_mouse_button(MouseButton::Left, ButtonAction::Press);
  deliver_mouse_move(-5, 50);
  drain();
  EXPECT_EQ(recorder_log().count(WM_MOUSELEAVE), 0);
  deliver_mouse_button(MouseButton::Left, ButtonAction::Release);
  drain();
  ASSERT_EQ(of(WM_MOUSELEAVE).size(), 1u);
  EXPECT_EQ(recorder_log().sequence(a).back(), WM_MOUSELEAVE);  // after the button-up

  // Dragged back in before the release: no leave yet, the request stays.
  deliver_mouse_move(15, 15);
  settle();
  ASSERT_TRUE(track(a));
  deliver_mouse_button(MouseButton::Left, ButtonAction::Press);
  deliver_mouse_move(50, 50);
  deliver_mouse_move(16, 16);
  deliver_mouse_button(MouseButton::Left, ButtonAction::Release);
  drain();
  EXPECT_EQ(recorder_log().count(WM_MOUSELEAVE), 0);
  deliver_mouse_move(50, 50);
  drain();
  EXPECT_EQ(recorder_log().count(WM_MOUSELEAVE, a), 1);

  // A request made during the capture, pointer outside: answered on release.
  deliver_mouse_move(15, 15);
  deliver_mouse_button(MouseButton::Left, ButtonAction::Press);
  deliver_mouse_move(50, 50);
  settle();
  ASSERT_TRUE(track(a));
  drain();
  EXPECT_EQ(recorder_log().count(WM_MOUSELEAVE), 0);
  deliver_mouse_button(MouseButton::Left, ButtonAction::Release);
  drain();
  EXPECT_EQ(recorder_log().count(WM_MOUSELEAVE, a), 1);
}

TEST_F(MouseLeave, AHiddenWindowHasBeenLeftAndADestroyedOneEndsItsRequest) {
  const HWND top = make_top(0, 0, 100, 100);
  const HWND a = make_child(top, 10, 10, 20, 20);
  const HWND b = make_child(top, 40, 10, 20, 20);
  deliver_mouse_move(15, 15);
  settle();
  ASSERT_TRUE(track(a));
  ShowWindow(a, SW_HIDE);
  drain();
  EXPECT_EQ(recorder_log().count(WM_MOUSELEAVE, a), 1);

  deliver_mouse_move(45, 15);
  ASSERT_TRUE(track(b));
  DestroyWindow(b);
  // A window made in the freed slot inherits nothing.
  const HWND c = make_child(top, 40, 10, 20, 20);
  deliver_mouse_move(90, 90);
  drain();
  EXPECT_EQ(recorder_log().count(WM_MOUSELEAVE, c), 0);
  EXPECT_EQ(recorder_log().count(WM_MOUSELEAVE), 1);
}

TEST_F(MouseLeave, BadRequestsFailAsWindowsDoesInBothLibraries) {
  const HWND top = make_top(0, 0, 10, 10);
  for (auto* track_fn : {&TrackMouseEvent, &comctl32_TrackMouseEvent}) {
    TRACKMOUSEEVENT e;
    e.cbSize = 12;
    e.dwFlags = TME_LEAVE;
    e.hwndTrack = top;
    SetLastError(0);
    EXPECT_FALSE(track_fn(&e));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    e.cbSize = sizeof e;
    e.hwndTrack = HWND{0x4242};
    EXPECT_FALSE(track_fn(&e));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    e.hwndTrack = top;
    e.dwFlags = TME_HOVER;  // hover notifications are not offered
    EXPECT_FALSE(track_fn(&e));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(track_fn(nullptr));
    e.dwFlags = TME_LEAVE;
    EXPECT_TRUE(track_fn(&e));
  }
}

}  // namespace
}  // namespace win::test
