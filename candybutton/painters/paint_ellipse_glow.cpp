#include "candybutton/painters/paint_ellipse_glow.h"

#include <algorithm>
#include <vector>

#include "candybutton/color_arithmetic.h"
#include "candybutton/rounding.h"
#include "platform/win/gdi/ellipse_stack.h"
#include "platform/win/gdi/gdi.h"

namespace candy {

// The rings are gathered first and drawn as one stack: the same pixels as a
// null-pen Ellipse per ring with a brush of the ring's colour, but each pixel
// is written once instead of once per ring that covers it.
void PaintEllipseGlow(win::HDC dc, const FaceParams& P, std::int32_t W, std::int32_t H,
                      win::OLE_COLOR face, win::OLE_COLOR bright) {
  const std::optional<GlowGeometry> glow = make_glow_geometry(P, W, H);
  if (!glow) return;
  win::RECT rect = glow->outer;
  const std::int32_t shrink_x = RoundToInt(-glow->sx);
  const std::int32_t shrink_y = RoundToInt(-glow->sy);

  std::vector<win::EllipseRing> rings;
  rings.reserve(std::size_t(std::max(glow->ry, 0)) + 1);
  // The face colour goes to the brush as it is; the rings are blended.
  win::COLORREF color = face;
  std::int32_t k = 1;
  while (!win::IsRectEmpty(&rect)) {
    rings.push_back({rect, color});
    win::InflateRect(&rect, shrink_x, shrink_y);
    ++k;
    color = BlendColors(face, bright, glow_ring_percentage(P, *glow, k));
  }
  win::FillEllipseStack(dc, rings);
}

}  // namespace candy
