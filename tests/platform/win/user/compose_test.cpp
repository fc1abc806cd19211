#include "platform/win/user/compose.h"

#include "platform/win/user/input.h"
#include "platform/win/user/paint.h"
#include "platform/win/gdi/region.h"
#include "platform/win/user/window_object.h"
#include "recorder.h"

namespace win::test {
namespace {

using Composition = WindowTest;

// One character a pixel: the digit of the window whose colour shows there.
std::vector<std::string> picture(const Surface& s) {
  std::vector<std::string> rows;
  for (int y = 0; y < s.height; ++y) {
    std::string row;
    for (int x = 0; x < s.width; ++x) row += static_cast<char>('0' + s.at(x, y));
    rows.push_back(row);
  }
  return rows;
}

void paint_solid(HWND hwnd, COLORREF c) { find_window(hwnd)->surface.fill(c); }

TEST_F(Composition, ChildrenStackInZOrderInsideTheirParents) {
  const HWND top = make_top(50, 50, 6, 4);
  paint_solid(top, 1);
  const HWND a = make_child(top, 1, 1, 3, 2);
  paint_solid(a, 2);
  const HWND b = make_child(top, 3, 0, 5, 2);  // overhangs the right edge
  paint_solid(b, 3);
  const HWND grandchild = make_child(a, -1, 1, 3, 3);  // clipped by a
  paint_solid(grandchild, 4);
  EXPECT_EQ(picture(compose_screen(top)), (std::vector<std::string>{
                                              "111333",
                                              "122333",
                                              "144211",
                                              "111111",
                                          }));
  SetWindowPos(b, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ShowWindow(grandchild, SW_HIDE);
  EXPECT_EQ(picture(compose_screen(top)), (std::vector<std::string>{
                                              "111333",
                                              "122233",
                                              "122211",
                                              "111111",
                                          }));
  EXPECT_TRUE(compose_screen(HWND{77}).pixels.empty());
}

}  // namespace
}  // namespace win::test

namespace win::test {
namespace {

TEST_F(Composition, WindowRegionsClipTheImageAndTheMouse) {
  const HWND top = make_top(10, 10, 5, 3);
  paint_solid(top, 1);
  const HWND child = make_child(top, 1, 0, 4, 3);
  paint_solid(child, 2);
  SetWindowRgn(child, CreateRectRgn(1, 1, 3, 9), FALSE);
  SetWindowRgn(top, CreateRectRgn(0, 0, 5, 2), FALSE);
  EXPECT_EQ(picture(compose_screen(top)), (std::vector<std::string>{
                                              "11111",
                                              "11221",
                                              "00000",
                                          }));
  EXPECT_EQ(WindowFromPoint({12, 11}), child);
  EXPECT_EQ(WindowFromPoint({11, 11}), top);  // inside the child's box, outside its region
  EXPECT_EQ(WindowFromPoint({12, 12}), HWND{});
  EXPECT_EQ(WindowFromPoint({INT32_MAX, INT32_MIN}), HWND{});
}

TEST_F(Composition, KeysGoToTheFocusedWindow) {
  const HWND top = make_top(0, 0, 50, 50);
  const HWND a = make_child(top, 0, 0, 10, 10);
  const HWND b = make_child(top, 10, 0, 10, 10);
  drain();
  recorder_log().messages.clear();
  EXPECT_EQ(SetFocus(a), HWND{});
  EXPECT_EQ(SetFocus(b), a);
  EXPECT_EQ(recorder_log().count(WM_KILLFOCUS, a), 1);
  EXPECT_EQ(recorder_log().count(WM_SETFOCUS, b), 1);
  deliver_key('A', KeyAction::Down);
  deliver_key('A', KeyAction::Up);
  drain();
  EXPECT_EQ(recorder_log().count(WM_KEYDOWN, b), 1);
  EXPECT_EQ(recorder_log().count(WM_KEYUP, b), 1);
  DestroyWindow(b);
  EXPECT_EQ(GetFocus(), HWND{});
}

}  // namespace
}  // namespace win::test
