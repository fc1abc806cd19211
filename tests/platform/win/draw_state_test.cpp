#include "platform/win/draw_state.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/win/stencil.h"
#include "platform/win/syscolor.h"
#include "platform/win/text_render.h"

namespace win {
namespace {

constexpr COLORREF kFace = 0x3C5A78;
auto anywhere = [](std::int32_t, std::int32_t) { return true; };

// A solid stencil from rows of '#' and '.'.
Stencil stencil_of(std::initializer_list<const char*> rows) {
  Stencil s(0, 0, static_cast<std::int32_t>(std::strlen(*rows.begin())), static_cast<std::int32_t>(rows.size()));
  std::int32_t y = 0;
  for (const char* row : rows) {
    for (std::int32_t x = 0; row[x]; ++x) s.cover(x, y, row[x] == '#' ? 255 : 0);
    ++y;
  }
  return s;
}

bool solid(const Stencil& s, std::int32_t x, std::int32_t y) { return s.at(x, y) >= kSolidThreshold; }

// Every pixel of the disabled look: shadow where the mask is, highlight where
// the mask moved by (+1, +1) is and the mask itself is not, else untouched.
void expect_embossed(const Surface& s, std::int32_t ox, std::int32_t oy, const Stencil& mask) {
  for (std::int32_t y = 0; y < s.height; ++y) {
    for (std::int32_t x = 0; x < s.width; ++x) {
      COLORREF want = kFace;
      if (solid(mask, x - ox, y - oy)) {
        want = GetSysColor(COLOR_3DSHADOW);
      } else if (solid(mask, x - ox - 1, y - oy - 1)) {
        want = GetSysColor(COLOR_3DHILIGHT);
      }
      ASSERT_EQ(s.at(x, y), want) << x << "," << y;
    }
  }
}

TEST(DrawStateLooks, DisabledEmbossesInHighlightThenShadow) {
  const Stencil mask = stencil_of({"##.", "#..", "..."});
  Surface s(6, 6, kFace);
  paint_embossed(s, 1, 1, mask, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DSHADOW), anywhere);
  expect_embossed(s, 1, 1, mask);
  // The highlight peeks out below and to the right of the shadow only.
  EXPECT_EQ(s.at(3, 2), 0xFFFFFFu);
  EXPECT_EQ(s.at(2, 3), 0xFFFFFFu);
  EXPECT_EQ(s.at(2, 2), 0xFFFFFFu);
  EXPECT_EQ(s.at(1, 1), 0x808080u);
  EXPECT_EQ(s.at(3, 3), kFace);
}

TEST(DrawStateLooks, DisabledTextShowsOnlyTheTwoColours) {
  LOGFONTA log;
  log.lfHeight = -13;
  const auto font = open_font(log);
  const Stencil mask = text_stencil(*font, "Settings");
  Surface s(70, 20, kFace);
  paint_embossed(s, 2, 2, mask, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DSHADOW), anywhere);
  expect_embossed(s, 2, 2, mask);
}

TEST(DrawStateLooks, PictureMasks) {
  Surface image(3, 2, 0xFFFFFF);
  image.at(0, 0) = 0x000000;
  image.at(2, 1) = 0x00FF00;
  image.at(1, 1) = 0xFEFFFF;  // nearly white is still ink
  const Stencil ink = ink_stencil(image, 0, 0);
  EXPECT_EQ(ink.coverage, (std::vector<std::uint8_t>{255, 0, 0, 0, 255, 255}));
  EXPECT_EQ(whole_stencil(image, 2, 5).width, 2);
  EXPECT_EQ(whole_stencil(image, 2, 5).height, 2);

  Icon icon;
  icon.color = Surface(2, 2, 0x0000FF);
  icon.transparent = {true, false, false, true};
  EXPECT_EQ(icon_stencil(icon, 0, 0).coverage, (std::vector<std::uint8_t>{0, 255, 255, 0}));
}

TEST(DrawStateLooks, MonoIconIsASilhouetteInOneColour) {
  Icon icon;
  icon.color = Surface(2, 2, 0);
  icon.color.at(0, 1) = 0x123456;
  icon.transparent = {false, true, false, false};
  Surface s(4, 4, kFace);
  paint_stencil(s, 1, 1, icon_stencil(icon, 0, 0), 0x00AA00, StencilMode::Solid, anywhere);
  const std::vector<COLORREF> want = {
      kFace, kFace,    kFace, kFace,  //
      kFace, 0x00AA00, kFace, kFace,  //
      kFace, 0x00AA00, 0x00AA00, kFace,  //
      kFace, kFace,    kFace, kFace,
  };
  EXPECT_EQ(s.pixels, want);
}

TEST(DrawStateLooks, NormalIconKeepsTheBackgroundWhereTransparent) {
  Icon icon;
  icon.color = Surface(2, 1, 0);
  icon.color.at(0, 0) = 0x111111;
  icon.color.at(1, 0) = 0x222222;
  icon.transparent = {true, false};
  Surface s(3, 1, kFace);
  paint_image(s, 1, 0, icon.color, icon_stencil(icon, 0, 0), anywhere);
  EXPECT_EQ(s.pixels, (std::vector<COLORREF>{kFace, kFace, 0x222222}));
}

TEST(DrawStateLooks, CropCutsTheStencilToTheAskedSize) {
  const Stencil s = crop(stencil_of({"###", "###"}), 2, 0);
  EXPECT_EQ(s.width, 2);
  EXPECT_EQ(s.height, 2);
  EXPECT_TRUE(crop(stencil_of({"#"}), 0, 0).coverage == std::vector<std::uint8_t>{255});
}

}  // namespace
}  // namespace win
