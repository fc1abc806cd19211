#include "candybutton/painters/face_params.h"

#include <algorithm>

#include "candybutton/rounding.h"
#include "candybutton/styles.h"

namespace candy {

namespace {

// Every shaded style reaches its gloss past the right edge but style 7, and
// centres its glow on the bottom edge but style 7 (on the middle row).
FaceParams shaded_defaults(float SW, float SH, std::int32_t CR) {
  FaceParams p;
  p.GlossRight = RoundToInt(SW + 2.0f * float(CR));
  p.GlowCenterX = RoundToInt(SW / 2.0f);
  p.GlowCenterY = RoundToInt(SH);
  return p;
}

}  // namespace

std::optional<FaceParams> face_params_style2(float SW, float SH, std::int32_t CR) {
  FaceParams p = shaded_defaults(SW, SH, CR);
  p.GlossSlope = 50;
  p.GlossLeft = CR / 2;
  p.GlossTop = 1;
  p.GlossRadius = CR / 2;
  p.GlossBottom = RoundToInt(double(CR) * 1.1);
  p.GlowWidthPct = 300;
  p.GlowHeightPct = 60;
  p.GlowStep = 120;
  return p;
}

std::optional<FaceParams> face_params_style3(float SW, float SH, std::int32_t CR) {
  const std::int32_t height = RoundToInt(SH);
  if (height == 0) return std::nullopt;
  FaceParams p = shaded_defaults(SW, SH, CR);
  p.GlossSlope = 70;
  p.GlossLeft = CR / 3;
  p.GlossTop = 0;
  p.GlossRadius = 10;
  p.GlossBottom = 12;
  p.GlowWidthPct = 200;
  p.GlowHeightPct = std::min(100 - 700 / height, 80);
  p.GlowStep = 130;
  return p;
}

std::optional<FaceParams> face_params_style4(float SW, float SH, std::int32_t CR) {
  FaceParams p = shaded_defaults(SW, SH, CR);
  p.GlossSlope = 70;
  p.GlossLeft = CR / 3 - 1;
  p.GlossTop = 0;
  p.GlossRadius = CR / 2;
  p.GlossBottom = CR;
  p.GlowWidthPct = 200;
  p.GlowHeightPct = 70;
  p.GlowStep = 130;
  return p;
}

std::optional<FaceParams> face_params_style5(float SW, float SH, std::int32_t CR) {
  FaceParams p = shaded_defaults(SW, SH, CR);
  p.GlossSlope = 40;
  p.GlossLeft = -1 - CR / 2;
  p.GlossTop = -CR;
  p.GlossRadius = CR;
  p.GlossBottom = CR + 1;
  p.GlowWidthPct = 60;
  p.GlowHeightPct = 60;
  p.GlowStep = 130;
  return p;
}

std::optional<FaceParams> face_params_style7(float SW, float SH, std::int32_t CR) {
  FaceParams p = shaded_defaults(SW, SH, CR);
  // Halved in floating point and rounded, unlike the other styles.
  p.GlossSlope = 50;
  p.GlossLeft = RoundToInt(double(CR) / 2.0);
  p.GlossTop = 2;
  p.GlossRadius = RoundToInt(double(CR) / 2.0);
  p.GlossBottom = CR + 1;
  p.GlossRight = RoundToInt(SW - float(CR));
  p.GlowWidthPct = 60;
  p.GlowHeightPct = 60;
  p.GlowCenterY = RoundToInt(SH / 2.0f);
  p.GlowStep = 100;
  return p;
}

std::optional<FaceParams> fill_face_params(std::int32_t style, float SW, float SH,
                                           std::int32_t CR) {
  const StyleRow* row = style_row(style);
  if (!row || !row->face_params) return FaceParams{};
  return row->face_params(SW, SH, CR);
}

std::optional<win::OLE_COLOR> face_color_for_state(const ButtonFace& button, std::int32_t state) {
  switch (state) {
    case 0:
    case 2: return button.m_ColorButtonUp;
    case 3: return button.m_ColorButtonHover;
    case 1:
    case 4: return button.m_ColorButtonDown;
    default: return std::nullopt;
  }
}

}  // namespace candy
