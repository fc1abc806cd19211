// Pictures at the screen's scale: blocks at whole factors, a smooth blend
// between source pixels at others, the source itself at 1.
#include "platform/forms/scaled_picture.h"

#include <gtest/gtest.h>

namespace forms {
namespace {

win::Surface two_by_two() {
  win::Surface s(2, 2);
  s.at(0, 0) = 0x000000;
  s.at(1, 0) = 0xFFFFFF;
  s.at(0, 1) = 0x0000FF;
  s.at(1, 1) = 0x00FF00;
  return s;
}

TEST(ScaleSurface, WholeFactorsRepeatPixelsAndOthersBlend) {
  const win::Surface source = two_by_two();
  EXPECT_EQ(scale_surface(source, 1).pixels, source.pixels);

  const win::Surface doubled = scale_surface(source, 2);
  ASSERT_EQ(doubled.width, 4);
  ASSERT_EQ(doubled.height, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(doubled.at(x, y), source.at(x / 2, y / 2)) << x << "," << y;

  // 2 x 2 at 1.5 is 3 x 3: the corners keep their colours, the middle
  // column lies halfway between black and white.
  const win::Surface blended = scale_surface(source, 1.5);
  ASSERT_EQ(blended.width, 3);
  ASSERT_EQ(blended.height, 3);
  EXPECT_EQ(blended.at(0, 0), 0x000000u);
  EXPECT_EQ(blended.at(2, 0), 0xFFFFFFu);
  EXPECT_EQ(blended.at(2, 2), 0x00FF00u);
  EXPECT_EQ(blended.at(1, 0), 0x808080u);

  // Odd sizes round half to even: 5 px at 1.5 are 7.5, so 8.
  EXPECT_EQ(scale_surface(win::Surface(5, 3), 1.5).width, 8);
  EXPECT_EQ(scale_surface(win::Surface(5, 3), 1.5).height, 4);
}

}  // namespace
}  // namespace forms
