#include "candybutton/painters/paint_pixel_style.h"

#include "candybutton/painters/face_params.h"
#include "candybutton/rounding.h"

namespace candy {

void PaintPixelStyle(ButtonFace& button, const std::int32_t& state) {
  const std::optional<win::OLE_COLOR> face = face_color_for_state(button, state);
  if (!face) return;
  const std::int32_t W = RoundToInt(button.surface.ScaleWidth() - 1.0f);
  const std::int32_t H = RoundToInt(button.surface.ScaleHeight() - 1.0f);
  PaintPixelFace(button, W, H, *face);
}

}  // namespace candy
