#include "candybutton/rounded_region_scan.h"

#include "candybutton/button_shape.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/region.h"

namespace candy {

win::HRGN CreateRoundedRegionByScan(std::int32_t x, std::int32_t y, std::int32_t width,
                                    std::int32_t height, std::int32_t radius) {
  const std::int32_t R = radius < 1 ? 1 : radius;
  const win::HRGN region = win::CreateRectRgn(0, 0, x + width, y + height);
  std::int32_t prev_col = 0, prev_row = 0;
  if (y + height < 0) return region;
  for (std::int32_t row = 0; row <= y + height; ++row) {
    for (std::int32_t col = 0; col <= (x + width) / 2; ++col) {
      if (PointInRoundedShape(col, row, x, y, width, height, R)) continue;
      if (row != prev_row) {
        XorRectIntoRegion(region, x + width - prev_col, prev_row, width - col, row);
        if (2 * prev_col != x + width) ++prev_col;
        XorRectIntoRegion(region, col, row, prev_col, prev_row);
      }
      prev_col = col;
      prev_row = row;
    }
  }
  return region;
}

void XorRectIntoRegion(win::HRGN region, const std::int32_t& left, const std::int32_t& top,
                       const std::int32_t& right, const std::int32_t& bottom) {
  const win::HRGN rect = win::CreateRectRgn(left, top, right, bottom);
  win::CombineRgn(region, region, rect, win::RGN_XOR);
  win::DeleteObject(rect);
}

}  // namespace candy
