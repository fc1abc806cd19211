// Keys: targets, lParam bits, auto-repeat paced by the clock.
#include "platform/win/user/presenter.h"
#include "tests/platform/win/user/input_fixture.h"

namespace win::test {
namespace {

using Keyboard = InputTest;

TEST_F(Keyboard, KeysGoToTheFocusOrElseTheTopmostWindowWithWindowsBits) {
  const HWND back = make_top(0, 0, 50, 50);
  const HWND front = make_top(0, 0, 50, 50);
  const HWND child = make_child(back, 0, 0, 10, 10);
  settle();
  deliver_key('A', KeyAction::Down);
  deliver_key('A', KeyAction::Up);
  deliver_key('B', KeyAction::Up);  // never pressed: nothing
  SetFocus(child);
  deliver_key(VK_RETURN, KeyAction::Down);
  deliver_key(VK_RETURN, KeyAction::Down);  // reported again: a repeat
  deliver_key(VK_RETURN, KeyAction::Up);
  drain();
  EXPECT_EQ(of(WM_KEYDOWN, front).size(), 1u);
  EXPECT_EQ(of(WM_KEYUP, front).size(), 1u);
  const auto downs = of(WM_KEYDOWN, child);
  const auto ups = of(WM_KEYUP, child);
  ASSERT_EQ(downs.size(), 2u);
  ASSERT_EQ(ups.size(), 1u);
  EXPECT_EQ(downs[0].wparam, static_cast<WPARAM>(VK_RETURN));
  EXPECT_EQ(static_cast<DWORD>(downs[0].lparam), 0x00000001u);
  EXPECT_EQ(static_cast<DWORD>(downs[1].lparam), 0x40000001u);
  EXPECT_EQ(static_cast<DWORD>(ups[0].lparam), 0xC0000001u);
}

TEST_F(Keyboard, AHeldKeyRepeatsAfterTheDelayAtTheIntervalByTheClock) {
  const HWND top = make_top(0, 0, 50, 50);
  settle();
  const std::int64_t start = m_clock.now_ms();
  deliver_key('X', KeyAction::Down);
  drain();
  EXPECT_EQ(of(WM_KEYDOWN).size(), 1u);
  m_clock.advance(499);
  drain();
  EXPECT_EQ(of(WM_KEYDOWN).size(), 1u);
  // The message loop sleeps exactly until the repeat is due.
  MSG m;
  ASSERT_EQ(GetMessageA(&m, {}, 0, 0), 1);
  EXPECT_EQ(m.message, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(static_cast<DWORD>(m.lParam), 0x40000001u);
  EXPECT_EQ(m_clock.now_ms(), start + 500);
  ASSERT_EQ(GetMessageA(&m, {}, 0, 0), 1);
  EXPECT_EQ(m_clock.now_ms(), start + 533);
  // A program that kept the loop away for long gets one repeat, not a burst.
  m_clock.advance(1000);
  drain();
  EXPECT_EQ(of(WM_KEYDOWN).size(), 2u);
  m_clock.advance(32);
  drain();
  EXPECT_EQ(of(WM_KEYDOWN).size(), 2u);
  m_clock.advance(1);
  drain();
  EXPECT_EQ(of(WM_KEYDOWN).size(), 3u);

  // Only the key pressed last repeats, and none once it is up.
  deliver_key('Y', KeyAction::Down);
  m_clock.advance(500);
  drain();
  std::vector<WPARAM> keys;
  for (const auto& d : of(WM_KEYDOWN)) keys.push_back(d.wparam);
  EXPECT_EQ(keys, (std::vector<WPARAM>{'X', 'X', 'X', 'Y', 'Y'}));
  deliver_key('Y', KeyAction::Up);
  m_clock.advance(5000);
  drain();
  EXPECT_EQ(of(WM_KEYDOWN).size(), 5u);
  (void)top;
}

class RepeatingDisplay final : public Presenter {
 public:
  void present(HWND, const Surface&, POINT) override {}
  void wait_for_events(std::int64_t, bool) override {}
  bool repeats_keys() const override { return true; }
};

TEST_F(Keyboard, ADisplayThatRepeatsKeysItselfIsNotDoubled) {
  make_top(0, 0, 50, 50);
  RepeatingDisplay display;
  set_presenter(&display);
  settle();
  deliver_key(VK_SPACE, KeyAction::Down);
  m_clock.advance(2000);
  drain();
  EXPECT_EQ(of(WM_KEYDOWN).size(), 1u);
  deliver_key(VK_SPACE, KeyAction::Down);
  drain();
  ASSERT_EQ(of(WM_KEYDOWN).size(), 2u);
  EXPECT_EQ(static_cast<DWORD>(of(WM_KEYDOWN)[1].lparam), 0x40000001u);
  deliver_key(VK_SPACE, KeyAction::Up);
  set_presenter(nullptr);
}

}  // namespace
}  // namespace win::test
