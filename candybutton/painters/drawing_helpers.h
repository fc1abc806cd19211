// Drawing shared by the push-button and tool-button painters: the background
// fill, gradient bands and the rounded one-pixel frame. Coordinates are
// integer pixels; the surface draws lines without their end pixel.
#pragma once

#include <cstdint>

#include "candybutton/painters/button_face.h"
#include "platform/forms/drawing_surface.h"
#include "platform/win/gdi/solid_line.h"
#include "platform/win/kernel/types.h"

namespace candy {

// The surface's Line from (x1, y1) to (x2, y2), end pixel left out, for
// integer end points. Taken straight to the surface's device context when
// nothing would change on the way (points that convert to float exactly, a
// plain colour that needs no translation), which saves the conversions of
// the general path on the thousands of rows a repaint draws.
void draw_line(forms::DrawingSurface& surface, std::int32_t x1, std::int32_t y1, std::int32_t x2,
               std::int32_t y2, win::COLORREF color);

// The surface's PSet of (x, y), under the same conditions as draw_line.
void draw_pixel(forms::DrawingSurface& surface, std::int32_t x, std::int32_t y,
                win::COLORREF color);

// Rows on the surface, one colour each, for the bands and rims drawn row by
// row: each the surface's Line from (x1, y) to (x2, y), taken straight to its
// device context under the same conditions as draw_line above.
class SurfaceRows {
 public:
  explicit SurfaceRows(forms::DrawingSurface& surface)
      : m_surface(surface), m_rows(surface.hDC()) {}
  void line(std::int32_t x1, std::int32_t x2, std::int32_t y, win::COLORREF color);

 private:
  forms::DrawingSurface& m_surface;
  win::SolidRows m_rows;
};

// One band row: per channel round(t * E + S - t * S), in double and in that
// order, rounded to nearest with ties to even.
win::COLORREF band_row_color(double t, win::COLORREF start, win::COLORREF end);

// A gradient band drawn row by row, top first: for i = first .. last, a line on
// row i + row_offset from column x_from to x_to (end excluded) with fraction
// t = i / divisor. A divisor of 0 (a single-row body at a height of 4) uses
// t = 0; such a row is always covered by the frame afterwards.
struct GradientBand {
  std::int32_t first;
  std::int32_t last;
  std::int32_t row_offset;
  double divisor;
  std::int32_t x_from;
  std::int32_t x_to;
  win::COLORREF start;
  win::COLORREF end;
};
void draw_gradient_band(SurfaceRows& rows, const GradientBand& band);

// The closed outline along the edges of the box (0, 0) .. (w, h), each corner
// cut by a two-pixel diagonal in colour `diagonal` with a `dot` pixel on either
// side of it. The four extreme corner pixels are left alone.
struct FrameColors {
  win::COLORREF dot;
  win::COLORREF diagonal;
  win::COLORREF edge;
};
void draw_rounded_frame(forms::DrawingSurface& surface, std::int32_t w, std::int32_t h,
                        const FrameColors& colors);

// Fills (0, 0) .. (w, h) with the container's BackColor, translated; skipped
// when the container or its BackColor cannot be read (an empty answer or an
// exception from the reader).
void fill_with_container_color(const ButtonFace& button, std::int32_t w, std::int32_t h);

// Right and bottom pixel index of the surface: round(ScaleWidth - 1) and
// round(ScaleHeight - 1), computed in single precision.
std::int32_t last_column(const forms::DrawingSurface& surface);
std::int32_t last_row(const forms::DrawingSurface& surface);

}  // namespace candy
