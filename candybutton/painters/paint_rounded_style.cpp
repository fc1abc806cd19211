#include "candybutton/painters/paint_rounded_style.h"

#include "candybutton/rounding.h"

namespace candy {

void PaintRoundedStyle(ButtonFace& button, const std::int32_t& state) {
  const std::optional<FaceParams> params =
      fill_face_params(button.m_Style, button.surface.ScaleWidth(), button.surface.ScaleHeight(),
                       button.m_CornerRadius);
  // A style 3 face less than half a pixel high has no glow height to compute
  // and nothing to show.
  if (!params) return;
  const std::optional<win::OLE_COLOR> face = face_color_for_state(button, state);
  if (!face) return;
  const std::int32_t W = RoundToInt(button.surface.ScaleWidth());
  const std::int32_t H = RoundToInt(button.surface.ScaleHeight());
  PaintRoundedFace(button, W, H, *face, *params);
}

}  // namespace candy
