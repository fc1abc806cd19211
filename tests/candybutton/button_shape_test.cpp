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
  for (std::int32_t style : {-1, 0, 1, 8, 9})
    EXPECT_FALSE(button_corner_radius(style, 121, 89)) << style;
}

// The tabled shape must agree with the direct test everywhere, including
// degenerate radii and a radius past the table.
TEST(RoundedShape, AgreesWithTheDirectTest) {
  struct Shape {
    std::int32_t x, y, width, height, radius;
  };
  for (const Shape& s : {Shape{0, 0, 40, 30, 16}, Shape{1, 1, 38, 28, 16}, Shape{4, 2, 30, 9, 3},
                         Shape{0, 0, 12, 12, 0}, Shape{0, 0, 12, 12, -3}, Shape{2, 3, 5, 40, 25},
                         Shape{0, 0, 9000, 20, 5000}}) {
    const RoundedShape shape(s.x, s.y, s.width, s.height, s.radius);
    for (std::int32_t r = -2; r <= s.height + s.y + 2; ++r) {
      for (std::int32_t c = -2; c <= 60; ++c) {
        ASSERT_EQ(shape.contains(c, r),
                  PointInRoundedShape(c, r, s.x, s.y, s.width, s.height, s.radius))
            << c << "," << r << " in " << s.x << "," << s.y << "," << s.width << "," << s.height
            << "," << s.radius;
      }
      for (std::int32_t c = s.x + s.width - 60; c <= s.x + s.width + 2; ++c) {
        ASSERT_EQ(shape.contains(c, r),
                  PointInRoundedShape(c, r, s.x, s.y, s.width, s.height, s.radius))
            << c << "," << r << " in " << s.x << "," << s.y << "," << s.width << "," << s.height
            << "," << s.radius;
      }
    }
  }
}

}  // namespace
}  // namespace candy

namespace candy {
namespace {

// The runs of a row hold exactly the columns the pixel test accepts, for
// round, narrow, flat and cornerless shapes and columns on both sides of them.
TEST(RoundedShapeRuns, HoldExactlyThePixelsTheTestAccepts) {
  std::vector<std::pair<std::int32_t, std::int32_t>> runs;
  for (int x = -2; x <= 4; x += 2)
    for (int w = -2; w <= 30; w += 2)
      for (int h = -1; h <= 24; h += 3)
        for (int R = -1; R <= 20; R += (R < 6 ? 1 : 4)) {
          const RoundedShape shape(x, x, w, h, R);
          for (int r = -1; r <= h + x + 1; ++r) {
            shape.inside_runs(r, -1, w + x + 1, runs);
            for (int c = -1; c <= w + x + 1; ++c) {
              bool in_runs = false;
              for (const auto& [left, right] : runs) in_runs = in_runs || (c >= left && c < right);
              ASSERT_EQ(in_runs, shape.contains(c, r))
                  << x << " " << w << "x" << h << " R" << R << " at " << c << "," << r;
            }
          }
        }
}

}  // namespace
}  // namespace candy
