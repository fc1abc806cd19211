// The button's behaviour under real pointer and key input: one test per row
// of the interaction table, plus the checked and disabled buttons.
#include <gtest/gtest.h>

#include "platform/win/user/cursor.h"
#include "platform/win/user/focus.h"
#include "tests/candybutton/live_button.h"

namespace candy::live {
namespace {

using win::MouseButton;

class Interaction : public LiveButton {};

TEST_F(Interaction, EnteringNeedsAPointStrictlyInsideAndHappensOnce) {
  make();
  move(0, 10);
  move(10, 0);
  EXPECT_EQ(take(), Log{});
  move(1, 10);
  EXPECT_EQ(take(), (Log{"MouseEnter", "paint 3"}));
  move(30, 15);
  move(59, 29);
  EXPECT_EQ(take(), Log{});
  move(-5, 10);
  EXPECT_EQ(take(), (Log{"MouseLeave", "paint 0"}));
  move(1, 1);
  EXPECT_EQ(take(), (Log{"MouseEnter", "paint 3"}));
}

TEST_F(Interaction, ALeftDragEntersOnlyWithAnotherKeyHeld) {
  make();
  // A press where no window is takes no capture, so the drag reaches the button.
  win::deliver_mouse_move(0, 0);
  press();
  move(5, 5);
  move(6, 6);
  EXPECT_EQ(take(), Log{});
  key(win::VK_SHIFT, win::KeyAction::Down);
  move(7, 7);
  EXPECT_EQ(take(), (Log{"MouseEnter", "paint 3"}));
}

TEST_F(Interaction, ALeftDragOutRestsAtEveryMoveOutsideAndDoesNotComeBack) {
  make();
  move(5, 5);
  EXPECT_EQ(take(), (Log{"MouseEnter", "paint 3"}));
  press();
  EXPECT_EQ(take(), (Log{"paint 1", "MouseDown 1 0 5 5"}));
  move(kWidth, 5);  // the right edge counts as inside
  move(5, kHeight);
  EXPECT_EQ(take(), Log{});
  move(kWidth + 1, 5);
  move(-1, 5);
  move(5, kHeight + 3);
  EXPECT_EQ(take(), (Log{"paint 0", "paint 0", "paint 0"}));
  move(5, 5);
  EXPECT_EQ(take(), Log{});
  release();
  EXPECT_EQ(take(), (Log{"paint 2", "MouseUp 1 0 5 5", "Click"}));
  move(6, 5);
  EXPECT_EQ(take(), (Log{"MouseEnter", "paint 3"}));
}

TEST_F(Interaction, MovesReachTheContainerBeforeTheEntry) {
  make();
  events.log_moves = true;
  key(win::VK_SHIFT, win::KeyAction::Down);
  move(3, 4);
  EXPECT_EQ(take(), (Log{"MouseMove 0 1 3 4", "MouseEnter", "paint 3"}));
}

TEST_F(Interaction, ARightPressAndReleaseRaiseNoClick) {
  make();
  move(5, 5);
  take();
  press(MouseButton::Right);
  release(MouseButton::Right);
  EXPECT_EQ(take(), (Log{"paint 1", "MouseDown 2 0 5 5", "paint 3", "MouseUp 2 0 5 5"}));
}

TEST_F(Interaction, AReleaseWithoutFocusOrMouseOverRepaintsNothing) {
  make();
  move(5, 5);
  press();
  move(-3, 5);
  win::SetFocus({});
  take();
  release();
  EXPECT_EQ(take(), (Log{"MouseUp 1 0 -3 5", "MouseLeave", "paint 0"}));
}

TEST_F(Interaction, DoubleClickPressesAndTheSecondReleaseRaisesNoClick) {
  make();
  move(5, 5);
  take();
  press();
  release();
  press();
  release();
  EXPECT_EQ(take(), (Log{"paint 1", "MouseDown 1 0 5 5", "paint 3", "MouseUp 1 0 5 5", "Click",
                         "paint 1", "DblClick", "paint 3", "MouseUp 1 0 5 5"}));
}

TEST_F(Interaction, EnterPressesAndReleasesLikeTheLeftButtonAndClicks) {
  make();
  key(win::VK_TAB, win::KeyAction::Down);
  key(win::VK_TAB, win::KeyAction::Up);
  EXPECT_EQ(win::GetFocus(), m_control->hWnd());
  EXPECT_EQ(take(), (Log{"paint 2"}));
  key(win::VK_RETURN, win::KeyAction::Down);
  EXPECT_EQ(take(), (Log{"paint 1", "MouseDown 1 0 0 0"}));
  wait(500);  // held: the first repeat presses again
  EXPECT_EQ(take(), (Log{"paint 1", "MouseDown 1 0 0 0"}));
  key(win::VK_RETURN, win::KeyAction::Up);
  EXPECT_EQ(take(), (Log{"paint 2", "MouseUp 1 0 0 0", "Click"}));
  key(' ', win::KeyAction::Down);
  key(' ', win::KeyAction::Up);
  EXPECT_EQ(take(), Log{});
}

TEST_F(Interaction, FocusFollowsClicksAndLosingItRestsEvenUnderTheMouse) {
  make();
  move(5, 5);
  press();
  release();
  EXPECT_EQ(win::GetFocus(), m_control->hWnd());
  take();
  win::SetFocus({});
  EXPECT_EQ(take(), (Log{"paint 0"}));
  move(-2, 5);
  EXPECT_EQ(take(), (Log{"MouseLeave", "paint 0"}));
  win::SetFocus(m_control->hWnd());
  EXPECT_EQ(take(), (Log{"paint 2"}));
  move(5, 5);
  move(-2, 5);
  EXPECT_EQ(take(), (Log{"MouseEnter", "paint 3", "MouseLeave", "paint 2"}));
}

TEST_F(Interaction, ACheckedButtonKeepsItsLookAndStillClicks) {
  forms::PropertyBag bag;
  bag.write("Checked", forms::Flag{true});
  CandyButton& b = make(bag);
  move(5, 5);
  EXPECT_EQ(take(), (Log{"MouseEnter", "paint 4"}));
  press();
  release();
  EXPECT_EQ(take(), (Log{"paint 4", "MouseDown 1 0 5 5", "MouseUp 1 0 5 5", "Click"}));
  win::SetFocus({});
  win::SetFocus(m_control->hWnd());
  move(-2, 5);
  EXPECT_EQ(take(), (Log{"MouseLeave"}));
  EXPECT_TRUE(b.Checked());
}

TEST_F(Interaction, ADisabledButtonOnlyEntersAndLeaves) {
  forms::PropertyBag bag;
  bag.write("Enabled", forms::Flag{false});
  make(bag);
  events.log_moves = true;
  move(5, 5);
  EXPECT_EQ(take(), (Log{"MouseEnter", "paint 3"}));
  press();
  release();
  press();
  release();
  key(win::VK_RETURN, win::KeyAction::Down);
  key(win::VK_RETURN, win::KeyAction::Up);
  EXPECT_EQ(take(), Log{});
  // The click still gave it the focus, so leaving shows the focused look.
  move(-2, 5);
  EXPECT_EQ(take(), (Log{"MouseLeave", "paint 2"}));
}

TEST_F(Interaction, DisplayHandShowsTheHandOverTheWholeButton) {
  forms::PropertyBag bag;
  bag.write("DisplayHand", forms::Flag{true});
  make(bag);
  move(5, 5);
  EXPECT_EQ(win::pointer_shape(win::cursor_for_pointer()), win::PointerShape::Hand);
  move(-5, 5);
  EXPECT_EQ(win::pointer_shape(win::cursor_for_pointer()), win::PointerShape::Arrow);
}

}  // namespace
}  // namespace candy::live
