// Each row of the stack is worked from the innermost ring out. While the
// rings' pieces of the row overlap, the pixels covered so far form one run,
// and a ring adds only the pixels left and right of it, in its colour:
//
//   ring 0   aaaaaaaaaaaaaaaaaaaaaaaaaa
//   ring 1       bbbbbbbbbbbbbbbbbb
//   ring 2           cccccccccc
//   written  aaaabbbbccccccccccbbbbaaaa    each pixel once
//
// A row where a ring's piece does not touch the run (rings that are not
// nested) is drawn ring by ring instead, later rings over earlier ones, as
// separate Ellipse calls would draw it.
#include "platform/win/gdi/ellipse_stack.h"

#include <algorithm>

#include "platform/win/gdi/color.h"
#include "platform/win/gdi/raster_span.h"
#include "platform/win/gdi/shape_memo.h"

namespace win {

BOOL FillEllipseStack(HDC dc, std::span<const EllipseRing> rings) {
  const DeviceContext* target = dc_from_handle(dc);
  if (!target) return 0;
  const Surface* surface = target->surface;
  if (!surface || rings.empty()) return 1;
  ShapeMemo& memo = shape_memo(*target);
  memo.trim();
  std::vector<const RoundBox*>& boxes = memo.boxes;
  boxes.clear();
  std::int64_t top = surface->height, bottom = 0;
  for (const EllipseRing& ring : rings) {
    const RoundBox& box = memo.ellipse(ring.box.left, ring.box.top, ring.box.right, ring.box.bottom);
    boxes.push_back(&box);
    top = std::min(top, box.top);
    bottom = std::max(bottom, box.bottom);
  }
  top = std::max<std::int64_t>(top, 0);
  bottom = std::min<std::int64_t>(bottom, surface->height);
  const std::int64_t width = surface->width;
  auto write = [&](std::int64_t y, std::int64_t from, std::int64_t to, std::size_t ring) {
    fill_span(*target, y, from, to, device_color(rings[ring].color));
  };
  // The visible piece of ring n on row y.
  auto piece = [&](std::size_t n, std::int64_t y, std::int64_t& from, std::int64_t& to) {
    const RoundBox& box = *boxes[n];
    if (y < box.top || y >= box.bottom || !null_pen_ellipse_row(box, y, from, to)) return false;
    from = std::max<std::int64_t>(from, 0);
    to = std::min(to, width);
    return from < to;
  };
  for (std::int64_t y = top; y < bottom; ++y) {
    bool covered = false, nested = true;
    std::int64_t run_from = 0, run_to = 0;
    for (std::size_t n = rings.size(); n-- > 0;) {
      std::int64_t from, to;
      if (!piece(n, y, from, to)) continue;
      if (!covered) {
        write(y, from, to, n);
        run_from = from;
        run_to = to;
        covered = true;
      } else if (from <= run_to && to >= run_from) {
        if (from < run_from) write(y, from, run_from, n);
        if (to > run_to) write(y, run_to, to, n);
        run_from = std::min(run_from, from);
        run_to = std::max(run_to, to);
      } else {
        nested = false;
        break;
      }
    }
    if (nested) continue;
    for (std::size_t n = 0; n < rings.size(); ++n) {
      std::int64_t from, to;
      if (piece(n, y, from, to)) write(y, from, to, n);
    }
  }
  return 1;
}

}  // namespace win
