#include <gtest/gtest.h>

#include <set>

#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/user/draw_state.h"
#include "platform/win/gdi/font.h"
#include "platform/win/gdi/font_face.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/icon.h"
#include "platform/win/gdi/stencil.h"
#include "platform/win/user/syscolor.h"
#include "platform/win/gdi/text.h"
#include "platform/win/gdi/text_render.h"
#include "platform/win/user/window.h"
#include "tests/platform/win/gdi/memory_dc.h"

namespace win {
namespace {

constexpr COLORREF kFace = 0xC0C0C0;

LPARAM as_lparam(std::uint32_t handle) { return static_cast<LPARAM>(handle); }

TEST(DrawStateOnDc, PrefixUnderlinesTheRightCharacter) {
  MemoryDc prefixed(80, 20, kFace), plain(80, 20, kFace);
  ASSERT_TRUE(
      DrawStateA(prefixed.dc, HBRUSH{}, nullptr, "Pic&tures", 9, 3, 2, 0, 0, DST_PREFIXTEXT));
  ASSERT_TRUE(DrawStateA(plain.dc, HBRUSH{}, nullptr, "Pictures", 8, 3, 2, 0, 0, DST_TEXT));
  const FontMetrics& m = default_font().face->metrics();
  const int start = 3 + text_extent(default_font(), "Pic").cx;
  const int end = 3 + text_extent(default_font(), "Pict").cx;
  for (int y = 0; y < 20; ++y) {
    const bool underline_row = y >= 2 + m.ascent + m.underline_offset &&
                               y < 2 + m.ascent + m.underline_offset + m.underline_thickness;
    for (int x = 0; x < 80; ++x) {
      if (underline_row && x >= start && x < end) {
        EXPECT_EQ(prefixed.pixels().at(x, y), 0x000000u) << x << "," << y;
      } else {
        EXPECT_EQ(prefixed.pixels().at(x, y), plain.pixels().at(x, y)) << x << "," << y;
      }
    }
  }
}

TEST(DrawStateOnDc, DoubledAmpersandShowsOne) {
  MemoryDc state(80, 20, kFace), text(80, 20, kFace);
  DrawStateA(state.dc, HBRUSH{}, nullptr, "Fish && Chips", 0, 1, 1, 0, 0, DST_PREFIXTEXT);
  SetBkMode(text.dc, TRANSPARENT);
  TextOutA(text.dc, 1, 1, "Fish & Chips", 12);
  EXPECT_EQ(state.pixels().pixels, text.pixels().pixels);
}

TEST(DrawStateOnDc, DisabledTextIsEmbossedInHighlightAndShadow) {
  MemoryDc c(80, 20, kFace);
  ASSERT_TRUE(
      DrawStateA(c.dc, HBRUSH{}, nullptr, "&Video", 6, 5, 3, 0, 0, DST_PREFIXTEXT | DSS_DISABLED));
  const PrefixText line = resolve_prefixes("&Video");
  const Stencil mask = text_stencil(default_font(), line.shown, line.underlined);
  auto solid = [&](int x, int y) { return mask.at(x, y) >= kSolidThreshold; };
  int shadows = 0, highlights = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 80; ++x) {
      COLORREF want = kFace;
      if (solid(x - 5, y - 3)) {
        want = GetSysColor(COLOR_3DSHADOW), ++shadows;
      } else if (solid(x - 6, y - 4)) {
        want = GetSysColor(COLOR_3DHILIGHT), ++highlights;
      }
      ASSERT_EQ(c.pixels().at(x, y), want) << x << "," << y;
    }
  }
  EXPECT_GT(shadows, 0);
  EXPECT_GT(highlights, 0);
}

TEST(DrawStateOnDc, IconsDrawThroughTheirMaskNormallyOrInTheBrushColour) {
  Surface color(3, 3, 0x0000FF);
  std::vector<bool> transparent(9, false);
  transparent[0] = transparent[8] = true;
  const HICON icon = make_icon_handle(color, transparent);
  const HBRUSH brush = CreateSolidBrush(0x22AA44);
  const std::size_t brushes = live_objects(ObjectKind::Brush);
  MemoryDc c(5, 5, kFace);
  ASSERT_TRUE(
      DrawStateA(c.dc, brush, nullptr, as_lparam(icon.value), 0, 1, 1, 3, 3, DST_ICON | DSS_MONO));
  EXPECT_EQ(live_objects(ObjectKind::Brush), brushes);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 5; ++x) {
      const bool inside =
          x >= 1 && x < 4 && y >= 1 && y < 4 && !(x == 1 && y == 1) && !(x == 3 && y == 3);
      EXPECT_EQ(c.pixels().at(x, y), inside ? 0x22AA44u : kFace) << x << "," << y;
    }
  }
  MemoryDc normal(5, 5, kFace);
  ASSERT_TRUE(
      DrawStateA(normal.dc, HBRUSH{}, nullptr, as_lparam(icon.value), 0, 1, 1, 0, 0, DST_ICON));
  EXPECT_EQ(normal.pixels().at(1, 1), kFace);
  EXPECT_EQ(normal.pixels().at(2, 1), 0x0000FFu);
  EXPECT_EQ(normal.pixels().at(3, 3), kFace);
  DeleteObject(brush);
  DestroyIcon(icon);
}

TEST(DrawStateOnDc, BitmapsDrawAsTheyAreOrEmbossTheirInk) {
  Surface pixels(2, 2, 0xFFFFFF);
  pixels.at(0, 0) = 0x123456;
  pixels.at(1, 1) = 0x654321;
  const HBITMAP bitmap = make_bitmap_handle(pixels);
  MemoryDc normal(4, 4, 0x000000);
  ASSERT_TRUE(
      DrawStateA(normal.dc, HBRUSH{}, nullptr, as_lparam(bitmap.value), 0, 1, 1, 0, 0, DST_BITMAP));
  EXPECT_EQ(normal.pixels().at(1, 1), 0x123456u);
  EXPECT_EQ(normal.pixels().at(2, 1), 0xFFFFFFu);
  EXPECT_EQ(normal.pixels().at(2, 2), 0x654321u);
  EXPECT_EQ(normal.pixels().at(3, 3), 0x000000u);

  MemoryDc disabled(4, 4, kFace);
  ASSERT_TRUE(DrawStateA(disabled.dc, HBRUSH{}, nullptr, as_lparam(bitmap.value), 0, 0, 0, 0, 0,
                         DST_BITMAP | DSS_DISABLED));
  const std::vector<COLORREF> want = {
      0x808080, kFace,    kFace,    kFace,  //
      kFace,    0x808080, kFace,    kFace,  //
      kFace,    kFace,    0xFFFFFF, kFace,  //
      kFace,    kFace,    kFace,    kFace,
  };
  EXPECT_EQ(disabled.pixels().pixels, want);
  DeleteObject(bitmap);
}

TEST(DrawStateOnDc, BadHandlesAndTextInAnLparamFail) {
  MemoryDc c(4, 4, kFace);
  EXPECT_FALSE(DrawStateA(HDC{}, HBRUSH{}, nullptr, "a", 1, 0, 0, 0, 0, DST_TEXT));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_FALSE(DrawStateA(c.dc, HBRUSH{}, nullptr, as_lparam(0x1234), 0, 0, 0, 0, 0, DST_ICON));
  EXPECT_FALSE(DrawStateA(c.dc, HBRUSH{}, nullptr, as_lparam(0x1234), 0, 0, 0, 0, 0, DST_BITMAP));
  EXPECT_FALSE(DrawStateA(c.dc, HBRUSH{}, nullptr, as_lparam(0x1234), 0, 0, 0, 0, 0, DST_TEXT));
  EXPECT_FALSE(DrawStateA(c.dc, HBRUSH{}, nullptr, "a", 1, 0, 0, 0, 0, DST_TEXT | DSS_MONO));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(c.pixels().pixels, std::vector<COLORREF>(16, kFace));
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

TEST(DrawStateLooks, CropCutsTheStencilToTheAskedSize) {
  Stencil wide(0, 0, 3, 2);
  const Stencil s = crop(wide, 2, 0);
  EXPECT_EQ(s.width, 2);
  EXPECT_EQ(s.height, 2);
}

}  // namespace
}  // namespace win
