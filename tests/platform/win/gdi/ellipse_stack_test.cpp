// A stack of filled ellipses must leave exactly what its plain version, one
// null-pen Ellipse per ring in order, leaves: nested rings, rings that are not nested, rings
// past the surface's edges, thin boxes and a clip of several runs a row.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/win/gdi/ellipse_stack.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/region.h"
#include "platform/win/gdi/shape_memo.h"
#include "tests/platform/win/gdi/memory_dc.h"

namespace win {
namespace {

constexpr int kW = 40, kH = 30;

// The same rings drawn by the plain version: one Ellipse call each with a
// brush of the ring's colour.
Surface one_by_one(const std::vector<EllipseRing>& rings, const Region* clip) {
  MemoryDc m(kW, kH, 0x123456);
  dc_from_handle(m.dc)->clip = clip;
  EXPECT_EQ(plain::FillEllipseStack(m.dc, rings), 1);
  dc_from_handle(m.dc)->clip = nullptr;
  return m.pixels();
}

Surface stacked(const std::vector<EllipseRing>& rings, const Region* clip) {
  MemoryDc m(kW, kH, 0x123456);
  dc_from_handle(m.dc)->clip = clip;
  EXPECT_EQ(FillEllipseStack(m.dc, rings), 1);
  // Twice: the second time every shape comes from the DC's memo.
  EXPECT_EQ(FillEllipseStack(m.dc, rings), 1);
  dc_from_handle(m.dc)->clip = nullptr;
  return m.pixels();
}

void expect_same(const std::vector<EllipseRing>& rings, const Region* clip = nullptr) {
  const Surface want = one_by_one(rings, clip);
  const Surface got = stacked(rings, clip);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      ASSERT_EQ(got.at(x, y), want.at(x, y)) << "pixel " << x << "," << y;
}

// A glow as the shaded faces draw it: shrinking boxes, centred low.
std::vector<EllipseRing> glow(int cx, int cy, int rx, int ry, int shrink_x, int shrink_y) {
  std::vector<EllipseRing> rings;
  RECT r{cx - rx, cy - ry, cx + rx, cy + ry};
  for (COLORREF c = 0x000010; !IsRectEmpty(&r); c += 0x030201) {
    rings.push_back({r, c});
    InflateRect(&r, -shrink_x, -shrink_y);
  }
  return rings;
}

TEST(EllipseStack, NestedGlowsMatchOneEllipseAfterAnother) {
  expect_same(glow(20, 30, 60, 18, 3, 1));  // wider than the surface, centred on its bottom edge
  expect_same(glow(20, 15, 12, 9, 1, 1));   // wholly inside
  expect_same(glow(-5, 40, 30, 30, 1, 2));  // mostly off the surface
  expect_same(glow(20, 15, 1, 14, 1, 1));   // one and two pixels across
}

TEST(EllipseStack, RingsThatAreNotNestedMatchToo) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    std::vector<EllipseRing> rings;
    const int count = 1 + int(random() % 6);
    for (int i = 0; i < count; ++i) {
      const LONG l = LONG(random() % 50) - 5, t = LONG(random() % 40) - 5;
      rings.push_back({{l, t, l + LONG(random() % 30) - 3, t + LONG(random() % 25) - 3},
                       COLORREF(random() & 0xFFFFFF)});
    }
    expect_same(rings);
  }
}

// The DC keeps the last stack's shapes: a repaint of the same boxes in other
// colours, or of boxes that differ only at the end, must not draw the old.
TEST(EllipseStack, ARepaintTakesItsOwnColoursAndBoxes) {
  std::vector<EllipseRing> rings = glow(20, 30, 60, 18, 3, 1);
  MemoryDc plain_calls(kW, kH, 0), stacked(kW, kH, 0);
  for (int round = 0; round < 3; ++round) {
    for (EllipseRing& ring : rings) ring.color ^= 0x405060;
    if (round == 2) rings.back().box.bottom += 1;
    ASSERT_EQ(plain::FillEllipseStack(plain_calls.dc, rings), 1);
    ASSERT_EQ(FillEllipseStack(stacked.dc, rings), 1);
    ASSERT_EQ(stacked.pixels().pixels, plain_calls.pixels().pixels) << "round " << round;
  }
}

TEST(EllipseStack, AClipOfSeveralRunsARowIsObeyed) {
  Region clip = Region::rect(3, 2, 15, 25);
  clip = Region::combine(clip, Region::rect(20, 5, 37, 28), RGN_OR);
  expect_same(glow(20, 30, 60, 18, 3, 1), &clip);
  expect_same(glow(20, 15, 12, 9, 1, 1), &clip);
}

TEST(EllipseStack, SystemColoursAreTakenAsABrushTakesThem) {
  expect_same({{{0, 0, 30, 20}, 0x80000005u}, {{5, 5, 20, 15}, 0x01000003u}});
}

TEST(EllipseStack, AStaleDcIsRefusedAndAnEmptyStackDrawsNothing) {
  EXPECT_EQ(FillEllipseStack(HDC{}, {}), 0);
  EXPECT_EQ(plain::FillEllipseStack(HDC{}, {}), 0);
  expect_same({});
}

TEST(ShapeMemo, RowsAreTheRasterisersAndABigMemoIsForgotten) {
  ShapeMemo memo;
  const EllipseFill& shape = memo.ellipse(3, 2, 40, 17);
  const RoundBox box = RoundBox::ellipse(3, 2, 40, 17);
  for (std::int64_t y = -1; y <= 18; ++y) {
    std::int64_t a0 = 0, a1 = 0, b0 = 0, b1 = 0;
    const bool a = shape.row(y, a0, a1), b = null_pen_ellipse_row(box, y, b0, b1);
    ASSERT_EQ(a, b) << "row " << y;
    if (a) {
      EXPECT_EQ(a0, b0) << "row " << y;
      EXPECT_EQ(a1, b1) << "row " << y;
    }
  }
  EXPECT_EQ(&memo.ellipse(3, 2, 40, 17), &shape);
  // A shape too tall to keep rows for is read from its box.
  const EllipseFill& tall = memo.ellipse(0, -100000, 10, 100000);
  const RoundBox tall_box = RoundBox::ellipse(0, -100000, 10, 100000);
  for (const std::int64_t y : {-100000, -99990, 0, 99999}) {
    std::int64_t a0 = 0, a1 = 0, b0 = 0, b1 = 0;
    ASSERT_EQ(tall.row(y, a0, a1), null_pen_ellipse_row(tall_box, y, b0, b1)) << "row " << y;
    EXPECT_EQ(a0, b0);
    EXPECT_EQ(a1, b1);
  }
  // Past its limit the memo starts afresh, and answers as before.
  for (int i = 0; i < 40; ++i) memo.ellipse(0, 0, 10, 30000 + i);
  memo.trim();
  std::int64_t x0 = 0, x1 = 0;
  EXPECT_TRUE(memo.ellipse(3, 2, 40, 17).row(9, x0, x1));
  EXPECT_EQ(x0, 3);
  EXPECT_EQ(x1, 40);
}

}  // namespace
}  // namespace win
