// Pixel checks of the shaded looks: styles 2 to 5 and 7 (rounded face, glow,
// border, gloss) and style 6 (pixel face).
#include <gtest/gtest.h>

#include "candybutton/color_arithmetic.h"
#include "candybutton/painters/paint_ellipse_glow.h"
#include "candybutton/painters/paint_rounded_style.h"
#include "platform/forms/memory_surface.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/kernel/handles.h"
#include "tests/candybutton/test_button.h"

namespace candy {
namespace {

using testing::kBackground;
using testing::TestButton;

constexpr win::COLORREF kWhite = 0xFFFFFF;

// Paints the way a repaint does: region first, then the style's painter.
void paint(TestButton& b, std::int32_t state) {
  b.update_region();
  b.paint(state);
}

TEST(RoundedStyle, BorderBrightnessAboveAndBelowTheRange) {
  TestButton bright(121, 89, 2);
  bright.m_BorderBrightness = 150;
  paint(bright, 0);
  EXPECT_EQ(bright.m_BorderBrightness, 100);
  EXPECT_EQ(bright.surface.pixel(1, 60), kWhite);  // frame pixel below the gloss
  EXPECT_EQ(bright.surface.pixel(119, 60), kWhite);

  TestButton dark(121, 89, 2);
  dark.m_BorderBrightness = -150;
  paint(dark, 0);
  EXPECT_EQ(dark.m_BorderBrightness, -150);
  EXPECT_EQ(dark.surface.pixel(1, 60), 0x000000u);
  EXPECT_EQ(dark.surface.pixel(119, 60), 0x000000u);

  TestButton lowest(121, 89, 2);
  lowest.m_BorderBrightness = INT32_MIN;
  paint(lowest, 0);
  EXPECT_EQ(lowest.surface.pixel(1, 60), 0x000000u);
}

TEST(RoundedStyle, GlossRowsFadeFromWhite) {
  TestButton b(121, 89, 2);
  paint(b, 0);
  ASSERT_EQ(b.m_CornerRadius, 45);
  EXPECT_EQ(b.surface.pixel(60, 10), BlendColors(kWhite, b.m_ColorButtonUp, 11));
  EXPECT_EQ(b.surface.pixel(60, 45), BlendColors(kWhite, b.m_ColorButtonUp, 50));
}

TEST(RoundedStyle, GlowRingsStartInTheFaceColour) {
  forms::MemorySurface s(121, 89, kBackground);
  const FaceParams p = *fill_face_params(2, 121, 89, 45);
  const win::OLE_COLOR face = 0xD06720, bright = 0xFFEDB0;
  PaintEllipseGlow(s.hDC(), p, 121, 89, face, bright);
  // Down the centre column the colours go face, then 5 %, then 7 % ...
  std::vector<win::COLORREF> seen;
  for (int y = 0; y < 89; ++y) {
    const win::COLORREF c = s.pixel(60, y);
    if (c != kBackground && (seen.empty() || seen.back() != c)) seen.push_back(c);
  }
  ASSERT_GE(seen.size(), 3u);
  EXPECT_EQ(seen[0], face);
  EXPECT_EQ(seen[1], BlendColors(face, bright, 5));
  EXPECT_EQ(seen[2], BlendColors(face, bright, 7));
  EXPECT_EQ(seen.back(), bright);
}

TEST(RoundedStyle, DisabledUsesTheGreyFaceAndAWhiteGlow) {
  for (std::int32_t style : {2, 3, 4, 5, 7}) {
    TestButton reference(121, 89, style);
    reference.m_ColorButtonUp = 0xB0C0C0;
    reference.m_ColorBright = kWhite;
    paint(reference, 0);
    for (std::int32_t state : {0, 1, 3}) {
      TestButton disabled(121, 89, style);
      disabled.m_Enabled = 0;
      paint(disabled, state);
      EXPECT_EQ(disabled.image(), reference.image()) << style << " " << state;
    }
  }
}

TEST(ShapedStyles, FocusedPaintsAsRestingAndCheckedAsPressed) {
  for (std::int32_t style = 2; style <= 7; ++style) {
    TestButton resting(121, 89, style), focused(121, 89, style), pressed(121, 89, style),
        checked(121, 89, style);
    paint(resting, 0);
    paint(focused, 2);
    paint(pressed, 1);
    paint(checked, 4);
    EXPECT_EQ(focused.image(), resting.image()) << style;
    EXPECT_EQ(checked.image(), pressed.image()) << style;
    EXPECT_NE(pressed.image(), resting.image()) << style;
    TestButton other(121, 89, style);
    paint(other, 5);
    for (auto c : other.image()) ASSERT_EQ(c, kBackground) << style;
  }
}

TEST(PixelStyle, LeavesTheLastColumnAndRow) {
  TestButton b(121, 89, 6);
  paint(b, 0);
  ASSERT_EQ(b.m_CornerRadius, 29);
  bool col1 = false, col119 = false, row1 = false, row87 = false;
  for (int y = 0; y < 89; ++y) {
    for (int x = 0; x < 121; ++x) {
      const bool painted = b.surface.pixel(x, y) != kBackground;
      if (x == 0 || y == 0 || x == 120 || y == 88) {
        ASSERT_FALSE(painted) << x << "," << y;
      }
      col1 |= painted && x == 1;
      col119 |= painted && x == 119;
      row1 |= painted && y == 1;
      row87 |= painted && y == 87;
    }
  }
  EXPECT_TRUE(col1 && col119 && row1 && row87);
  const win::OLE_COLOR face = b.m_ColorButtonUp, bright = b.m_ColorBright;
  EXPECT_EQ(b.surface.pixel(60, 1), BlendColors(0x000000, face, 50));  // edge
  EXPECT_EQ(b.surface.pixel(60, 10), BlendColors(kWhite, face, 10));   // highlight crescent
  EXPECT_EQ(b.surface.pixel(60, 22), BlendColors(face, bright, 50));
  EXPECT_EQ(b.surface.pixel(60, 44), BlendColors(face, bright, 0));
  EXPECT_EQ(b.surface.pixel(60, 66), BlendColors(face, bright, 50));
}

TEST(PixelStyle, IgnoresEnabledAndBorderBrightness) {
  TestButton enabled(121, 89, 6), disabled(121, 89, 6);
  disabled.m_Enabled = 0;
  disabled.m_BorderBrightness = 150;
  paint(enabled, 3);
  paint(disabled, 3);
  EXPECT_EQ(disabled.image(), enabled.image());
  EXPECT_EQ(disabled.m_BorderBrightness, 150);
}

TEST(AllStyles, TinySizesPaintWithoutFailingOrLeaking) {
  const std::size_t regions = win::live_objects(win::ObjectKind::Region);
  const std::size_t brushes = win::live_objects(win::ObjectKind::Brush);
  const std::size_t pens = win::live_objects(win::ObjectKind::Pen);
  for (std::int32_t w = 1; w <= 8; ++w) {
    for (std::int32_t h = 1; h <= 8; ++h) {
      for (std::int32_t style = 0; style <= 7; ++style) {
        for (std::int32_t state = 0; state <= 4; ++state) {
          TestButton b(w, h, style);
          ASSERT_NO_THROW(paint(b, state))
              << w << "x" << h << " style " << style << " state " << state;
        }
      }
    }
  }
  EXPECT_EQ(win::live_objects(win::ObjectKind::Region), regions);
  EXPECT_EQ(win::live_objects(win::ObjectKind::Brush), brushes);
  EXPECT_EQ(win::live_objects(win::ObjectKind::Pen), pens);
}

// A surface whose reported height is less than half a pixel.
class FlatSurface final : public forms::DrawingSurface {
 public:
  explicit FlatSurface(forms::MemorySurface& inner) : m_inner(inner) {}
  float ScaleWidth() const override { return m_inner.ScaleWidth(); }
  float ScaleHeight() const override { return 0.4f; }
  void Line(float x1, float y1, float x2, float y2, win::OLE_COLOR c) override {
    m_inner.Line(x1, y1, x2, y2, c);
  }
  void Box(float x1, float y1, float x2, float y2, win::OLE_COLOR c) override {
    m_inner.Box(x1, y1, x2, y2, c);
  }
  void PSet(float x, float y, win::OLE_COLOR c) override { m_inner.PSet(x, y, c); }
  win::HDC hDC() const override { return m_inner.hDC(); }
  win::HWND hWnd() const override { return m_inner.hWnd(); }
  void SetWindowRgn(win::HRGN region) override { m_inner.SetWindowRgn(region); }

 private:
  forms::MemorySurface& m_inner;
};

// Style 3's glow height and style 6's body percentage would divide by zero.
TEST(AllStyles, HeightRoundingToZeroPaintsNothing) {
  for (std::int32_t style : {3, 6}) {
    TestButton b(30, 2, style);
    FlatSurface flat(b.surface);
    const ButtonFace on_flat{flat,
                             style,
                             b.m_ColorButtonUp,
                             b.m_ColorButtonHover,
                             b.m_ColorButtonDown,
                             b.m_ColorBright,
                             0,
                             -1,
                             0,
                             win::HRGN{},
                             nullptr};
    PaintFace(on_flat, 0);
    for (auto px : b.image()) ASSERT_EQ(px, kBackground) << style;
  }
}

// At a height of 7 the style 3 glow height is 100 - 700 \\ 7 = 0 percent: the
// painter stops after the fill, where it once went on with rim and gloss.
TEST(RoundedStyle, Style3AtHeight7StopsAfterTheFaceFill) {
  TestButton b(121, 7, 3);
  paint(b, 0);
  for (auto px : b.image()) ASSERT_EQ(px, b.m_ColorButtonUp);
  TestButton hover(121, 7, 3);
  paint(hover, 3);
  for (auto px : hover.image()) ASSERT_EQ(px, hover.m_ColorButtonHover);
}

}  // namespace
}  // namespace candy
