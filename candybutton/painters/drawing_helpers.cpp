#include "candybutton/painters/drawing_helpers.h"

#include <cmath>
#include <exception>

#include "candybutton/color_arithmetic.h"
#include "candybutton/rounding.h"
#include "platform/win/gdi/gdi.h"

namespace candy {
namespace {

std::int32_t band_channel(double t, std::int32_t s, std::int32_t e) {
  // Kept in this exact order: the rounding ties depend on it. The bands'
  // fractions stay within -2 .. 2, so the value is far inside 32 bits and
  // needs none of RoundToInt's saturation.
  return static_cast<std::int32_t>(std::nearbyint(t * e + s - t * s));
}

float px(std::int32_t v) { return static_cast<float>(v); }

// Every integer of at most 24 bits is a float as it is.
bool exact_in_float(std::int32_t v) { return v > -(1 << 24) && v < (1 << 24); }

}  // namespace

void draw_line(forms::DrawingSurface& surface, std::int32_t x1, std::int32_t y1, std::int32_t x2,
               std::int32_t y2, win::COLORREF color) {
  if ((color >> 24) == 0 && exact_in_float(x1) && exact_in_float(y1) && exact_in_float(x2) &&
      exact_in_float(y2)) {
    win::DrawSolidLine(surface.hDC(), x1, y1, x2, y2, color);
    return;
  }
  surface.Line(px(x1), px(y1), px(x2), px(y2), color);
}

void SurfaceRows::line(std::int32_t x1, std::int32_t x2, std::int32_t y, win::COLORREF color) {
  if ((color >> 24) == 0 && exact_in_float(x1) && exact_in_float(x2) && exact_in_float(y)) {
    m_rows.line(x1, x2, y, color);
    return;
  }
  m_surface.Line(px(x1), px(y), px(x2), px(y), color);
}

void draw_pixel(forms::DrawingSurface& surface, std::int32_t x, std::int32_t y,
                win::COLORREF color) {
  if ((color >> 24) == 0 && exact_in_float(x) && exact_in_float(y)) {
    win::SetPixelV(surface.hDC(), x, y, color);
    return;
  }
  surface.PSet(px(x), px(y), color);
}

win::COLORREF band_row_color(double t, win::COLORREF start, win::COLORREF end) {
  const std::int32_t r = band_channel(t, win::GetRValue(start), win::GetRValue(end));
  const std::int32_t g = band_channel(t, win::GetGValue(start), win::GetGValue(end));
  const std::int32_t b = band_channel(t, win::GetBValue(start), win::GetBValue(end));
  // A channel beyond 0..255 would spill into its neighbour, as a packed
  // colour would; the bands' fractions keep every channel inside.
  return win::COLORREF(r + 256 * g + 65536 * b);
}

void draw_gradient_band(SurfaceRows& rows, const GradientBand& band) {
  for (std::int32_t i = band.first; i <= band.last; ++i) {
    const double t = band.divisor == 0.0 ? 0.0 : i / band.divisor;
    const std::int32_t y = i + band.row_offset;
    rows.line(band.x_from, band.x_to, y, band_row_color(t, band.start, band.end));
  }
}

void draw_rounded_frame(forms::DrawingSurface& s, std::int32_t w, std::int32_t h,
                        const FrameColors& c) {
  draw_pixel(s, 1, 0, c.dot);
  draw_pixel(s, 0, 1, c.dot);
  draw_line(s, 0, 2, 2, 0, c.diagonal);
  draw_line(s, 2, 0, w - 2, 0, c.edge);
  draw_pixel(s, w - 1, 0, c.dot);
  draw_pixel(s, w, 1, c.dot);
  draw_line(s, w - 2, 0, w, 2, c.diagonal);
  draw_line(s, w, 2, w, h - 2, c.edge);
  draw_pixel(s, w, h - 1, c.dot);
  draw_pixel(s, w - 1, h, c.dot);
  draw_line(s, w, h - 2, w - 2, h, c.diagonal);
  draw_line(s, w - 2, h, 2, h, c.edge);
  draw_pixel(s, 1, h, c.dot);
  draw_pixel(s, 0, h - 1, c.dot);
  draw_line(s, 2, h, 0, h - 2, c.diagonal);
  draw_line(s, 0, h - 2, 0, 2, c.edge);
}

void fill_with_container_color(const ButtonFace& button, std::int32_t w, std::int32_t h) {
  std::optional<win::OLE_COLOR> back;
  try {
    if (button.container_back_color) back = button.container_back_color();
  } catch (const std::exception&) {
    back.reset();
  }
  if (!back) return;
  button.surface.Box(px(0), px(0), px(w), px(h), translate_ole_color(*back));
}

std::int32_t last_column(const forms::DrawingSurface& surface) {
  return RoundToInt(surface.ScaleWidth() - 1.0f);
}

std::int32_t last_row(const forms::DrawingSurface& surface) {
  return RoundToInt(surface.ScaleHeight() - 1.0f);
}

}  // namespace candy
