// Clipped pixel and span writes into a DC's surface, shared by the raster
// functions. Coordinates are 64-bit so that callers can pass unclipped
// geometry from 32-bit input without overflow.
#pragma once

#include <cstdint>

#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/region.h"

namespace win {

// Sets pixels x0 .. x1-1 of row y that lie inside the surface and the clip.
void fill_span(const DeviceContext& dc, std::int64_t y, std::int64_t x0, std::int64_t x1, COLORREF color);

inline void plot(const DeviceContext& dc, std::int64_t x, std::int64_t y, COLORREF color) {
  Surface* s = dc.surface;
  if (!s || x < 0 || y < 0 || x >= s->width || y >= s->height) return;
  const auto xi = static_cast<std::int32_t>(x), yi = static_cast<std::int32_t>(y);
  if (dc.clip && !dc.clip->contains(xi, yi)) return;
  s->at(xi, yi) = color;
}

}  // namespace win
