#include <cstdlib>

#include "candybutton/button_shape.h"
#include "candybutton/color_arithmetic.h"
#include "candybutton/painters/paint_pixel_style.h"
#include "platform/win/gdi/gdi.h"

namespace candy {

void PaintPixelFace(PainterContext& context, const std::int32_t& W, const std::int32_t& H, win::OLE_COLOR face) {
  // The body percentage divides by H; a face without width or height shows nothing.
  if (W <= 0 || H <= 0) return;
  const win::HDC dc = context.surface.hDC();
  const std::int32_t CR = context.m_CornerRadius;
  const win::COLORREF edge = BlendColors(0x000000, face, 50);
  win::COLORREF highlight = 0;
  // Two equal rounded shapes, the second lowered: the crescent between them
  // is the highlight.
  const std::int32_t crescent_radius = (2 * CR) / 3;
  const std::int32_t crescent_right = W - CR;
  const std::int32_t crescent_bottom = 2 * CR - 1;
  const std::int32_t lowered_top = CR / 2;
  const RoundedShape outer(0, 0, W, H, CR);
  const RoundedShape inner(1, 1, W - 2, H - 2, CR);
  const RoundedShape crescent(4, 2, crescent_right, crescent_bottom, crescent_radius);
  const RoundedShape lowered(4, lowered_top, crescent_right, crescent_bottom, crescent_radius);
  for (std::int32_t y = 0; y <= H; ++y) {
    if (y < CR) highlight = BlendColors(0xFFFFFF, face, (y * 30) / CR);
    // The body colour depends on the row alone.
    const win::COLORREF body = BlendColors(face, context.m_ColorBright, std::abs(((2 * y - H) * 100) / H));
    for (std::int32_t x = 0; x <= W / 2; ++x) {
      win::COLORREF color;
      if (inner.contains(x, y)) {
        const bool a = crescent.contains(x, y);
        const bool b = lowered.contains(x, y);
        color = a && !b ? highlight : body;
        win::SetPixelV(dc, x, y, color);
      } else if (outer.contains(x, y)) {
        color = edge;
        win::SetPixelV(dc, x, y, color);
      } else {
        continue;
      }
      win::SetPixelV(dc, W - x, y, color);
    }
  }
}

}  // namespace candy
