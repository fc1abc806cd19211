#include "candybutton/button_shape.h"

#include <gtest/gtest.h>

namespace candy {
namespace {

TEST(PointInCornerCircle, UsesTheRoundedHalfChord) {
  // R = 5, p = 3: e = round(4) = 4, so q from 2 to 8 is inside.
  EXPECT_FALSE(PointInCornerCircle(3, 1, 5));
  EXPECT_TRUE(PointInCornerCircle(3, 2, 5));
  EXPECT_TRUE(PointInCornerCircle(3, 8, 5));
  EXPECT_FALSE(PointInCornerCircle(3, 9, 5));
  // At p = +-R the chord is 0: never inside.
  EXPECT_FALSE(PointInCornerCircle(5, 5, 5));
  EXPECT_FALSE(PointInCornerCircle(-5, 5, 5));
  EXPECT_FALSE(PointInCornerCircle(6, 5, 5));
  EXPECT_FALSE(PointInCornerCircle(0, 0, 0));
}

TEST(PointInRoundedShape, ExcludesColumnAndRowZero) {
  // 30 x 20, R = 5: row 1 spans columns 3 to 27, row 3 columns 1 to 29.
  auto row_span = [](std::int32_t r) {
    std::int32_t first = -1, last = -1;
    for (std::int32_t c = -2; c < 34; ++c) {
      if (!PointInRoundedShape(c, r, 0, 0, 30, 20, 5)) continue;
      if (first < 0) first = c;
      last = c;
    }
    return std::pair{first, last};
  };
  EXPECT_EQ(row_span(0), std::pair(-1, -1));
  EXPECT_EQ(row_span(1), std::pair(3, 27));
  EXPECT_EQ(row_span(2), std::pair(2, 28));
  EXPECT_EQ(row_span(3), std::pair(1, 29));
  EXPECT_EQ(row_span(17), std::pair(1, 29));
  EXPECT_EQ(row_span(18), std::pair(2, 28));
  EXPECT_EQ(row_span(19), std::pair(3, 27));
  EXPECT_EQ(row_span(20), std::pair(-1, -1));
  // Offsetting the shape moves it.
  EXPECT_TRUE(PointInRoundedShape(4, 2, 1, 1, 30, 20, 5));
  EXPECT_FALSE(PointInRoundedShape(3, 2, 1, 1, 30, 20, 5));
}

TEST(button_corner_radius, FollowsTheStyleTable) {
  EXPECT_EQ(button_corner_radius(2, 121, 89), 45);
  EXPECT_EQ(button_corner_radius(4, 121, 89), 45);
  EXPECT_EQ(button_corner_radius(5, 121, 89), 45);
  EXPECT_EQ(button_corner_radius(3, 121, 89), 12);
  EXPECT_EQ(button_corner_radius(3, 5, 5), 12);
  EXPECT_EQ(button_corner_radius(6, 121, 89), 29);
  EXPECT_EQ(button_corner_radius(7, 121, 89), 23);
  EXPECT_EQ(button_corner_radius(2, 40, 89), 20);  // limited to half the width
  EXPECT_EQ(button_corner_radius(6, 0, 0), 1);     // low bound tested first
  EXPECT_EQ(button_corner_radius(7, 1, 1), 0);     // then above the high bound 0
  for (std::int32_t style : {-1, 0, 1, 8, 9}) EXPECT_FALSE(button_corner_radius(style, 121, 89)) << style;
}

}  // namespace
}  // namespace candy
