// Combining a rectangle into a region in place gives exactly the bands of the
// general sweep, through Region::combine_rect and through CombineRgn with
// every aliasing of its handles.
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/region.h"

namespace win {
namespace {

TEST(RegionRect, InPlaceMatchesTheGeneralSweepOnRandomRectangles) {
  std::mt19937 rng(5150);
  std::uniform_int_distribution<int> coord(-3, 20);
  const int modes[] = {RGN_OR, RGN_XOR, RGN_DIFF};
  for (int run = 0; run < 400; ++run) {
    Region in_place;
    Region swept;
    for (int step = 0; step < 16; ++step) {
      const int l = coord(rng), t = coord(rng), r = coord(rng), b = coord(rng);
      const int mode = modes[rng() % 3];
      in_place.combine_rect(l, t, r, b, mode);
      swept = Region::combine(swept, Region::rect(l, t, r, b), mode);
      // Equal band lists: the same pixels in the same canonical form.
      ASSERT_EQ(in_place, swept) << "run " << run << " step " << step << " mode " << mode;
    }
  }
  Region r = Region::rect(0, 0, 4, 4);
  EXPECT_THROW(r.combine_rect(0, 0, 1, 1, RGN_AND), std::invalid_argument);
  EXPECT_EQ(r, Region::rect(0, 0, 4, 4));
}

TEST(RegionRect, CombineRgnWithARectangleOperandHonoursEveryAliasing) {
  const HRGN shape = CreateRoundRectRgn(0, 0, 30, 20, 10, 10);
  const Region before = *region_from_handle(shape);
  const HRGN rect = CreateRectRgn(5, 0, 25, 3);
  const Region expected = Region::combine(before, Region::rect(5, 0, 25, 3), RGN_XOR);

  const HRGN other = CreateRectRgn(0, 0, 1, 1);
  EXPECT_EQ(CombineRgn(other, shape, rect, RGN_XOR), COMPLEXREGION);
  EXPECT_EQ(*region_from_handle(other), expected);
  EXPECT_EQ(*region_from_handle(shape), before);  // the source is untouched

  EXPECT_EQ(CombineRgn(rect, shape, rect, RGN_XOR), COMPLEXREGION);  // into its own operand
  EXPECT_EQ(*region_from_handle(rect), expected);

  // A shaped operand goes through the general sweep.
  EXPECT_NE(CombineRgn(shape, shape, other, RGN_DIFF), ERROR);
  EXPECT_EQ(*region_from_handle(shape), Region::combine(before, expected, RGN_DIFF));
  for (HRGN h : {shape, rect, other}) DeleteObject(h);
}

}  // namespace
}  // namespace win
