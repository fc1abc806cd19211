// The arithmetic behind the painters: band row colours, the shaded styles'
// parameter records and the glow's rings.
#include <gtest/gtest.h>

#include "candybutton/painters/drawing_helpers.h"
#include "candybutton/painters/face_params.h"
#include "candybutton/painters/paint_ellipse_glow.h"

namespace candy {
namespace {

using win::RGB;

TEST(BandRowColor, RoundsHalfToEvenInTheGivenOrder) {
  // Mouse-over middle band at t = 0.5: green 252 -> 237 is exactly 244.5.
  EXPECT_EQ(win::GetGValue(band_row_color(0.5, RGB(252, 252, 249), RGB(238, 237, 229))), 244);
  // The pressed push-button middle band at its largest fraction, 2.
  EXPECT_EQ(band_row_color(2.0, RGB(229, 228, 221), RGB(226, 226, 218)), RGB(223, 224, 215));
  // Fixed four-row bands: pressed tool-button top and mouse-over bottom.
  const win::COLORREF pressed_top[] = {RGB(220, 218, 209), RGB(224, 222, 214), RGB(227, 226, 219),
                                       RGB(231, 230, 224)};
  const win::COLORREF over_bottom[] = {RGB(238, 237, 229), RGB(230, 228, 219), RGB(223, 219, 208),
                                       RGB(215, 210, 198)};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(band_row_color(i / 3.0, RGB(220, 218, 209), RGB(231, 230, 224)), pressed_top[i]) << i;
    EXPECT_EQ(band_row_color(i / 3.0, RGB(238, 237, 229), RGB(215, 210, 198)), over_bottom[i]) << i;
  }
  // The push button's fifth pressed bottom row, beyond its end colour.
  EXPECT_EQ(band_row_color(4 / 3.0, RGB(226, 226, 218), RGB(242, 241, 238)), RGB(247, 246, 245));
}

TEST(FaceParams, PerStyleAt121x89) {
  EXPECT_EQ(*fill_face_params(2, 121, 89, 45),
            (FaceParams{0, 50, 22, 1, 22, 50, 211, 300, 60, 60, 89, 120}));
  const FaceParams s3 = *fill_face_params(3, 121, 89, 12);
  EXPECT_EQ(s3.GlowHeightPct, 80);  // 100 - 700 \ 89 = 93, limited to 80
  EXPECT_EQ(s3.GlossLeft, 4);
  EXPECT_EQ(s3.GlossBottom, 12);
  EXPECT_EQ(s3.GlossRadius, 10);
  EXPECT_EQ(*fill_face_params(4, 121, 89, 45),
            (FaceParams{0, 70, 14, 0, 22, 45, 211, 200, 70, 60, 89, 130}));
  EXPECT_EQ(*fill_face_params(5, 121, 89, 45),
            (FaceParams{0, 40, -23, -45, 45, 46, 211, 60, 60, 60, 89, 130}));
  const FaceParams s7 = *fill_face_params(7, 121, 89, 23);
  EXPECT_EQ(s7.GlossLeft, 12);  // 11.5 to even
  EXPECT_EQ(s7.GlossRadius, 12);
  EXPECT_EQ(s7.GlossRight, 98);
  EXPECT_EQ(s7.GlowCenterY, 44);  // 44.5 to even
  EXPECT_EQ(*fill_face_params(6, 121, 89, 29), FaceParams{});
}

TEST(FaceParams, Style3GlowHeightGuardsAZeroHeight) {
  EXPECT_FALSE(fill_face_params(3, 121, 0, 12));
  EXPECT_FALSE(fill_face_params(3, 121, 0.4f, 12));
  EXPECT_EQ(fill_face_params(3, 121, 5, 12)->GlowHeightPct, -40);  // 100 - 700 \ 5
}

TEST(Glow, Style2RingsAt121x89) {
  const FaceParams p = *fill_face_params(2, 121, 89, 45);
  const GlowGeometry g = *make_glow_geometry(p, 121, 89);
  EXPECT_EQ(g.rx, 363);
  EXPECT_EQ(g.ry, 53);  // 53.4
  EXPECT_FLOAT_EQ(g.sx, 363.0f / 53.0f);
  EXPECT_EQ(g.sy, 1.0f);
  EXPECT_EQ(g.outer, (win::RECT{60 - 363, 89 - 53, 60 + 363, 89 + 53}));
  EXPECT_EQ(glow_ring_percentage(p, g, 2), 5);  // 4.53
  EXPECT_EQ(glow_ring_percentage(p, g, 3), 7);  // 6.79
}

TEST(Glow, AZeroRadiusHasNoRings) {
  const FaceParams p = *fill_face_params(2, 121, 89, 45);
  EXPECT_FALSE(make_glow_geometry(p, 0, 89));
  EXPECT_FALSE(make_glow_geometry(p, 121, 0));
  EXPECT_FALSE(make_glow_geometry(FaceParams{}, 121, 89));
  const GlowGeometry tall = *make_glow_geometry(*fill_face_params(5, 121, 89, 45), 10, 89);
  EXPECT_EQ(tall.sx, 1.0f);
  EXPECT_FLOAT_EQ(tall.sy, 53.0f / 6.0f);
}

}  // namespace
}  // namespace candy
