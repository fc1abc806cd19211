#include "platform/win/text_render.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "platform/win/font_face.h"

namespace win {
namespace {

std::unique_ptr<Font> tahoma(LONG height, bool underline = false, bool strike_out = false) {
  LOGFONTA log;
  log.lfHeight = height;
  log.lfUnderline = underline;
  log.lfStrikeOut = strike_out;
  std::strncpy(log.lfFaceName, "Tahoma", LF_FACESIZE - 1);
  return open_font(log);
}

RECT ink_box(const Stencil& s) {
  RECT box{1 << 20, 1 << 20, -(1 << 20), -(1 << 20)};
  for (std::int32_t y = s.top; y < s.top + s.height; ++y) {
    for (std::int32_t x = s.left; x < s.left + s.width; ++x) {
      if (!s.at(x, y)) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x + 1);
      box.bottom = std::max(box.bottom, y + 1);
    }
  }
  return box;
}

auto anywhere = [](std::int32_t, std::int32_t) { return true; };

TEST(TextRender, InkLiesWithinTheMeasuredExtent) {
  // Accents on capitals may rise above the cell, as they do on Windows.
  for (LONG height : {-11, -13, -16, -24}) {
    for (const char* text : {"Programs", "Video", "Music", "Pictures", "Ultilities", "Settings", "X",
                             "Qypjg|", "caf\xE9 \x80"}) {
      const auto font = tahoma(height);
      const SIZE extent = text_extent(*font, text);
      const RECT ink = ink_box(text_stencil(*font, text));
      EXPECT_GE(ink.left, 0) << text << " " << height;
      EXPECT_GE(ink.top, 0) << text << " " << height;
      EXPECT_LE(ink.right, extent.cx) << text << " " << height;
      EXPECT_LE(ink.bottom, extent.cy) << text << " " << height;
      // Close to the edges too: the extent is not padded.
      EXPECT_GE(ink.right, extent.cx - 3) << text << " " << height;
    }
  }
}

TEST(TextRender, ExtentIsTheSumOfTheCharacters) {
  const auto font = tahoma(-11);
  const SIZE whole = text_extent(*font, "Programs & Video");
  EXPECT_EQ(whole.cx, text_extent(*font, "Programs ").cx + text_extent(*font, "& Video").cx);
  EXPECT_EQ(whole.cy, font->face->metrics().height);
  EXPECT_EQ(text_extent(*font, "").cx, 0);
  EXPECT_EQ(text_extent(*font, "").cy, font->face->metrics().height);
}

TEST(TextRender, AntiAliasingBlendsOnlyBetweenBackgroundAndTextColour) {
  const COLORREF back = RGB(0x20, 0x40, 0x60);
  const COLORREF ink = RGB(0xF0, 0xC8, 0x10);
  Surface s(80, 20, back);
  paint_stencil(s, 3, 2, text_stencil(*tahoma(-13), "Sawgrass"), ink, StencilMode::AntiAliased, anywhere);
  std::set<COLORREF> blends;
  for (int a = 0; a < 256; ++a) blends.insert(blend(back, ink, static_cast<std::uint8_t>(a)));
  int partial = 0, full = 0;
  for (const COLORREF p : s.pixels) {
    EXPECT_TRUE(blends.count(p)) << std::hex << p;
    partial += p != back && p != ink;
    full += p == ink;
  }
  EXPECT_GT(partial, 0);
  EXPECT_GT(full, 0);
}

TEST(TextRender, DrawingRespectsTheClip) {
  Surface s(60, 20, 0xFFFFFF);
  paint_stencil(s, 0, 0, text_stencil(*tahoma(-13), "MMMMMM"), 0, StencilMode::AntiAliased,
                [](std::int32_t x, std::int32_t) { return x < 10; });
  for (int y = 0; y < s.height; ++y) {
    for (int x = 10; x < s.width; ++x) EXPECT_EQ(s.at(x, y), 0xFFFFFFu);
  }
}

TEST(TextRender, PrefixesResolve) {
  PrefixText p = resolve_prefixes("&Save");
  EXPECT_EQ(p.shown, "Save");
  EXPECT_EQ(p.underlined, std::vector<std::size_t>{0});
  p = resolve_prefixes("Fish && &Chips&");
  EXPECT_EQ(p.shown, "Fish & Chips");
  EXPECT_EQ(p.underlined, std::vector<std::size_t>{7});
  p = resolve_prefixes("&&&&");
  EXPECT_EQ(p.shown, "&&");
  EXPECT_TRUE(p.underlined.empty());
}

// The rows a horizontal line covers fully, each with the columns it spans.
std::vector<std::pair<std::int32_t, std::int32_t>> full_runs(const Stencil& s, std::int32_t y) {
  std::vector<std::pair<std::int32_t, std::int32_t>> runs;
  for (std::int32_t x = s.left; x < s.left + s.width; ++x) {
    if (s.at(x, y) != 255) continue;
    if (!runs.empty() && runs.back().second == x) {
      runs.back().second = x + 1;
    } else {
      runs.push_back({x, x + 1});
    }
  }
  return runs;
}

TEST(TextRender, PrefixUnderlineSpansTheUnderlinedCharacter) {
  const auto font = tahoma(-13);
  const FontMetrics& m = font->face->metrics();
  const PrefixText p = resolve_prefixes("Pic&tures");
  const Stencil plain = text_stencil(*font, p.shown);
  const Stencil marked = text_stencil(*font, p.shown, p.underlined);
  const std::int32_t start = text_extent(*font, "Pic").cx;
  const std::int32_t end = text_extent(*font, "Pict").cx;
  for (std::int32_t y = 0; y < m.height; ++y) {
    const bool underline_row = y >= m.ascent + m.underline_offset &&
                               y < m.ascent + m.underline_offset + m.underline_thickness;
    for (std::int32_t x = 0; x < text_extent(*font, p.shown).cx; ++x) {
      if (underline_row && x >= start && x < end) {
        EXPECT_EQ(marked.at(x, y), 255) << x << "," << y;
      } else {
        EXPECT_EQ(marked.at(x, y), plain.at(x, y)) << x << "," << y;
      }
    }
  }
}

TEST(TextRender, FontUnderlineAndStrikeOutSpanTheText) {
  const auto font = tahoma(-16, true, true);
  const FontMetrics& m = font->face->metrics();
  const Stencil s = text_stencil(*font, "Music");
  const std::int32_t width = text_extent(*font, "Music").cx;
  using Runs = std::vector<std::pair<std::int32_t, std::int32_t>>;
  EXPECT_EQ(full_runs(s, m.ascent + m.underline_offset), (Runs{{0, width}}));
  EXPECT_EQ(full_runs(s, m.ascent - m.strike_offset), (Runs{{0, width}}));
  EXPECT_LE(m.ascent + m.underline_offset + m.underline_thickness, m.height);
}

}  // namespace
}  // namespace win
