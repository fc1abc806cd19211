#include "candybutton/painters/paint_tool_button_style.h"

#include "candybutton/painters/drawing_helpers.h"

namespace candy {
namespace {

struct ToolLook {
  win::COLORREF top_start, top_end;  // the top band ends where the middle one starts
  win::COLORREF middle_end;          // and the middle ends where the bottom starts
  win::COLORREF bottom_end;
  FrameColors frame;
};

constexpr ToolLook kPressed = {
    win::RGB(220, 218, 209),
    win::RGB(231, 230, 224),
    win::RGB(225, 224, 216),
    win::RGB(235, 234, 229),
    {win::RGB(215, 215, 204), win::RGB(179, 179, 168), win::RGB(157, 157, 146)}};
constexpr ToolLook kMouseOver = {
    win::RGB(254, 254, 253),
    win::RGB(252, 252, 249),
    win::RGB(238, 237, 229),
    win::RGB(215, 210, 198),
    {win::RGB(232, 232, 221), win::RGB(216, 216, 205), win::RGB(206, 206, 195)}};
constexpr FrameColors kCheckedFrame = {win::RGB(203, 213, 214), win::RGB(152, 175, 190),
                                       win::RGB(122, 152, 175)};

void paint_bands(forms::DrawingSurface& s, std::int32_t w, std::int32_t h, const ToolLook& look) {
  SurfaceRows rows(s);
  draw_gradient_band(rows, {0, 3, 1, 3.0, 0, w, look.top_start, look.top_end});
  draw_gradient_band(rows, {4, h - 4, 0, double(h - 6), 0, w, look.top_end, look.middle_end});
  draw_gradient_band(rows, {0, 3, h - 4, 3.0, 0, w, look.middle_end, look.bottom_end});
  draw_rounded_frame(s, w, h, look.frame);
}

}  // namespace

void PaintToolButtonStyle(ButtonFace& button, const std::int32_t& state) {
  forms::DrawingSurface& s = button.surface;
  const std::int32_t h = last_row(s);
  const std::int32_t w = last_column(s);
  fill_with_container_color(button, w, h);
  switch (state) {
    case 1: paint_bands(s, w, h, kPressed); break;
    case 3: paint_bands(s, w, h, kMouseOver); break;
    case 4:
      s.Box(1.0f, 1.0f, float(w - 1), float(h - 1), win::RGB(255, 255, 255));
      draw_rounded_frame(s, w, h, kCheckedFrame);
      break;
    default: break;
  }
}

}  // namespace candy
