// Capture: a press keeps the mouse for its window until the last button is
// let go; SetCapture keeps it until ReleaseCapture.
#include "tests/platform/win/user/input_fixture.h"

namespace win::test {
namespace {

using Capture = InputTest;

TEST_F(Capture, ADragOutKeepsReportingToThePressedWindowWithOutsideCoordinates) {
  const HWND top = make_top(100, 100, 100, 100);
  const HWND button = make_child(top, 10, 10, 20, 20);
  const HWND other = make_child(top, 50, 10, 20, 20);
  settle();
  deliver_mouse_move(115, 115);
  deliver_mouse_button(MouseButton::Left, ButtonAction::Press);
  EXPECT_EQ(GetCapture(), button);
  deliver_mouse_move(105, 100);       // onto the parent, above and left of the button
  deliver_mouse_move(160, 115);       // over the other child
  deliver_mouse_move(-40000, 50000);  // beyond the 16-bit range
  deliver_mouse_button(MouseButton::Left, ButtonAction::Release);
  EXPECT_EQ(GetCapture(), HWND{});
  deliver_mouse_move(160, 116);
  drain();
  const auto moves = of(WM_MOUSEMOVE);
  ASSERT_EQ(moves.size(), 5u);
  for (int i = 1; i < 4; ++i) {
    EXPECT_EQ(moves[i].hwnd, button);
    EXPECT_EQ(moves[i].wparam, MK_LBUTTON);  // 1: what the button's drag-out test looks for
  }
  EXPECT_EQ(GET_X_LPARAM(moves[1].lparam), -5);
  EXPECT_EQ(GET_Y_LPARAM(moves[1].lparam), -10);
  EXPECT_EQ(GET_X_LPARAM(moves[2].lparam), 50);
  EXPECT_EQ(GET_X_LPARAM(moves[3].lparam), -32768);
  EXPECT_EQ(GET_Y_LPARAM(moves[3].lparam), 32767);
  EXPECT_EQ(of(WM_LBUTTONUP).at(0).hwnd, button);
  EXPECT_EQ(moves[4].hwnd, other);
  EXPECT_EQ(recorder_log().count(WM_CAPTURECHANGED), 0);  // the press's own capture ends silently
}

TEST_F(Capture, LastsUntilTheLastButtonIsLetGo) {
  const HWND top = make_top(0, 0, 100, 100);
  const HWND a = make_child(top, 0, 0, 10, 10);
  const HWND b = make_child(top, 50, 0, 10, 10);
  settle();
  deliver_mouse_move(5, 5);
  deliver_mouse_button(MouseButton::Left, ButtonAction::Press);
  deliver_mouse_move(55, 5);
  deliver_mouse_button(MouseButton::Right, ButtonAction::Press);  // still to the captured window
  deliver_mouse_button(MouseButton::Left, ButtonAction::Release);
  EXPECT_EQ(GetCapture(), a);
  deliver_mouse_button(MouseButton::Right, ButtonAction::Release);
  EXPECT_EQ(GetCapture(), HWND{});
  drain();
  EXPECT_EQ(of(WM_RBUTTONDOWN).at(0).hwnd, a);
  EXPECT_EQ(of(WM_RBUTTONUP).at(0).hwnd, a);
  EXPECT_EQ(recorder_log().sequence(b), std::vector<UINT>{});
}

TEST_F(Capture, SetCaptureOutlivesTheButtonAndTellsTheWindowThatLosesIt) {
  const HWND top = make_top(0, 0, 100, 100);
  const HWND a = make_child(top, 0, 0, 10, 10);
  const HWND b = make_child(top, 50, 0, 10, 10);
  settle();
  EXPECT_EQ(SetCapture(a), HWND{});
  click_at(55, 5);
  deliver_mouse_move(56, 5);
  EXPECT_EQ(GetCapture(), a);
  EXPECT_EQ(SetCapture(b), a);
  ASSERT_EQ(of(WM_CAPTURECHANGED).size(), 1u);
  EXPECT_EQ(of(WM_CAPTURECHANGED)[0].hwnd, a);
  EXPECT_EQ(of(WM_CAPTURECHANGED)[0].lparam, static_cast<LPARAM>(b.value));
  EXPECT_TRUE(ReleaseCapture());
  EXPECT_EQ(of(WM_CAPTURECHANGED).at(1).hwnd, b);
  EXPECT_EQ(of(WM_CAPTURECHANGED)[1].lparam, 0);
  EXPECT_EQ(GetCapture(), HWND{});
  drain();
  EXPECT_EQ(recorder_log().count(WM_MOUSEMOVE, a), 2);
  EXPECT_EQ(recorder_log().count(WM_LBUTTONDOWN, a), 1);
  EXPECT_EQ(recorder_log().count(WM_LBUTTONDOWN, b), 0);

  SetLastError(0);
  EXPECT_EQ(SetCapture(HWND{0x7777}), HWND{});
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(GetCapture(), HWND{});
}

TEST_F(Capture, ADestroyedCaptureWindowFreesTheMouse) {
  const HWND top = make_top(0, 0, 100, 100);
  const HWND a = make_child(top, 0, 0, 10, 10);
  settle();
  deliver_mouse_move(5, 5);
  deliver_mouse_button(MouseButton::Left, ButtonAction::Press);
  DestroyWindow(a);
  EXPECT_EQ(GetCapture(), HWND{});
  deliver_mouse_move(6, 5);
  deliver_mouse_button(MouseButton::Left, ButtonAction::Release);
  drain();
  EXPECT_EQ(recorder_log().count(WM_MOUSEMOVE, top), 1);
  EXPECT_EQ(recorder_log().count(WM_LBUTTONUP, top), 1);
}

}  // namespace
}  // namespace win::test
