#include "candybutton/painters/paint_rounded_style.h"

#include "candybutton/rounding.h"

namespace candy {

void PaintRoundedStyle(PainterContext& context, const std::int32_t& state) {
  const std::optional<FaceParams> params = fill_face_params(
      context.m_Style, context.surface.ScaleWidth(), context.surface.ScaleHeight(), context.m_CornerRadius);
  // A style 3 face less than half a pixel high has no glow height to compute
  // and nothing to show.
  if (!params) return;
  const std::optional<win::OLE_COLOR> face = face_color_for_state(context, state);
  if (!face) return;
  const std::int32_t W = RoundToInt(context.surface.ScaleWidth());
  const std::int32_t H = RoundToInt(context.surface.ScaleHeight());
  PaintRoundedFace(context, W, H, *face, *params);
}

}  // namespace candy
