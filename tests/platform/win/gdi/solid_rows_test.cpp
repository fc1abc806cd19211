// Rows through one SolidRows must leave what DrawSolidLine leaves for the
// same rows: either direction, zero length, off the surface, with and
// without a clip, and the same final position.
#include <gtest/gtest.h>

#include <array>

#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/region.h"
#include "platform/win/gdi/solid_line.h"
#include "tests/platform/win/gdi/memory_dc.h"

namespace win {
namespace {

struct Row {
  int x1, x2, y;
  COLORREF color;
};

constexpr std::array<Row, 9> kRows{{{0, 20, 0, 0x0000FF},
                                    {20, 0, 1, 0x00FF00},
                                    {5, 5, 2, 0xFF0000},
                                    {-10, 4, 3, 0x123456},
                                    {15, 40, 4, 0x654321},
                                    {3, 6, -1, 0xABCDEF},
                                    {3, 6, 9, 0xABCDEF},
                                    {2, 9, 5, 0x01ABCDEF},  // a palette index, as a pen takes it
                                    {19, 18, 6, 0x777777}}};

void expect_same(const Region* clip) {
  MemoryDc by_line(20, 8, 0x999999), by_rows(20, 8, 0x999999);
  dc_from_handle(by_line.dc)->clip = clip;
  dc_from_handle(by_rows.dc)->clip = clip;
  SolidRows rows(by_rows.dc);
  for (const Row& r : kRows) {
    DrawSolidLine(by_line.dc, r.x1, r.y, r.x2, r.y, r.color);
    rows.line(r.x1, r.x2, r.y, r.color);
    POINT a{}, b{};
    MoveToEx(by_line.dc, 0, 0, &a);
    MoveToEx(by_rows.dc, 0, 0, &b);
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.y, b.y);
    MoveToEx(by_line.dc, a.x, a.y, nullptr);
    MoveToEx(by_rows.dc, b.x, b.y, nullptr);
  }
  dc_from_handle(by_line.dc)->clip = nullptr;
  dc_from_handle(by_rows.dc)->clip = nullptr;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 20; ++x)
      ASSERT_EQ(by_rows.pixels().at(x, y), by_line.pixels().at(x, y)) << x << "," << y;
}

TEST(SolidRows, RowsMatchDrawSolidLine) { expect_same(nullptr); }

TEST(SolidRows, RowsMatchDrawSolidLineUnderAClipOfSeveralRuns) {
  const Region clip = Region::combine(Region::rect(1, 0, 7, 8), Region::rect(10, 2, 17, 6), RGN_OR);
  expect_same(&clip);
}

TEST(SolidRows, AStaleDcDrawsNothing) {
  SolidRows rows(HDC{});
  rows.line(0, 5, 0, 0xFFFFFF);  // must not fail
  SUCCEED();
}

}  // namespace
}  // namespace win
