// The style table: every style outside it has no face and no shape, wherever
// it is asked for.
#include <gtest/gtest.h>

#include "candybutton/button_region.h"
#include "candybutton/button_shape.h"
#include "candybutton/styles.h"
#include "tests/candybutton/test_button.h"

namespace candy {
namespace {

using testing::kBackground;
using testing::TestButton;

TEST(StyleTable, StylesOutsideTheTableHaveNoFaceAndNoShape) {
  for (std::int32_t style : {-1, kStyleCount, kStyleCount + 1, INT32_MIN, INT32_MAX}) {
    EXPECT_EQ(style_row(style), nullptr) << style;
    TestButton b(40, 20, style);
    b.m_CornerRadius = 7;
    b.m_BorderBrightness = 250;
    b.update_region();
    b.paint(0);
    for (auto px : b.image()) ASSERT_EQ(px, kBackground) << style;
    EXPECT_FALSE(b.surface.window_region()) << style;
    EXPECT_FALSE(b.m_Region) << style;
    EXPECT_EQ(b.m_CornerRadius, 7) << style;
    EXPECT_EQ(b.m_BorderBrightness, 250) << style;
    EXPECT_EQ(*fill_face_params(style, 40, 20, 7), FaceParams{}) << style;
  }
}

// Each row is whole, and the shaded rows are exactly those with face numbers.
TEST(StyleTable, EveryRowPaintsAndShapesConsistently) {
  for (std::int32_t style = 0; style < kStyleCount; ++style) {
    const StyleRow* row = style_row(style);
    ASSERT_NE(row, nullptr);
    ASSERT_NE(row->paint, nullptr);
    EXPECT_EQ(row->face_params != nullptr, std::string(row->family) == "rounded") << style;
    TestButton b(60, 30, style);
    b.update_region();
    EXPECT_EQ(bool(b.m_Region), row->corner_radius != nullptr) << style;
    b.paint(0);
    std::size_t painted = 0;
    for (auto px : b.image()) painted += px != kBackground;
    EXPECT_GT(painted, 0u) << style;
  }
}

}  // namespace
}  // namespace candy
