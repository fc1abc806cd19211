#include "candybutton/styles.h"

#include "candybutton/button_shape.h"
#include "candybutton/painters/paint_pixel_style.h"
#include "candybutton/painters/paint_push_button_style.h"
#include "candybutton/painters/paint_rounded_style.h"
#include "candybutton/painters/paint_tool_button_style.h"

namespace candy {

namespace {

// A new style is one more row here, one painter file and its fixtures.
constexpr StyleRow kStyles[kStyleCount] = {
    {"push", PaintPushButtonStyle, nullptr, nullptr},
    {"tool", PaintToolButtonStyle, nullptr, nullptr},
    {"rounded", PaintRoundedStyle, corner_radius_half_height, face_params_style2},
    {"rounded", PaintRoundedStyle, corner_radius_fixed, face_params_style3},
    {"rounded", PaintRoundedStyle, corner_radius_half_height, face_params_style4},
    {"rounded", PaintRoundedStyle, corner_radius_half_height, face_params_style5},
    {"pixel", PaintPixelStyle, corner_radius_third_height, nullptr},
    {"rounded", PaintRoundedStyle, corner_radius_quarter_height, face_params_style7},
};

}  // namespace

const StyleRow* style_row(std::int32_t style) {
  if (style < 0 || style >= kStyleCount) return nullptr;
  return &kStyles[style];
}

FacePaint PaintFace(ButtonFace button, std::int32_t state) {
  if (const StyleRow* row = style_row(button.m_Style)) row->paint(button, state);
  return {button.m_CornerRadius, button.m_BorderBrightness};
}

}  // namespace candy
