#include "platform/win/gdi/stencil.h"

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace win {

Stencil::Stencil(std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h)
    : left(l),
      top(t),
      width(std::max(w, 0)),
      height(std::max(h, 0)),
      coverage(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0) {}

// Four pixels a step in 16-bit lanes, a lane a channel: every product and sum
// of the blend stays below 65408, so no lane overflows.
void blend_run(COLORREF* pixels, const std::uint8_t* coverage, std::int32_t n, COLORREF color) {
  color &= 0x00FFFFFF;
  std::int32_t i = 0;
#ifdef __SSE2__
  const __m128i zero = _mm_setzero_si128();
  const __m128i over = _mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(color)), zero);
  const __m128i full = _mm_set1_epi16(255), half = _mm_set1_epi16(127), one = _mm_set1_epi16(1);
  const __m128i channels = _mm_set1_epi32(0x00FFFFFF);
  auto mix = [&](__m128i under, __m128i a) {
    const __m128i b = _mm_sub_epi16(full, a);
    const __m128i v =
        _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(under, b), _mm_mullo_epi16(over, a)), half);
    return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(v, _mm_srli_epi16(v, 8)), one), 8);
  };
  for (; i + 4 <= n; i += 4) {
    std::uint32_t four;
    std::memcpy(&four, coverage + i, sizeof four);
    __m128i a = _mm_cvtsi32_si128(static_cast<int>(four));
    a = _mm_unpacklo_epi8(a, a);
    a = _mm_unpacklo_epi16(a, a);  // each pixel's coverage in all four of its bytes
    const __m128i under = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + i));
    const __m128i lo = mix(_mm_unpacklo_epi8(under, zero), _mm_unpacklo_epi8(a, zero));
    const __m128i hi = mix(_mm_unpackhi_epi8(under, zero), _mm_unpackhi_epi8(a, zero));
    const __m128i blended = _mm_and_si128(_mm_packus_epi16(lo, hi), channels);
    const __m128i bare = _mm_cmpeq_epi32(a, zero);
    const __m128i out = _mm_or_si128(_mm_and_si128(bare, under), _mm_andnot_si128(bare, blended));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + i), out);
  }
#endif
  for (; i < n; ++i)
    if (coverage[i] != 0) pixels[i] = blend(pixels[i], color, coverage[i]);
}

std::uint8_t Stencil::at(std::int32_t x, std::int32_t y) const {
  x -= left;
  y -= top;
  if (x < 0 || y < 0 || x >= width || y >= height) return 0;
  return coverage[static_cast<std::size_t>(y * width + x)];
}

Stencil crop(const Stencil& stencil, std::int32_t cx, std::int32_t cy) {
  const std::int32_t left = cx > 0 ? std::max(stencil.left, 0) : stencil.left;
  const std::int32_t top = cy > 0 ? std::max(stencil.top, 0) : stencil.top;
  const std::int32_t right =
      cx > 0 ? std::min(stencil.left + stencil.width, cx) : stencil.left + stencil.width;
  const std::int32_t bottom =
      cy > 0 ? std::min(stencil.top + stencil.height, cy) : stencil.top + stencil.height;
  Stencil out(left, top, right - left, bottom - top);
  for (std::int32_t y = 0; y < out.height; ++y) {
    for (std::int32_t x = 0; x < out.width; ++x) {
      out.coverage[static_cast<std::size_t>(y * out.width + x)] = stencil.at(left + x, top + y);
    }
  }
  return out;
}

namespace {

template <class IsInk>
Stencil picture_stencil(std::int32_t w, std::int32_t h, std::int32_t cx, std::int32_t cy,
                        IsInk is_ink) {
  if (cx > 0) w = std::min(w, cx);
  if (cy > 0) h = std::min(h, cy);
  Stencil stencil(0, 0, w, h);
  for (std::int32_t y = 0; y < stencil.height; ++y) {
    for (std::int32_t x = 0; x < stencil.width; ++x) {
      if (is_ink(x, y)) stencil.coverage[static_cast<std::size_t>(y * stencil.width + x)] = 255;
    }
  }
  return stencil;
}

}  // namespace

Stencil whole_stencil(const Surface& image, std::int32_t cx, std::int32_t cy) {
  return picture_stencil(image.width, image.height, cx, cy,
                         [](std::int32_t, std::int32_t) { return true; });
}

Stencil ink_stencil(const Surface& image, std::int32_t cx, std::int32_t cy) {
  return picture_stencil(image.width, image.height, cx, cy, [&](std::int32_t x, std::int32_t y) {
    return (image.at(x, y) & 0x00FFFFFF) != 0x00FFFFFF;
  });
}

Stencil icon_stencil(const Icon& icon, std::int32_t cx, std::int32_t cy) {
  const bool has_mask = icon.transparent.size() == static_cast<std::size_t>(icon.color.width) *
                                                       static_cast<std::size_t>(icon.color.height);
  return picture_stencil(
      icon.color.width, icon.color.height, cx, cy,
      [&](std::int32_t x, std::int32_t y) { return !has_mask || !icon.is_transparent(x, y); });
}

}  // namespace win
