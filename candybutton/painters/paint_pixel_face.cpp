#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "candybutton/button_shape.h"
#include "candybutton/color_arithmetic.h"
#include "candybutton/painters/paint_pixel_style.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/solid_line.h"

namespace candy {
namespace {

bool covers(const std::vector<std::pair<std::int32_t, std::int32_t>>& runs, std::int32_t x) {
  for (const auto& [left, right] : runs)
    if (x >= left && x < right) return true;
  return false;
}

}  // namespace

void PaintPixelFace(ButtonFace& button, const std::int32_t& W, const std::int32_t& H,
                    win::OLE_COLOR face) {
  // The body percentage divides by H; a face without width or height shows nothing.
  if (W <= 0 || H <= 0) return;
  const win::HDC dc = button.surface.hDC();
  const std::int32_t CR = button.m_CornerRadius;
  const win::COLORREF edge = BlendColors(0x000000, face, 50);
  win::COLORREF highlight = 0;
  // Two equal rounded shapes, the second lowered: the crescent between them
  // is the highlight.
  const std::int32_t crescent_radius = (2 * CR) / 3;
  const std::int32_t crescent_right = W - CR;
  const std::int32_t crescent_bottom = 2 * CR - 1;
  const std::int32_t lowered_top = CR / 2;
  const RoundedShape outer(0, 0, W, H, CR);
  const RoundedShape inner(1, 1, W - 2, H - 2, CR);
  const RoundedShape crescent(4, 2, crescent_right, crescent_bottom, crescent_radius);
  const RoundedShape lowered(4, lowered_top, crescent_right, crescent_bottom, crescent_radius);
  // Each row is cut into runs of columns that lie in the same shapes; a run
  // gets one colour, and so does its mirror.
  std::vector<std::pair<std::int32_t, std::int32_t>> in_inner, in_outer, in_crescent, in_lowered;
  std::vector<std::int32_t> edges;
  const std::int32_t half = W / 2;
  for (std::int32_t y = 0; y <= H; ++y) {
    if (y < CR) highlight = BlendColors(0xFFFFFF, face, (y * 30) / CR);
    // The body colour depends on the row alone.
    const win::COLORREF body =
        BlendColors(face, button.m_ColorBright, std::abs(((2 * y - H) * 100) / H));
    inner.inside_runs(y, 0, half, in_inner);
    outer.inside_runs(y, 0, half, in_outer);
    crescent.inside_runs(y, 0, half, in_crescent);
    lowered.inside_runs(y, 0, half, in_lowered);
    edges.assign({0, half + 1});
    for (const auto* runs : {&in_inner, &in_outer, &in_crescent, &in_lowered})
      for (const auto& [left, right] : *runs) edges.insert(edges.end(), {left, right});
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
      const std::int32_t x = edges[i], x_end = edges[i + 1];
      win::COLORREF color;
      if (covers(in_inner, x)) {
        const bool a = covers(in_crescent, x);
        const bool b = covers(in_lowered, x);
        color = a && !b ? highlight : body;
      } else if (covers(in_outer, x)) {
        color = edge;
      } else {
        continue;
      }
      win::DrawSolidLine(dc, x, y, x_end, y, color);
      win::DrawSolidLine(dc, W - x_end + 1, y, W - x + 1, y, color);
    }
  }
}

}  // namespace candy
