#include "candybutton/painters/paint_ellipse_glow.h"
#include "candybutton/rounding.h"

namespace candy {

std::optional<GlowGeometry> make_glow_geometry(const FaceParams& P, std::int32_t W,
                                               std::int32_t H) {
  GlowGeometry g;
  g.rx = RoundToInt(double(W) * P.GlowWidthPct / 100.0);
  g.ry = RoundToInt(double(H) * P.GlowHeightPct / 100.0);
  if (g.rx == 0 || g.ry == 0) return std::nullopt;
  g.outer = {P.GlowCenterX - g.rx, P.GlowCenterY - g.ry, P.GlowCenterX + g.rx,
             P.GlowCenterY + g.ry};
  if (g.rx > g.ry) {
    g.sx = float(g.rx) / float(g.ry);
    g.sy = 1.0f;
  } else {
    g.sx = 1.0f;
    g.sy = float(g.ry) / float(g.rx);
  }
  return g;
}

std::int32_t glow_ring_percentage(const FaceParams& P, const GlowGeometry& glow, std::int32_t k) {
  return RoundToInt(double(P.GlowStep) * k / glow.ry);
}

}  // namespace candy
