#include "candybutton/painters/paint_push_button_style.h"

#include "candybutton/painters/drawing_helpers.h"

namespace candy {
namespace {

struct Rim {
  win::COLORREF row1, row2;            // the two rows under the top edge
  win::COLORREF side_start, side_end;  // the sides, from row 3 down
  win::COLORREF row_h2, row_h1;        // the two rows above the bottom edge
};

constexpr Rim kFocusRim = {win::RGB(206, 231, 255), win::RGB(188, 212, 246),
                           win::RGB(188, 212, 246), win::RGB(137, 173, 228),
                           win::RGB(137, 173, 228), win::RGB(105, 130, 238)};
constexpr Rim kMouseOverRim = {win::RGB(255, 240, 202), win::RGB(253, 216, 137),
                               win::RGB(253, 216, 137), win::RGB(248, 178, 48),
                               win::RGB(248, 178, 48),  win::RGB(229, 151, 0)};
constexpr FrameColors kFrame = {win::RGB(122, 149, 168), win::RGB(37, 87, 131),
                                win::RGB(0, 60, 116)};

void paint_pressed(forms::DrawingSurface& surface, std::int32_t w, std::int32_t h) {
  SurfaceRows s(surface);
  const win::COLORREF top = win::RGB(209, 204, 193), top_end = win::RGB(229, 228, 221);
  const win::COLORREF middle_end = win::RGB(226, 226, 218), bottom_end = win::RGB(242, 241, 238);
  draw_gradient_band(s, {0, 3, 1, 3.0, 0, w, top, top_end});
  draw_gradient_band(s, {4, h - 4, 0, double(h - 6), 0, w, top_end, middle_end});
  // Five rows: the last lies on the bottom edge, beyond the end colour.
  draw_gradient_band(s, {0, 4, h - 4, 3.0, 0, w, middle_end, bottom_end});
}

void paint_body(forms::DrawingSurface& surface, std::int32_t w, std::int32_t h) {
  SurfaceRows s(surface);
  const win::COLORREF shade_start = win::RGB(236, 235, 230);
  draw_gradient_band(s, {0, h - 3, 0, double(h - 3), 1, w, win::RGB(255, 255, 255), shade_start});
  draw_gradient_band(s, {0, 3, h - 4, 3.0, 0, w, shade_start, win::RGB(214, 208, 197)});
}

void paint_rim(forms::DrawingSurface& surface, std::int32_t w, std::int32_t h, const Rim& rim) {
  SurfaceRows s(surface);
  s.line(0, w, 1, rim.row1);
  s.line(0, w, 2, rim.row2);
  for (std::int32_t i = 3; i <= h - 3; ++i) {
    // h >= 6 here, so the division is safe.
    const win::COLORREF c = band_row_color(double(i) / h, rim.side_start, rim.side_end);
    s.line(0, 3, i, c);
    s.line(w - 2, w, i, c);
  }
  s.line(0, w, h - 2, rim.row_h2);
  s.line(0, w, h - 1, rim.row_h1);
}

}  // namespace

void PaintPushButtonStyle(ButtonFace& button, const std::int32_t& state) {
  forms::DrawingSurface& s = button.surface;
  const std::int32_t h = last_row(s);
  const std::int32_t w = last_column(s);
  fill_with_container_color(button, w, h);
  if (state == 1) {
    paint_pressed(s, w, h);
  } else {
    paint_body(s, w, h);
  }
  if (state == 2) paint_rim(s, w, h, kFocusRim);
  if (state == 3) paint_rim(s, w, h, kMouseOverRim);
  draw_rounded_frame(s, w, h, kFrame);
}

}  // namespace candy
