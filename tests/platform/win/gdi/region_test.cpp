#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/region.h"

namespace win {
namespace {

using Pixels = std::set<std::pair<int, int>>;  // (y, x)

Pixels pixels_of(const Region& region) {
  Pixels out;
  for (const Region::Band& band : region.bands())
    for (int y = band.top; y < band.bottom; ++y)
      for (const Region::Span& span : band.spans)
        for (int x = span.left; x < span.right; ++x) out.insert({y, x});
  return out;
}

// No empty band, no overlapping or mergeable neighbours, spans sorted,
// non-empty and not touching.
::testing::AssertionResult canonical(const Region& region) {
  const auto& bands = region.bands();
  for (std::size_t k = 0; k < bands.size(); ++k) {
    const Region::Band& band = bands[k];
    if (band.top >= band.bottom || band.spans.empty())
      return ::testing::AssertionFailure() << "empty band at " << band.top;
    for (std::size_t s = 0; s < band.spans.size(); ++s) {
      if (band.spans[s].left >= band.spans[s].right)
        return ::testing::AssertionFailure() << "empty span";
      if (s > 0 && band.spans[s - 1].right >= band.spans[s].left)
        return ::testing::AssertionFailure() << "spans touch at y=" << band.top;
    }
    if (k > 0 && bands[k - 1].bottom > band.top)
      return ::testing::AssertionFailure() << "bands overlap";
    if (k > 0 && bands[k - 1].bottom == band.top && bands[k - 1].spans == band.spans)
      return ::testing::AssertionFailure() << "mergeable bands at y=" << band.top;
  }
  return ::testing::AssertionSuccess();
}

Pixels apply(const Pixels& a, const Pixels& b, int mode) {
  Pixels out;
  for (const auto& p : a)
    if (mode == RGN_OR || mode == RGN_XOR ? true
        : mode == RGN_AND                 ? b.count(p) > 0
                                          : b.count(p) == 0)
      if (mode != RGN_XOR || !b.count(p)) out.insert(p);
  if (mode == RGN_OR || mode == RGN_XOR)
    for (const auto& p : b)
      if (!a.count(p)) out.insert(p);
  return out;
}

TEST(Region, RectNormalisesCornersAndEqualEdgesAreEmpty) {
  EXPECT_EQ(Region::rect(5, 7, 1, 2), Region::rect(1, 2, 5, 7));
  EXPECT_TRUE(Region::rect(3, 0, 3, 9).empty());
  EXPECT_TRUE(Region::rect(0, 4, 9, 4).empty());
  const Region r = Region::rect(1, 2, 5, 7);
  EXPECT_EQ(r.area(), 20);
  EXPECT_EQ(r.bounds(), (RECT{1, 2, 5, 7}));
  EXPECT_EQ(r.complexity(), SIMPLEREGION);
  EXPECT_TRUE(r.contains(1, 2));
  EXPECT_FALSE(r.contains(5, 2));
  EXPECT_FALSE(r.contains(1, 7));
}

TEST(Region, AlgebraMatchesAPixelSetOnRandomRectangles) {
  std::mt19937 rng(20240601);
  std::uniform_int_distribution<int> coord(-3, 16);
  const int modes[] = {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF};
  for (int run = 0; run < 300; ++run) {
    Region region;
    Pixels model;
    for (int step = 0; step < 12; ++step) {
      const Region rect = Region::rect(coord(rng), coord(rng), coord(rng), coord(rng));
      const int mode = modes[rng() % 4];
      region = Region::combine(region, rect, mode);
      model = apply(model, pixels_of(rect), mode);
      ASSERT_TRUE(canonical(region)) << "run " << run << " step " << step;
      ASSERT_EQ(pixels_of(region), model) << "run " << run << " step " << step << " mode " << mode;
      ASSERT_EQ(region.area(), static_cast<std::int64_t>(model.size()));
      for (int y = -4; y < 18; ++y)
        for (int x = -4; x < 18; ++x) ASSERT_EQ(region.contains(x, y), model.count({y, x}) > 0);
    }
  }
}

TEST(Region, RegionsCombineWithRegionsNotOnlyRectangles) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> coord(0, 12);
  auto random_region = [&] {
    Region r;
    for (int k = 0; k < 5; ++k)
      r = Region::combine(r, Region::rect(coord(rng), coord(rng), coord(rng), coord(rng)), RGN_XOR);
    return r;
  };
  for (int run = 0; run < 200; ++run) {
    const Region a = random_region(), b = random_region();
    for (int mode : {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF}) {
      const Region c = Region::combine(a, b, mode);
      ASSERT_TRUE(canonical(c));
      ASSERT_EQ(pixels_of(c), apply(pixels_of(a), pixels_of(b), mode));
    }
    EXPECT_EQ(Region::combine(a, b, RGN_COPY), a);
  }
}

TEST(Region, ComplexityAndBounds) {
  const Region two = Region::combine(Region::rect(0, 0, 2, 2), Region::rect(4, 0, 6, 2), RGN_OR);
  EXPECT_EQ(two.complexity(), COMPLEXREGION);
  EXPECT_EQ(two.bounds(), (RECT{0, 0, 6, 2}));
  EXPECT_EQ(Region().complexity(), NULLREGION);
  EXPECT_EQ(Region().bounds(), (RECT{}));
  // Touching rectangles become one band with one span.
  const Region joined = Region::combine(Region::rect(0, 0, 2, 2), Region::rect(2, 0, 4, 2), RGN_OR);
  EXPECT_EQ(joined, Region::rect(0, 0, 4, 2));
  EXPECT_THROW(Region::combine(two, two, 9), std::invalid_argument);
}

TEST(Region, AppendBandRejectsOverlapsAndBadSpans) {
  Region r;
  r.append_band(0, 2, {{0, 3}});
  r.append_band(2, 4, {{0, 3}});  // merges
  ASSERT_EQ(r.bands().size(), 1u);
  EXPECT_EQ(r.bands()[0].bottom, 4);
  EXPECT_THROW(r.append_band(3, 5, {{0, 1}}), std::invalid_argument);
  EXPECT_THROW(r.append_band(5, 6, {{2, 4}, {4, 6}}), std::invalid_argument);
  EXPECT_THROW(r.append_band(5, 6, {{3, 3}}), std::invalid_argument);
}

TEST(Region, HugeCoordinatesAndOffsetOverflow) {
  const int lo = -2147483647 - 1, hi = 2147483647;
  Region all = Region::rect(lo, lo, hi, hi);
  EXPECT_GT(all.area(), 0);
  Region hole = Region::combine(all, Region::rect(0, 0, 1, 1), RGN_DIFF);
  EXPECT_FALSE(hole.contains(0, 0));
  EXPECT_TRUE(hole.contains(hi - 1, lo));
  EXPECT_THROW(all.offset(1, 0), std::out_of_range);
  Region small = Region::rect(0, 0, 2, 2);
  small.offset(-3, 5);
  EXPECT_EQ(small, Region::rect(-3, 5, -1, 7));
}

// Offsetting past the 32-bit range used to fail; Windows wraps a region that
// goes past wholly.
TEST(Region, OffsetWrapsARegionPushedWhollyPastTheRangeAsWindowsDoes) {
  Region r = Region::rect(1, 2, 10, 8);
  r.offset(0, 2147483647);
  EXPECT_EQ(r, Region::rect(1, -2147483647, 10, -2147483641));
  r.offset(-2147483647 - 1, 0);
  EXPECT_EQ(r, Region::rect(-2147483647, -2147483647, -2147483638, -2147483641));
  Region straddling = Region::rect(-10, 0, 10, 1);
  EXPECT_THROW(straddling.offset(2147483647, 0), std::out_of_range);
  EXPECT_EQ(straddling, Region::rect(-10, 0, 10, 1));
}

// Handle-level functions.

TEST(RegionHandles, CombineReturnsTheComplexityAndFailsOnBadHandles) {
  const HRGN a = CreateRectRgn(0, 0, 4, 4);
  const HRGN b = CreateRectRgn(1, 1, 3, 3);
  const HRGN out = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(out, a, b, RGN_DIFF), COMPLEXREGION);
  EXPECT_EQ(CombineRgn(out, a, b, RGN_AND), SIMPLEREGION);
  EXPECT_EQ(CombineRgn(out, b, a, RGN_DIFF), NULLREGION);
  EXPECT_EQ(CombineRgn(out, a, HRGN{}, RGN_COPY), SIMPLEREGION);  // COPY ignores the second source
  EXPECT_EQ(CombineRgn(a, a, b, RGN_XOR), COMPLEXREGION);         // destination may be a source
  EXPECT_FALSE(PtInRegion(a, 2, 2));
  EXPECT_TRUE(PtInRegion(a, 0, 3));
  EXPECT_EQ(CombineRgn(out, a, b, 0), ERROR);
  EXPECT_EQ(CombineRgn(out, a, HRGN{}, RGN_OR), ERROR);
  DeleteObject(b);
  EXPECT_EQ(CombineRgn(out, a, b, RGN_OR), ERROR);
  EXPECT_FALSE(PtInRegion(b, 1, 1));
  RECT box;
  EXPECT_EQ(GetRgnBox(b, &box), ERROR);
  EXPECT_EQ(GetRgnBox(a, &box), COMPLEXREGION);
  EXPECT_EQ(box, (RECT{0, 0, 4, 4}));
  EXPECT_EQ(OffsetRgn(a, 10, 0), COMPLEXREGION);
  EXPECT_TRUE(PtInRegion(a, 10, 0));
  DeleteObject(a);
  DeleteObject(out);
}

// Round rectangle with 4 × 4 corners covering 8 × 6 pixels (the call is
// given one more column and row): corner pixels whose centres lie outside the
// quarter ellipses are cut.
TEST(RegionHandles, RoundRectCorners) {
  const HRGN rgn = CreateRoundRectRgn(0, 0, 9, 7, 4, 4);
  std::vector<std::string> rows;
  for (int y = 0; y < 6; ++y) {
    std::string row;
    for (int x = 0; x < 8; ++x) row += PtInRegion(rgn, x, y) ? '#' : '.';
    rows.push_back(row);
  }
  EXPECT_EQ(rows, (std::vector<std::string>{".######.", "########", "########", "########",
                                            "########", ".######."}));
  DeleteObject(rgn);
  // Corners larger than the box are limited to it: the region is the ellipse.
  const HRGN round = CreateRoundRectRgn(0, 0, 9, 7, 100, 100);
  const HRGN ellipse = CreateEllipticRgn(0, 0, 9, 7);
  EXPECT_TRUE(EqualRgn(round, ellipse));
  DeleteObject(round);
  DeleteObject(ellipse);
}

TEST(RegionHandles, RoundShapesAreSymmetricAndCanonical) {
  for (int w = 1; w < 14; ++w)
    for (int h = 1; h < 11; ++h)
      for (int c : {0, 2, 3, 5, 8}) {
        const HRGN rgn = CreateRoundRectRgn(10, 20, 10 + w + 1, 20 + h + 1, c, c + 1);
        const Region& region = *region_from_handle(rgn);
        ASSERT_TRUE(canonical(region));
        for (int y = 20; y < 20 + h; ++y)
          for (int x = 10; x < 10 + w; ++x)
            ASSERT_EQ(region.contains(x, y),
                      region.contains(10 + w - 1 - (x - 10), 20 + h - 1 - (y - 20)));
        DeleteObject(rgn);
      }
}

// Our round regions used to cover the whole box; Windows leaves out the last
// column and row.
TEST(RegionHandles, RoundAndEllipticRegionsLeaveOutTheLastColumnAndRowAsWindowsDoes) {
  for (const HRGN rgn : {CreateRoundRectRgn(2, 3, 12, 13, 4, 4), CreateEllipticRgn(2, 3, 12, 13),
                         CreateRoundRectRgn(12, 13, 2, 3, 4, 4)}) {
    RECT box;
    EXPECT_EQ(GetRgnBox(rgn, &box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{2, 3, 11, 12}));
    DeleteObject(rgn);
  }
}

// A zero-width box used to throw ("region span is empty"). Windows gives a
// side of length 0 the one column or row before it and a side of length 1
// nothing.
// A narrow tall corner whose outline walk never reaches its tip row: the
// corner has no pixel there, and the row keeps the straight part between the
// corners (it used to be left out entirely).
TEST(RegionHandles, ACornerRowWithoutPixelsKeepsTheStraightPart) {
  const HRGN rgn = CreateRoundRectRgn(0, 0, 10, 15, 4, 12);
  std::vector<std::string> rows;
  for (int y = 0; y < 14; ++y) {
    std::string row;
    for (int x = 0; x < 9; ++x) row += PtInRegion(rgn, x, y) ? '#' : '.';
    rows.push_back(row);
  }
  DeleteObject(rgn);
  EXPECT_EQ(rows[0], "..#####..");
  EXPECT_EQ(rows[1], ".#######.");
  EXPECT_EQ(rows[2], "#########");
  EXPECT_EQ(rows[12], ".#######.");
  EXPECT_EQ(rows[13], "..#####..");
}

TEST(RegionHandles, DegenerateRoundBoxesGiveRegionsInsteadOfThrowing) {
  struct Case {
    int l, t, r, b, c;
    RECT box;
  };
  for (const Case& k :
       {Case{2, 3, 2, 10, 3, {1, 3, 2, 9}}, Case{2, 3, 9, 3, 3, {2, 2, 8, 3}},
        Case{2, 3, 2, 3, 0, {1, 2, 2, 3}}, Case{2, 3, 3, 10, 3, {}}, Case{2, 3, 9, 4, 4, {}}}) {
    const HRGN rgn = CreateRoundRectRgn(k.l, k.t, k.r, k.b, k.c, k.c);
    ASSERT_TRUE(rgn);
    RECT box;
    EXPECT_EQ(GetRgnBox(rgn, &box), k.box == RECT{} ? NULLREGION : SIMPLEREGION)
        << k.l << "," << k.r;
    EXPECT_EQ(box, k.box);
    DeleteObject(rgn);
  }
  const HRGN thin = CreateEllipticRgn(-7, -2, -7, -9);
  RECT box;
  GetRgnBox(thin, &box);
  EXPECT_EQ(box, (RECT{-8, -9, -7, -3}));
  DeleteObject(thin);
}

TEST(RegionHandles, HugeShapesFailOrFinishQuickly) {
  EXPECT_FALSE(CreateEllipticRgn(-2000000000, -2000000000, 2000000000, 2000000000));
  const HRGN flat = CreateRoundRectRgn(-2000000000, -2000000000, 2000000000, 2000000000, 10, 10);
  ASSERT_TRUE(flat);
  EXPECT_TRUE(PtInRegion(flat, 0, 0));
  EXPECT_FALSE(PtInRegion(flat, -2000000000, -2000000000));
  DeleteObject(flat);
}

}  // namespace
}  // namespace win
