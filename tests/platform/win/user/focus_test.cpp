// Focus: messages in order, focus by click, Tab order.
#include "platform/win/user/focus.h"

#include "tests/platform/win/user/input_fixture.h"

namespace win::test {
namespace {

using Focus = InputTest;

std::vector<std::pair<HWND, UINT>> focus_traffic() {
  std::vector<std::pair<HWND, UINT>> out;
  for (const auto& m : recorder_log().messages) {
    if (m.message == WM_SETFOCUS || m.message == WM_KILLFOCUS || m.message == WM_LBUTTONDOWN) {
      out.emplace_back(m.hwnd, m.message);
    }
  }
  return out;
}

TEST_F(Focus, TheLoserHearsFirstAndEachSideNamesTheOther) {
  const HWND top = make_top(0, 0, 50, 50);
  const HWND a = make_child(top, 0, 0, 10, 10);
  const HWND b = make_child(top, 10, 0, 10, 10);
  settle();
  EXPECT_EQ(SetFocus(a), HWND{});
  EXPECT_EQ(SetFocus(b), a);
  EXPECT_EQ(SetFocus(b), b);  // no messages for the window that has it
  EXPECT_EQ(focus_traffic(), (std::vector<std::pair<HWND, UINT>>{
                                 {a, WM_SETFOCUS}, {a, WM_KILLFOCUS}, {b, WM_SETFOCUS}}));
  EXPECT_EQ(of(WM_KILLFOCUS, a)[0].wparam, static_cast<WPARAM>(b.value));
  EXPECT_EQ(of(WM_SETFOCUS, b)[0].wparam, static_cast<WPARAM>(a.value));
  EXPECT_EQ(GetFocus(), b);
  EXPECT_EQ(SetFocus(HWND{0x5151}), HWND{});
  EXPECT_EQ(GetFocus(), b);
}

TEST_F(Focus, AClickFocusesAShownEnabledTabStopBeforeThePressArrives) {
  const HWND top = make_top(0, 0, 100, 50);
  const HWND stop = make_child(top, 0, 0, 10, 10, WS_VISIBLE | WS_TABSTOP);
  const HWND label = make_child(top, 20, 0, 10, 10);
  const HWND other = make_child(top, 40, 0, 10, 10, WS_VISIBLE | WS_TABSTOP);
  settle();
  click_at(5, 5);
  click_at(25, 5, MouseButton::Right);  // not a tab stop: the focus stays
  drain();
  EXPECT_EQ(GetFocus(), stop);
  EXPECT_EQ(focus_traffic(),
            (std::vector<std::pair<HWND, UINT>>{{stop, WM_SETFOCUS}, {stop, WM_LBUTTONDOWN}}));
  EnableWindow(other, FALSE);
  click_at(45, 5);
  EXPECT_EQ(GetFocus(), stop);
  (void)label;
}

TEST_F(Focus, TabWalksShownEnabledTabStopsByIndexAndWrapsAround) {
  const HWND top = make_top(0, 0, 100, 100);
  const DWORD tab = WS_VISIBLE | WS_TABSTOP;
  const HWND first = make_child(top, 0, 0, 10, 10, tab);
  const HWND hidden = make_child(top, 10, 0, 10, 10, WS_TABSTOP);
  const HWND third = make_child(top, 20, 0, 10, 10, tab);
  const HWND disabled = make_child(top, 30, 0, 10, 10, tab | WS_DISABLED);
  const HWND no_stop = make_child(top, 40, 0, 10, 10);
  const HWND panel = make_child(top, 50, 0, 40, 40);
  const HWND nested = make_child(panel, 0, 0, 10, 10, tab);
  const HWND second = make_child(top, 60, 50, 10, 10, tab);
  SetWindowTabIndex(first, 0);
  SetWindowTabIndex(hidden, 1);
  SetWindowTabIndex(second, 1);  // ties with the hidden one; made later
  SetWindowTabIndex(third, 2);
  SetWindowTabIndex(disabled, 2);
  SetWindowTabIndex(nested, 5);
  EXPECT_EQ(GetWindowTabIndex(nested), 5);
  settle();

  auto tab_key = [] {
    deliver_key(VK_TAB, KeyAction::Down);
    deliver_key(VK_TAB, KeyAction::Up);
    return GetFocus();
  };
  // Nothing focused: Tab starts at the first.
  EXPECT_EQ(tab_key(), first);
  EXPECT_EQ(tab_key(), second);
  EXPECT_EQ(tab_key(), third);
  EXPECT_EQ(tab_key(), nested);
  EXPECT_EQ(tab_key(), first);
  deliver_key(VK_SHIFT, KeyAction::Down);
  EXPECT_EQ(tab_key(), nested);
  EXPECT_EQ(tab_key(), third);
  deliver_key(VK_SHIFT, KeyAction::Up);
  ShowWindow(hidden, SW_SHOW);
  SetFocus(first);
  EXPECT_EQ(tab_key(), hidden);
  EXPECT_EQ(tab_key(), second);
  drain();
  // Tab itself reaches no window; Shift does.
  EXPECT_EQ(recorder_log().count(WM_KEYDOWN), 1);
  EXPECT_EQ(of(WM_KEYDOWN).at(0).wparam, static_cast<WPARAM>(VK_SHIFT));
  EXPECT_EQ(recorder_log().count(WM_KEYUP), 1);
  EXPECT_EQ(recorder_log().count(WM_CHAR), 0);

  EXPECT_FALSE(SetWindowTabIndex(HWND{0x3333}, 1));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  (void)no_stop;
}

}  // namespace
}  // namespace win::test
