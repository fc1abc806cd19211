// The control's window callback on a live window: what the restore wires up,
// what each intercepted message does, and what termination undoes.
#include <gtest/gtest.h>

#include "platform/win/kernel/handles.h"
#include "platform/win/kernel/memory.h"
#include "platform/win/user/paint.h"
#include "subclass/thunk_block.h"
#include "tests/candybutton/live_button.h"

namespace candy::live {
namespace {

class WindowCallback : public LiveButton {
 protected:
  const subclass::ThunkBlock& thunk() const {
    return *reinterpret_cast<const subclass::ThunkBlock*>(static_cast<std::uintptr_t>(block()));
  }
};

TEST_F(WindowCallback, RestoreInRunModeRoutesThreeMessagesToTheLastMethodThroughALowOwner) {
  CandyButton& b = make();
  ASSERT_NE(block(), 0u);
  const auto& t = thunk();
  EXPECT_EQ(t.window, m_control->hWnd().value);
  EXPECT_EQ(t.user_value, 0);
  EXPECT_EQ(t.callback, subclass::callback_entry_address(b, 1));
  EXPECT_LT(t.owner, 0x80000000u);
  EXPECT_EQ(
      *reinterpret_cast<subclass::SubclassOwner* const*>(static_cast<std::uintptr_t>(t.owner)),
      static_cast<subclass::SubclassOwner*>(&b));
  EXPECT_EQ(t.before.count, 1);
  EXPECT_EQ(t.before.messages[0], win::WM_PAINT);
  EXPECT_EQ(t.after.count, 2);
  EXPECT_EQ(t.after.messages[0], win::WM_MOUSEMOVE);
  EXPECT_EQ(t.after.messages[1], win::WM_MOUSELEAVE);
  EXPECT_EQ(CandyButtonInspector::track_in_user32(b), kTrue);
}

TEST_F(WindowCallback, EveryPaintRebuildsTheRegionFirst) {
  make();
  log_regions = true;
  win::InvalidateRect(m_control->hWnd(), nullptr, 0);
  drain();
  EXPECT_EQ(take(), (Log{"region"}));
  drain();
  EXPECT_EQ(take(), Log{});
}

TEST_F(WindowCallback, InADesignerNothingIsLookedUpOrIntercepted) {
  container.user_mode = false;
  const win::LONG procedure = win::GetWindowLongA(m_control->hWnd(), win::GWL_WNDPROC);
  CandyButton& b = make();
  EXPECT_EQ(block(), 0u);
  EXPECT_EQ(win::GetWindowLongA(m_control->hWnd(), win::GWL_WNDPROC), procedure);
  EXPECT_EQ(CandyButtonInspector::track_available(b), kFalse);
  move(5, 5);
  EXPECT_EQ(take(), Log{});
}

TEST_F(WindowCallback, TerminationGivesTheWindowBackAndFreesItsBlock) {
  const win::LONG procedure = win::GetWindowLongA(m_control->hWnd(), win::GWL_WNDPROC);
  const auto allocations = win::live_virtual_allocations();
  const auto regions = win::live_objects(win::ObjectKind::Region);
  forms::PropertyBag bag;
  bag.write("Style", std::int32_t{3});
  make(bag);
  EXPECT_NE(win::GetWindowLongA(m_control->hWnd(), win::GWL_WNDPROC), procedure);
  move(5, 5);
  m_control->set_events(nullptr);
  button.reset();
  EXPECT_EQ(win::live_objects(win::ObjectKind::Region), regions);
  // The block frees itself once the next message has passed through it.
  move(6, 6);
  EXPECT_EQ(win::GetWindowLongA(m_control->hWnd(), win::GWL_WNDPROC), procedure);
  EXPECT_EQ(win::live_virtual_allocations(), allocations);
  move(-5, 5);
  EXPECT_EQ(take(), (Log{"MouseEnter"}));
}

}  // namespace
}  // namespace candy::live
