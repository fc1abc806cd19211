#include "platform/win/compose.h"

#include "platform/win/window_object.h"
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
