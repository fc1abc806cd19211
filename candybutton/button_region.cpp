#include "candybutton/button_region.h"

#include "candybutton/button_shape.h"
#include "candybutton/rounding.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/region.h"

namespace candy {

void UpdateButtonRegion(ShapeContext& context) {
  forms::DrawingSurface& surface = context.surface;
  if (context.m_Region) {
    win::DeleteObject(context.m_Region);
    context.m_Region = win::HRGN{};
  }
  const std::optional<std::int32_t> radius =
      button_corner_radius(context.m_Style, RoundToInt(surface.ScaleWidth()), RoundToInt(surface.ScaleHeight()));
  if (!radius) {
    surface.SetWindowRgn(win::HRGN{});
    return;
  }
  const std::int32_t W = RoundToInt(surface.ScaleWidth());
  const std::int32_t H = RoundToInt(surface.ScaleHeight());
  const win::HRGN outer = CreateRoundedRegion(0, 0, W, H, *radius, context.m_CornerRadius);
  surface.SetWindowRgn(outer);  // the window owns it from here on
  const std::int32_t W2 = RoundToInt(surface.ScaleWidth() - 2.0f);
  const std::int32_t H2 = RoundToInt(surface.ScaleHeight() - 2.0f);
  context.m_Region = CreateRoundedRegion(1, 1, W2, H2, *radius, context.m_CornerRadius);
}

void UpdateButtonRegion(PainterContext& context) {
  ShapeContext shape{context.surface, context.m_Style, context.m_CornerRadius, context.m_Region};
  UpdateButtonRegion(shape);
}

win::HRGN CreateRoundedRegion(const std::int32_t& x, const std::int32_t& y, const std::int32_t& width,
                              const std::int32_t& height, const std::int32_t& radius, std::int32_t& corner_radius) {
  corner_radius = radius < 1 ? 1 : radius;
  const RoundedShape shape(x, y, width, height, corner_radius);
  const win::HRGN region = win::CreateRectRgn(0, 0, x + width, y + height);
  std::int32_t prev_col = 0;
  std::int32_t prev_row = 0;
  if (y + height < 0) return region;
  for (std::int32_t row = 0; row <= y + height; ++row) {
    for (std::int32_t col = 0; col <= (x + width) / 2; ++col) {
      if (shape.contains(col, row)) continue;
      // The first cut pixel of a new row closes the cut of the previous run of
      // rows: once on the right half (mirrored), once on the left.
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
