#include "candybutton/painters/paint_ellipse_glow.h"

#include "candybutton/color_arithmetic.h"
#include "candybutton/rounding.h"
#include "platform/win/gdi/gdi.h"

namespace candy {

void PaintEllipseGlow(win::HDC dc, const FaceParams& P, std::int32_t W, std::int32_t H, win::OLE_COLOR face,
                      win::OLE_COLOR bright) {
  const std::optional<GlowGeometry> glow = make_glow_geometry(P, W, H);
  if (!glow) return;
  win::RECT rect = glow->outer;
  const std::int32_t shrink_x = RoundToInt(-glow->sx);
  const std::int32_t shrink_y = RoundToInt(-glow->sy);

  // The face colour goes to the brush as it is; the rings are blended.
  win::HBRUSH brush = win::CreateSolidBrush(face);
  const win::HPEN pen = win::CreatePen(win::PS_NULL, 0, 0);
  const win::HBRUSH old_brush = win::SelectObject(dc, brush);
  const win::HPEN old_pen = win::SelectObject(dc, pen);
  std::int32_t k = 1;
  while (!win::IsRectEmpty(&rect)) {
    win::Ellipse(dc, rect.left, rect.top, rect.right, rect.bottom);
    win::InflateRect(&rect, shrink_x, shrink_y);
    ++k;
    const win::COLORREF color = BlendColors(face, bright, glow_ring_percentage(P, *glow, k));
    const win::HBRUSH next = win::CreateSolidBrush(color);
    win::SelectObject(dc, next);
    win::DeleteObject(brush);  // the brush it replaced
    brush = next;
  }
  win::SelectObject(dc, old_brush);
  win::SelectObject(dc, old_pen);
  win::DeleteObject(brush);
  win::DeleteObject(pen);
}

}  // namespace candy
