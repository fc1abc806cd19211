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

TEST(CornerRadius, FollowsTheStyleTable) {
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
