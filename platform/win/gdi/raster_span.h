// Clipped pixel and span writes into a DC's surface, shared by the raster
// functions. Coordinates are 64-bit so that callers can pass unclipped
// geometry from 32-bit input without overflow.
#pragma once

#include <cstdint>
#include <cwchar>

#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/region.h"

namespace win {

// Sets pixels x0 .. x1-1 of row y that lie inside the surface and the clip.
void fill_span(const DeviceContext& dc, std::int64_t y, std::int64_t x0, std::int64_t x1,
               COLORREF color);
// Copies source[x + shift] to pixel x of row y for each x in x0 .. x1-1 that
// lies inside the surface and the clip.
void copy_span(const DeviceContext& dc, std::int64_t y, std::int64_t x0, std::int64_t x1,
               const COLORREF* source, std::int64_t shift);

// n pixels of one colour from p on; a run of a row is filled many pixels a
// store, as wmemset does.
inline void fill_pixels(COLORREF* p, std::int64_t n, COLORREF color) {
  static_assert(sizeof(wchar_t) == sizeof(COLORREF));
  if (n > 0)
    std::wmemset(reinterpret_cast<wchar_t*>(p), static_cast<wchar_t>(color),
                 static_cast<std::size_t>(n));
}

inline void plot(const DeviceContext& dc, std::int64_t x, std::int64_t y, COLORREF color) {
  Surface* s = dc.surface;
  if (!s || x < 0 || y < 0 || x >= s->width || y >= s->height) return;
  const auto xi = static_cast<std::int32_t>(x), yi = static_cast<std::int32_t>(y);
  if (dc.clip && !dc.clip->contains(xi, yi)) return;
  s->at(xi, yi) = color;
}

}  // namespace win
