// Fills, copies and vertical lines over whole rows take a shortcut when no
// clip is set; each must leave what the row-by-row rule leaves: a block
// partly off the surface, a copy whose source runs out, a copy of a surface
// onto itself, and the same calls under a clip.
#include <gtest/gtest.h>

#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/region.h"
#include "platform/win/gdi/solid_line.h"
#include "platform/win/user/fill_rect.h"
#include "tests/platform/win/gdi/memory_dc.h"

namespace win {
namespace {

constexpr int kW = 6, kH = 5;

// The source: a different colour at every pixel.
void paint_source(const MemoryDc& m) {
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) SetPixelV(m.dc, x, y, COLORREF(0x010000 * y + 0x100 * x + 7));
}

TEST(BlockOps, WholeRowFillsMatchTheRowRule) {
  MemoryDc m(kW, kH, 0);
  const HBRUSH brush = CreateSolidBrush(0x00ABCD);
  const RECT box{-3, -2, kW + 4, 3};
  FillRect(m.dc, &box, brush);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      ASSERT_EQ(m.pixels().at(x, y), y < 3 ? 0x00ABCDu : 0u) << x << "," << y;
  // Under a clip only its pixels change.
  const Region clip = Region::rect(1, 0, 3, kH);
  dc_from_handle(m.dc)->clip = &clip;
  const HBRUSH other = CreateSolidBrush(0x111111);
  const RECT all{0, 0, kW, kH};
  FillRect(m.dc, &all, other);
  dc_from_handle(m.dc)->clip = nullptr;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const COLORREF want = x >= 1 && x < 3 ? 0x111111u : y < 3 ? 0x00ABCDu : 0u;
      ASSERT_EQ(m.pixels().at(x, y), want) << x << "," << y;
    }
  DeleteObject(brush);
  DeleteObject(other);
}

TEST(BlockOps, WholeRowCopiesTakeOnlyRowsTheSourceHas) {
  MemoryDc src(kW, kH, 0), dst(kW, kH, 0x999999);
  paint_source(src);
  // Destination rows 0 .. 4 from source rows 2 .. 6: the last two are missing.
  EXPECT_TRUE(BitBlt(dst.dc, 0, 0, kW, kH, src.dc, 0, 2, SRCCOPY));
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const COLORREF want = y + 2 < kH ? src.pixels().at(x, y + 2) : 0x999999u;
      ASSERT_EQ(dst.pixels().at(x, y), want) << x << "," << y;
    }
  // Starting above the surface: destination row 0 gets source row 1.
  EXPECT_TRUE(BitBlt(dst.dc, 0, -1, kW, kH + 3, src.dc, 0, 0, SRCCOPY));
  for (int y = 0; y < kH - 1; ++y)
    for (int x = 0; x < kW; ++x)
      ASSERT_EQ(dst.pixels().at(x, y), src.pixels().at(x, y + 1)) << x << "," << y;
}

TEST(BlockOps, ASurfaceCopiedOntoItself) {
  MemoryDc m(kW, kH, 0);
  paint_source(m);
  const Surface before = m.pixels();
  EXPECT_TRUE(BitBlt(m.dc, 0, 0, kW, kH, m.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(m.pixels().pixels, before.pixels);
  // Shifted down a row, it still reads the rows as they were.
  EXPECT_TRUE(BitBlt(m.dc, 0, 1, kW, kH, m.dc, 0, 0, SRCCOPY));
  for (int y = 1; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      ASSERT_EQ(m.pixels().at(x, y), before.at(x, y - 1)) << x << "," << y;
}

TEST(BlockOps, VerticalLinesLeaveOutTheirEndEitherWay) {
  MemoryDc m(kW, kH, 0);
  DrawSolidLine(m.dc, 1, -3, 1, 3, 0x0000FF);  // rows 0 .. 2
  DrawSolidLine(m.dc, 4, 9, 4, 1, 0x00FF00);   // rows 4 .. 2, from below the surface
  DrawSolidLine(m.dc, 9, 0, 9, 4, 0xFF0000);   // off the surface
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const COLORREF want = x == 1 && y <= 2 ? 0x0000FFu : x == 4 && y >= 2 ? 0x00FF00u : 0u;
      ASSERT_EQ(m.pixels().at(x, y), want) << x << "," << y;
    }
}

}  // namespace
}  // namespace win
