// Stencils: what text and pictures put on a surface, as coverage per pixel,
// before a colour is chosen. Text is drawn anti-aliased by blending its
// coverage over the destination; the one-colour looks of DrawStateA (the
// disabled emboss and the mono silhouette) use it as a solid mask, as the
// monochrome masks of Windows do, so they show exactly their colours.
#pragma once

#include <algorithm>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "platform/win/gdi/icon.h"
#include "platform/win/gdi/surface.h"
#include "platform/win/kernel/types.h"

namespace win {

struct Stencil {
  std::int32_t left = 0;  // the coverage box, relative to the drawing origin
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint8_t> coverage;  // width x height, row-major

  Stencil() = default;
  Stencil(std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h);

  bool empty() const { return width <= 0 || height <= 0; }
  // Coverage at a point relative to the drawing origin; 0 outside the box.
  std::uint8_t at(std::int32_t x, std::int32_t y) const;
  // Raises the coverage at a point relative to the origin; outside the box it is ignored.
  // Inline: text is composed a glyph pixel at a time.
  void cover(std::int32_t x, std::int32_t y, std::uint8_t value) {
    x -= left;
    y -= top;
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    std::uint8_t& c = coverage[static_cast<std::size_t>(y * width + x)];
    if (value > c) c = value;
  }
};

// A solid mask is set where the coverage reaches half.
inline constexpr std::uint8_t kSolidThreshold = 128;

enum class StencilMode { AntiAliased, Solid };

// `over` laid on `under` with the given coverage, per channel, rounded to
// nearest: (under * (255 - a) + over * a + 127) / 255. Red and blue are worked
// side by side in one word, 16 bits each, where no sum can carry into the
// other; the division by 255 is (v + (v >> 8) + 1) >> 8, exact for every sum
// the blend can make.
inline COLORREF blend(COLORREF under, COLORREF over, std::uint8_t coverage) {
  const std::uint32_t a = coverage;
  const std::uint32_t b = 255 - a;
  std::uint32_t rb = (under & 0xFF00FF) * b + (over & 0xFF00FF) * a + 0x7F007F;
  std::uint32_t g = ((under >> 8) & 0xFF) * b + ((over >> 8) & 0xFF) * a + 0x7F;
  rb = ((rb + ((rb >> 8) & 0xFF00FF) + 0x10001) >> 8) & 0xFF00FF;
  g = ((g + (g >> 8) + 1) >> 8) & 0xFF;
  return rb | (g << 8);
}

// blend(pixel, color, coverage[i]) for each of n pixels whose coverage is not
// 0; the others are left as they are. Several pixels a step where the
// processor has the instructions for it.
void blend_run(COLORREF* pixels, const std::uint8_t* coverage, std::int32_t n, COLORREF color);

// The may_draw of a DC without a clip: every pixel of the surface.
struct Anywhere {
  bool operator()(std::int32_t, std::int32_t) const { return true; }
};

// Paints a stencil whose origin lies at (x, y) in one colour. may_draw(x, y)
// tells whether a pixel of the surface may be touched (the clip). The rows
// and columns off the surface are cut away once, not tested a pixel at a time.
template <class MayDraw>
void paint_stencil(Surface& surface, std::int32_t x, std::int32_t y, const Stencil& stencil,
                   COLORREF color, StencilMode mode, MayDraw&& may_draw) {
  color &= 0x00FFFFFF;
  const std::int64_t x0 = std::int64_t(x) + stencil.left, y0 = std::int64_t(y) + stencil.top;
  const std::int32_t col_from = std::int32_t(std::clamp<std::int64_t>(-x0, 0, stencil.width));
  const std::int32_t col_to =
      std::int32_t(std::clamp<std::int64_t>(surface.width - x0, col_from, stencil.width));
  const std::int32_t row_from = std::int32_t(std::clamp<std::int64_t>(-y0, 0, stencil.height));
  const std::int32_t row_to =
      std::int32_t(std::clamp<std::int64_t>(surface.height - y0, row_from, stencil.height));
  if (col_from >= col_to) return;
  for (std::int32_t row = row_from; row < row_to; ++row) {
    const std::int32_t sy = std::int32_t(y0 + row);
    const std::uint8_t* coverage =
        stencil.coverage.data() + static_cast<std::size_t>(row) * std::size_t(stencil.width);
    if constexpr (std::is_same_v<std::decay_t<MayDraw>, Anywhere>) {
      if (mode == StencilMode::AntiAliased) {
        blend_run(&surface.at(std::int32_t(x0 + col_from), sy), coverage + col_from,
                  col_to - col_from, color);
        continue;
      }
    }
    for (std::int32_t col = col_from; col < col_to; ++col) {
      const std::uint8_t c = coverage[col];
      const std::int32_t sx = std::int32_t(x0 + col);
      if (mode == StencilMode::Solid) {
        if (c >= kSolidThreshold && may_draw(sx, sy)) surface.at(sx, sy) = color;
      } else if (may_draw(sx, sy)) {
        // Worked out for every pixel and kept where covered: cheaper than
        // guessing which pixels the glyphs' edges cover.
        COLORREF& pixel = surface.at(sx, sy);
        const COLORREF blended = blend(pixel, color, c);
        pixel = c != 0 ? blended : pixel;
      }
    }
  }
}

// Copies the pixels of `image` (its top-left at (x, y)) where the mask is set.
template <class MayDraw>
void paint_image(Surface& surface, std::int32_t x, std::int32_t y, const Surface& image,
                 const Stencil& mask, MayDraw&& may_draw) {
  for (std::int32_t row = 0; row < mask.height; ++row) {
    for (std::int32_t col = 0; col < mask.width; ++col) {
      const std::int32_t ix = mask.left + col;
      const std::int32_t iy = mask.top + row;
      if (mask.coverage[static_cast<std::size_t>(row * mask.width + col)] < kSolidThreshold)
        continue;
      if (!image.contains(ix, iy)) continue;
      const std::int32_t sx = x + ix;
      const std::int32_t sy = y + iy;
      if (surface.contains(sx, sy) && may_draw(sx, sy)) surface.at(sx, sy) = image.at(ix, iy);
    }
  }
}

// The disabled look: the stencil in the highlight colour one pixel down and
// right, then in the shadow colour in place.
template <class MayDraw>
void paint_embossed(Surface& surface, std::int32_t x, std::int32_t y, const Stencil& stencil,
                    COLORREF highlight, COLORREF shadow, MayDraw&& may_draw) {
  paint_stencil(surface, x + 1, y + 1, stencil, highlight, StencilMode::Solid, may_draw);
  paint_stencil(surface, x, y, stencil, shadow, StencilMode::Solid, may_draw);
}

// The part of a stencil inside 0..cx-1 x 0..cy-1; 0 leaves that direction uncut.
Stencil crop(const Stencil& stencil, std::int32_t cx, std::int32_t cy);

// Picture masks, from the top-left corner, cut to cx x cy (0: the picture's own size).
// Every pixel of a bitmap.
Stencil whole_stencil(const Surface& image, std::int32_t cx, std::int32_t cy);
// The pixels of a bitmap that are not white: its ink for the one-colour looks,
// as a monochrome copy made against a white background has it.
Stencil ink_stencil(const Surface& image, std::int32_t cx, std::int32_t cy);
// The pixels of an icon that its AND mask leaves opaque.
Stencil icon_stencil(const Icon& icon, std::int32_t cx, std::int32_t cy);

}  // namespace win
