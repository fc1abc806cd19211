// Mouse routing: hit-testing, coordinates and flags, double clicks.
#include "platform/win/user/input.h"

#include "platform/win/user/cursor.h"
#include "platform/win/user/paint.h"
#include "platform/win/gdi/region.h"
#include "tests/platform/win/user/input_fixture.h"

namespace win::test {
namespace {

using MouseRouting = InputTest;

TEST_F(MouseRouting, TheTopmostShownEnabledWindowInsideItsRegionGetsTheClick) {
  const HWND top = make_top(100, 100, 60, 40);
  const HWND below = make_child(top, 0, 0, 30, 30);
  const HWND above = make_child(top, 10, 10, 30, 30);
  // A rounded window: its top-left corner pixel is cut away.
  SetWindowRgn(above, CreateRoundRectRgn(0, 0, 31, 31, 10, 10), FALSE);
  const HWND hidden = make_child(top, 40, 0, 10, 10, 0);
  const HWND disabled = make_child(top, 50, 0, 10, 10, WS_VISIBLE | WS_DISABLED);
  settle();

  const struct {
    POINT at;
    HWND receiver;
  } cases[] = {
      {{110, 110}, below},  // the cut corner of the upper window
      {{120, 120}, above}, {{105, 105}, below}, {{145, 105}, top},  // under the hidden window
      {{155, 105}, {}},  // a disabled window takes no input
      {{170, 105}, {}},  // outside every window
  };
  for (const auto& c : cases) {
    settle();
    click_at(c.at.x, c.at.y);
    drain();
    const auto downs = of(WM_LBUTTONDOWN);
    if (!c.receiver) {
      EXPECT_TRUE(downs.empty()) << c.at.x << "," << c.at.y;
      continue;
    }
    ASSERT_EQ(downs.size(), 1u) << c.at.x << "," << c.at.y;
    EXPECT_EQ(downs[0].hwnd, c.receiver) << c.at.x << "," << c.at.y;
    deliver_mouse_move(0, 0);  // no double click with the next case
  }
  (void)hidden;
  (void)disabled;
}

TEST_F(MouseRouting, WParamCarriesButtonsAndModifiersAndLParamTheClientPoint) {
  const HWND top = make_top(10, 10, 50, 50);
  const HWND child = make_child(top, 5, 5, 10, 10);
  settle();
  deliver_mouse_move(17, 16);
  deliver_key(VK_SHIFT, KeyAction::Down);
  deliver_mouse_button(MouseButton::Left, ButtonAction::Press);
  deliver_mouse_move(18, 16);
  deliver_key(VK_CONTROL, KeyAction::Down);
  deliver_mouse_button(MouseButton::Right, ButtonAction::Press);
  deliver_mouse_button(MouseButton::Left, ButtonAction::Release);
  deliver_key(VK_SHIFT, KeyAction::Up);
  deliver_key(VK_CONTROL, KeyAction::Up);
  deliver_mouse_button(MouseButton::Right, ButtonAction::Release);
  drain();
  std::vector<std::pair<UINT, WPARAM>> seen;
  for (const auto& m : recorder_log().messages) {
    if (m.hwnd != child) continue;
    if (m.message >= WM_MOUSEMOVE && m.message <= WM_MBUTTONDBLCLK)
      seen.emplace_back(m.message, m.wparam);
  }
  EXPECT_EQ(of(WM_LBUTTONDOWN, child).at(0).lparam, MAKELPARAM(2, 1));
  EXPECT_EQ(of(WM_RBUTTONDOWN, child).at(0).lparam, MAKELPARAM(3, 1));
  EXPECT_EQ(seen, (std::vector<std::pair<UINT, WPARAM>>{
                      {WM_MOUSEMOVE, 0},
                      {WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT},
                      {WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT},  // 5
                      {WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON | MK_SHIFT | MK_CONTROL},
                      {WM_LBUTTONUP, MK_RBUTTON | MK_SHIFT | MK_CONTROL},
                      {WM_RBUTTONUP, 0},
                  }));
}

const char* plain_class() {
  static const bool registered = [] {
    WNDCLASSA wc;
    wc.lpfnWndProc = recorder_proc;
    wc.lpszClassName = "PlainRecorder";
    return RegisterClassA(&wc) != 0;
  }();
  EXPECT_TRUE(registered);
  return "PlainRecorder";
}

TEST_F(MouseRouting, ASecondPressCloseInTimeAndPlaceIsADoubleClick) {
  const HWND top = make_top(0, 0, 100, 100);
  const HWND a = make_child(top, 0, 0, 50, 100);
  const HWND b = make_child(top, 50, 0, 50, 100);
  const HWND plain =
      CreateWindowExA(0, plain_class(), "", WS_POPUP | WS_VISIBLE, 200, 0, 50, 50, {});
  m_windows.push_back(plain);
  const struct {
    const char* name;
    POINT second;
    std::int64_t pause_ms;
    MouseButton second_button;
    UINT expected;
  } cases[] = {
      {"same place", {20, 20}, 0, MouseButton::Left, WM_LBUTTONDBLCLK},
      {"at the time limit", {20, 20}, 500, MouseButton::Left, WM_LBUTTONDBLCLK},
      {"too late", {20, 20}, 501, MouseButton::Left, WM_LBUTTONDOWN},
      {"inside the box", {22, 18}, 0, MouseButton::Left, WM_LBUTTONDBLCLK},
      {"outside the box", {23, 20}, 0, MouseButton::Left, WM_LBUTTONDOWN},
      {"other button", {20, 20}, 0, MouseButton::Right, WM_RBUTTONDOWN},
      {"right twice", {20, 20}, 0, MouseButton::Right, WM_RBUTTONDOWN},
  };
  for (const auto& c : cases) {
    const MouseButton first =
        std::string(c.name) == "right twice" ? MouseButton::Right : MouseButton::Left;
    const UINT expected = std::string(c.name) == "right twice" ? WM_RBUTTONDBLCLK : c.expected;
    m_clock.advance(10000);
    settle();
    click_at(20, 20, first);
    m_clock.advance(c.pause_ms);
    click_at(c.second.x, c.second.y, c.second_button);
    drain();
    const auto seq = recorder_log().sequence(a);
    ASSERT_GE(seq.size(), 3u) << c.name;
    EXPECT_EQ(seq[seq.size() - 2], expected) << c.name;
  }

  // Down, up, dblclk, up; the third press starts over.
  m_clock.advance(10000);
  settle();
  click_at(20, 20);
  click_at(20, 20);
  click_at(20, 20);
  drain();
  auto buttons = [](HWND hwnd) {
    std::vector<UINT> out;
    for (UINT m : recorder_log().sequence(hwnd)) {
      if (m != WM_MOUSEMOVE) out.push_back(m);
    }
    return out;
  };
  EXPECT_EQ(buttons(a), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                                           WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}));

  // Two windows side by side: one press each is no double click.
  m_clock.advance(10000);
  settle();
  click_at(49, 20);
  click_at(50, 20);
  drain();
  EXPECT_EQ(buttons(b), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));

  // A class without CS_DBLCLKS sees two plain presses.
  m_clock.advance(10000);
  settle();
  click_at(210, 10);
  click_at(210, 10);
  drain();
  EXPECT_EQ(buttons(plain),
            (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}));
  EXPECT_EQ(GetDoubleClickTime(), 500u);
}

TEST_F(MouseRouting, ThePointerShapeIsTheWindowsOwnItsClasssOrItsParents) {
  const HWND top = make_top(0, 0, 100, 100);
  const HWND child = make_child(top, 10, 10, 20, 20);
  const HWND grandchild = make_child(child, 0, 0, 5, 5);
  const HCURSOR arrow = LoadCursorA({}, IDC_ARROW);
  const HCURSOR hand = LoadCursorA({}, IDC_HAND);
  ASSERT_TRUE(arrow && hand && arrow != hand);
  EXPECT_EQ(LoadCursorA({}, IDC_HAND), hand);
  deliver_mouse_move(15, 15);
  EXPECT_EQ(cursor_for_pointer(), arrow);
  ASSERT_TRUE(set_window_cursor(child, hand));
  EXPECT_EQ(cursor_for_pointer(), hand);
  deliver_mouse_move(11, 11);  // over the grandchild, which shows its parent's
  EXPECT_EQ(cursor_for_pointer(), hand);
  EXPECT_EQ(pointer_shape(cursor_for_pointer()), PointerShape::Hand);
  // Dragged out, the pressed window keeps its pointer.
  deliver_mouse_button(MouseButton::Left, ButtonAction::Press);
  deliver_mouse_move(80, 80);
  EXPECT_EQ(cursor_for_pointer(), hand);
  deliver_mouse_button(MouseButton::Left, ButtonAction::Release);
  EXPECT_EQ(cursor_for_pointer(), arrow);
  EXPECT_FALSE(set_window_cursor(HWND{12345}, hand));
  (void)grandchild;
}

}  // namespace
}  // namespace win::test
