// The elliptical glow of the shaded styles: a stack of concentric filled
// ellipses, the outermost in the face colour, each inner ring blended further
// toward the bright colour, shrinking by one pixel per side along the shorter
// radius and proportionally along the longer one until nothing is left.
#pragma once

#include <cstdint>
#include <optional>

#include "candybutton/painters/face_params.h"
#include "platform/win/kernel/types.h"

namespace candy {

struct GlowGeometry {
  std::int32_t rx = 0;  // round(W * GlowWidthPct / 100)
  std::int32_t ry = 0;  // round(H * GlowHeightPct / 100)
  float sx = 0;         // shrink per ring, horizontal and vertical
  float sy = 0;
  win::RECT outer;  // the outermost ellipse's box
};

// Nothing when a radius is 0: the step sizes and the ring percentages would
// divide by it, and such a glow has no area anyway.
std::optional<GlowGeometry> make_glow_geometry(const FaceParams& P, std::int32_t W, std::int32_t H);

// Percentage toward the bright colour of ring counter k (the outermost ring is
// drawn before the first counter is used, so ring n uses k = n + 1).
std::int32_t glow_ring_percentage(const FaceParams& P, const GlowGeometry& glow, std::int32_t k);

void PaintEllipseGlow(win::HDC dc, const FaceParams& P, std::int32_t W, std::int32_t H,
                      win::OLE_COLOR face, win::OLE_COLOR bright);

}  // namespace candy
