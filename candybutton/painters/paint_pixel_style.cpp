#include "candybutton/painters/paint_pixel_style.h"

#include "candybutton/painters/face_params.h"
#include "candybutton/rounding.h"

namespace candy {

void PaintPixelStyle(PainterContext& context, const std::int32_t& state) {
  const std::optional<win::OLE_COLOR> face = face_color_for_state(context, state);
  if (!face) return;
  const std::int32_t W = RoundToInt(context.surface.ScaleWidth() - 1.0f);
  const std::int32_t H = RoundToInt(context.surface.ScaleHeight() - 1.0f);
  PaintPixelFace(context, W, H, *face);
}

}  // namespace candy
