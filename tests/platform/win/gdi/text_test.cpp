#include "platform/win/gdi/text_render.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>
#include <vector>

#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/font_face.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/text.h"
#include "platform/win/user/window.h"
#include "tests/platform/win/gdi/memory_dc.h"

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
    for (const char* text : {"Programs", "Video", "Music", "Pictures", "Ultilities", "Settings",
                             "X", "Qypjg|", "caf\xE9 \x80"}) {
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

TEST(TextRender, AntiAliasingBlendsOnlyBetweenBackgroundAndTextColour) {
  const COLORREF back = RGB(0x20, 0x40, 0x60);
  const COLORREF ink = RGB(0xF0, 0xC8, 0x10);
  Surface s(80, 20, back);
  paint_stencil(s, 3, 2, text_stencil(*tahoma(-13), "Sawgrass"), ink, StencilMode::AntiAliased,
                anywhere);
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

// Every channel pair at every coverage, against the blend written out per
// channel: round((under * (255 - a) + over * a) / 255).
TEST(TextRender, BlendRoundsEveryChannelToNearest) {
  for (std::uint32_t a = 0; a < 256; ++a) {
    for (std::uint32_t u = 0; u < 256; ++u) {
      for (std::uint32_t o = 0; o < 256; ++o) {
        const std::uint32_t expect = (u * (255 - a) + o * a + 127) / 255;
        const COLORREF got =
            blend(RGB(u, 255 - u, u), RGB(o, o, 255 - o), static_cast<std::uint8_t>(a));
        ASSERT_EQ(GetRValue(got), expect) << u << " " << o << " " << a;
        ASSERT_EQ(GetGValue(got), ((255 - u) * (255 - a) + o * a + 127) / 255)
            << u << " " << o << " " << a;
        ASSERT_EQ(GetBValue(got), (u * (255 - a) + (255 - o) * a + 127) / 255)
            << u << " " << o << " " << a;
      }
    }
  }
}

// Runs of every length up to a few steps, over pixels with and without a top
// byte: each covered pixel gets the blend, an uncovered one stays as it was.
TEST(TextRender, BlendRunsMatchTheBlendOfEachPixel) {
  std::uint32_t seed = 12345;
  auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
  for (std::int32_t n = 0; n <= 19; ++n) {
    for (int round = 0; round < 200; ++round) {
      std::vector<COLORREF> pixels(static_cast<std::size_t>(n)),
          expect(static_cast<std::size_t>(n));
      std::vector<std::uint8_t> coverage(static_cast<std::size_t>(n));
      const COLORREF color = next();
      for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = next();
        const std::uint32_t pick = next() >> 24;
        coverage[i] = pick < 64 ? 0 : pick < 96 ? 255 : std::uint8_t(next() >> 24);
        expect[i] = coverage[i] ? blend(pixels[i], color & 0x00FFFFFF, coverage[i]) : pixels[i];
      }
      blend_run(pixels.data(), coverage.data(), n, color);
      ASSERT_EQ(pixels, expect) << n;
    }
  }
}

// The blend of a DC without a clip is the blend pixel by pixel.
TEST(TextRender, UnclippedTextBlendsAsThePixelByPixelPath) {
  const Stencil text = text_stencil(*tahoma(-13), "Sawgrass & Music");
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{{3, 2}, {-7, -3}, {70, 12}}) {
    Surface fast(90, 20, 0), slow(90, 20, 0);
    for (std::size_t i = 0; i < fast.pixels.size(); ++i)
      fast.pixels[i] = slow.pixels[i] = COLORREF(i * 2654435761u);
    paint_stencil(fast, x, y, text, RGB(0xF0, 0xC8, 0x10), StencilMode::AntiAliased, Anywhere{});
    paint_stencil(slow, x, y, text, RGB(0xF0, 0xC8, 0x10), StencilMode::AntiAliased, anywhere);
    EXPECT_EQ(fast.pixels, slow.pixels) << x << "," << y;
  }
}

// Stencils partly or wholly off any edge of the surface draw what lies on it.
TEST(TextRender, StencilsOverTheEdgesDrawOnlyWhatLiesOnTheSurface) {
  const Stencil text = text_stencil(*tahoma(-13), "MM");
  Surface whole(40, 30, 0xFFFFFF);
  paint_stencil(whole, 10, 8, text, 0, StencilMode::Solid, anywhere);
  for (const auto& [dx, dy] :
       std::vector<std::pair<int, int>>{{-12, 0}, {0, -11}, {25, 0}, {0, 20}, {-500, 0}}) {
    Surface cut(40, 30, 0xFFFFFF);
    paint_stencil(cut, 10 + dx, 8 + dy, text, 0, StencilMode::Solid, anywhere);
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 40; ++x) {
        const int fx = x - dx, fy = y - dy;
        const COLORREF expect =
            fx >= 0 && fy >= 0 && fx < 40 && fy < 30 ? whole.at(fx, fy) : 0xFFFFFFu;
        ASSERT_EQ(cut.at(x, y), expect) << dx << " " << dy << " at " << x << "," << y;
      }
    }
  }
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

TEST(TextOnDc, ExtentFollowsTheSelectedFont) {
  MemoryDc c(10, 10, 0);
  SIZE small{}, large{};
  ASSERT_TRUE(GetTextExtentPoint32A(c.dc, "Music", 5, &small));
  EXPECT_EQ(small, text_extent(default_font(), "Music"));
  LOGFONTA log;
  log.lfHeight = -20;
  const HFONT font = CreateFontIndirectA(&log);
  const HFONT old = SelectObject(c.dc, font);
  ASSERT_TRUE(GetTextExtentPoint32A(c.dc, "Music", 5, &large));
  EXPECT_EQ(large, text_extent(*font_from_handle(font), "Music"));
  EXPECT_GT(large.cx, small.cx);
  EXPECT_GT(large.cy, small.cy);
  TEXTMETRICA tm;
  ASSERT_TRUE(GetTextMetricsA(c.dc, &tm));
  EXPECT_EQ(tm.tmHeight, large.cy);
  EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
  SelectObject(c.dc, old);
  EXPECT_TRUE(DeleteObject(font));
  // Ampersands count like any character.
  SIZE with_prefix{};
  GetTextExtentPoint32A(c.dc, "&Music", 6, &with_prefix);
  EXPECT_EQ(with_prefix.cx, small.cx + text_extent(default_font(), "&").cx);
}

TEST(TextOnDc, TransparentTextBlendsOverWhatIsThere) {
  MemoryDc c(60, 20, 0x102030);
  SetBkMode(c.dc, TRANSPARENT);
  EXPECT_EQ(SetTextColor(c.dc, 0x00FFEE), 0x000000u);
  EXPECT_EQ(GetTextColor(c.dc), 0x00FFEEu);
  ASSERT_TRUE(TextOutA(c.dc, 2, 3, "Video", 5));
  Surface expected(60, 20, 0x102030);
  paint_stencil(expected, 2, 3, text_stencil(default_font(), "Video"), 0x00FFEE,
                StencilMode::AntiAliased, anywhere);
  EXPECT_EQ(c.pixels().pixels, expected.pixels);
}

TEST(TextOnDc, OpaqueTextFillsExactlyItsCell) {
  MemoryDc c(60, 20, 0x102030);
  SetBkMode(c.dc, OPAQUE);
  SetBkColor(c.dc, 0xABCDEF);
  ASSERT_TRUE(TextOutA(c.dc, 4, 2, "Video", 5));
  const SIZE extent = text_extent(default_font(), "Video");
  Surface expected(60, 20, 0xABCDEF);
  paint_stencil(expected, 4, 2, text_stencil(default_font(), "Video"), 0, StencilMode::AntiAliased,
                anywhere);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 60; ++x) {
      const bool in_cell = x >= 4 && x < 4 + extent.cx && y >= 2 && y < 2 + extent.cy;
      const COLORREF want = in_cell ? expected.at(x, y) : 0x102030;
      EXPECT_EQ(c.pixels().at(x, y), want) << x << "," << y;
    }
  }
}

TEST(TextOnDc, DrawTextAlignsAndMeasures) {
  MemoryDc c(100, 30, 0xFFFFFF);
  const SIZE extent = text_extent(default_font(), "Save");
  RECT r{10, 5, 90, 25};
  EXPECT_EQ(DrawTextA(c.dc, "&Save", -1, &r, DT_CALCRECT | DT_SINGLELINE), extent.cy);
  EXPECT_EQ(r, (RECT{10, 5, 10 + extent.cx, 5 + extent.cy}));
  SetBkMode(c.dc, TRANSPARENT);
  r = RECT{10, 5, 90, 25};
  DrawTextA(c.dc, "Save", -1, &r, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX);
  Surface expected(100, 30, 0xFFFFFF);
  paint_stencil(expected, 90 - extent.cx, 5, text_stencil(default_font(), "Save"), 0,
                StencilMode::AntiAliased, anywhere);
  EXPECT_EQ(c.pixels().pixels, expected.pixels);
}

TEST(TextOnDc, BadHandlesAndArgumentsFail) {
  EXPECT_EQ(SetTextColor(HDC{}, 0), CLR_INVALID);
  EXPECT_EQ(GetTextColor(HDC{0x777}), CLR_INVALID);
  SIZE size{};
  EXPECT_FALSE(GetTextExtentPoint32A(HDC{}, "a", 1, &size));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  MemoryDc c(4, 4, 0);
  EXPECT_FALSE(TextOutA(c.dc, 0, 0, nullptr, 3));
  EXPECT_FALSE(TextOutA(c.dc, 0, 0, "abc", -1));
  EXPECT_FALSE(GetTextExtentPoint32A(c.dc, "a", 1, nullptr));
  EXPECT_TRUE(TextOutA(c.dc, 0, 0, nullptr, 0));
}

}  // namespace
}  // namespace win
