// The per-style numbers that drive the shaded face of styles 2, 3, 4, 5 and 7:
// where the gloss band sits and how fast it fades, and the size, centre and
// steepness of the elliptical glow.
#pragma once

#include <cstdint>
#include <optional>

#include "candybutton/painters/button_face.h"
#include "platform/win/kernel/types.h"

namespace candy {

struct FaceParams {
  std::int32_t GlossBase = 0;   // percentage at the top row of the gloss
  std::int32_t GlossSlope = 0;  // percentage gained per row, before division by CR
  std::int32_t GlossLeft = 0;   // gloss rounded rectangle
  std::int32_t GlossTop = 0;
  std::int32_t GlossRadius = 0;
  std::int32_t GlossBottom = 0;
  std::int32_t GlossRight = 0;
  std::int32_t GlowWidthPct = 0;   // horizontal glow radius, percent of the face width
  std::int32_t GlowHeightPct = 0;  // vertical glow radius, percent of the face height
  std::int32_t GlowCenterX = 0;
  std::int32_t GlowCenterY = 0;
  std::int32_t GlowStep = 0;  // percentage per glow ring, before division by the vertical radius
  friend bool operator==(const FaceParams&, const FaceParams&) = default;
};

// The record of each shaded style at surface size SW x SH and corner radius
// CR; the style table holds them.
std::optional<FaceParams> face_params_style2(float SW, float SH, std::int32_t CR);
// Nothing when SH rounds to 0, whose glow height would divide by zero.
std::optional<FaceParams> face_params_style3(float SW, float SH, std::int32_t CR);
std::optional<FaceParams> face_params_style4(float SW, float SH, std::int32_t CR);
std::optional<FaceParams> face_params_style5(float SW, float SH, std::int32_t CR);
std::optional<FaceParams> face_params_style7(float SW, float SH, std::int32_t CR);

// The record of any style, through the style table: all zero for a style
// without a shaded face.
std::optional<FaceParams> fill_face_params(std::int32_t style, float SW, float SH, std::int32_t CR);

// The face colour of a drawing state: up for 0 and 2, hover for 3, down for 1
// and 4; nothing for any other state.
std::optional<win::OLE_COLOR> face_color_for_state(const ButtonFace& button, std::int32_t state);

}  // namespace candy
