// Each row of the stack is worked from the innermost ring out. While the
// rings' pieces of the row overlap, the pixels covered so far form one run,
// and a ring adds only the pixels left and right of it, in its colour:
//
//   ring 0   aaaaaaaaaaaaaaaaaaaaaaaaaa
//   ring 1       bbbbbbbbbbbbbbbbbb
//   ring 2           cccccccccc
//   written  aaaabbbbccccccccccbbbbaaaa    each pixel once
//
// Once the run covers the whole visible part of the row, the outer rings
// have nothing left to show there. A row where a ring's piece does not touch
// the run (rings that are not nested) is drawn ring by ring instead, later
// rings over earlier ones, as separate Ellipse calls would draw it.
#include "platform/win/gdi/ellipse_stack.h"

#include <algorithm>

#include "platform/win/gdi/color.h"
#include "platform/win/gdi/raster_span.h"
#include "platform/win/gdi/region.h"
#include "platform/win/gdi/shape_memo.h"

namespace win {
namespace {

// The columns of row y that the DC may draw, when they form one run (the
// surface's width, cut by the clip); false when the clip leaves several runs.
bool drawable_run(const DeviceContext& dc, std::int64_t y, std::int64_t& from, std::int64_t& to) {
  from = 0;
  to = dc.surface->width;
  if (!dc.clip) return true;
  const auto& bands = dc.clip->bands();
  const auto band =
      std::upper_bound(bands.begin(), bands.end(), y,
                       [](std::int64_t v, const Region::Band& b) { return v < b.bottom; });
  if (band == bands.end() || y < band->top) {
    to = from;  // nothing on this row
    return true;
  }
  if (band->spans.size() != 1) return false;
  from = std::max<std::int64_t>(from, band->spans.front().left);
  to = std::min<std::int64_t>(to, band->spans.front().right);
  return true;
}

}  // namespace

BOOL FillEllipseStack(HDC dc, std::span<const EllipseRing> rings) {
  const DeviceContext* target = dc_from_handle(dc);
  if (!target) return 0;
  Surface* surface = target->surface;
  if (!surface || rings.empty()) return 1;
  ShapeMemo& memo = shape_memo(*target);
  memo.trim();
  std::vector<RECT>& boxes = memo.boxes;
  std::vector<const EllipseFill*>& shapes = memo.shapes;
  std::vector<EllipseRows>& rows = memo.rows;
  std::vector<COLORREF>& colors = memo.colors;
  // A repaint draws the rings of the last stack again.
  const bool same_rings =
      std::equal(rings.begin(), rings.end(), boxes.begin(), boxes.end(),
                 [](const EllipseRing& r, const RECT& b) { return r.box == b; });
  if (!same_rings) {
    boxes.clear();
    shapes.clear();
    rows.clear();
    for (const EllipseRing& ring : rings) {
      shapes.push_back(&memo.ellipse(ring.box.left, ring.box.top, ring.box.right, ring.box.bottom));
      rows.push_back(shapes.back()->rows());
      boxes.push_back(ring.box);
    }
  }
  colors.clear();
  std::int64_t top = surface->height, bottom = 0;
  // Rings whose rows lie within the rows of the ring before (a glow's) cover
  // each row as a run of rings from the first: the rest are not asked.
  bool rows_nested = true;
  for (std::size_t n = 0; n < rings.size(); ++n) {
    colors.push_back(device_color(rings[n].color));
    top = std::min(top, shapes[n]->box().top);
    bottom = std::max(bottom, shapes[n]->box().bottom);
    if (n > 0 && (rows[n].top < rows[n - 1].top || rows[n].bottom > rows[n - 1].bottom))
      rows_nested = false;
  }
  top = std::max<std::int64_t>(top, 0);
  bottom = std::min<std::int64_t>(bottom, surface->height);
  for (std::int64_t y = top; y < bottom; ++y) {
    std::int64_t window_from, window_to;
    const bool one_run = drawable_run(*target, y, window_from, window_to);
    if (window_from >= window_to) continue;
    const std::size_t count =
        rows_nested ? std::size_t(std::partition_point(rows.begin(), rows.end(),
                                                       [y](const EllipseRows& r) {
                                                         return r.top <= y && y < r.bottom;
                                                       }) -
                                  rows.begin())
                    : rings.size();
    COLORREF* row = &surface->pixels[std::size_t(y) * std::size_t(surface->width)];
    auto write = [&](std::int64_t from, std::int64_t to, std::size_t n) {
      if (!one_run) {
        fill_span(*target, y, from, to, colors[n]);
      } else if (to - from <= 8) {
        // The inner rings add a pixel or two a side: a call costs more.
        for (std::int64_t x = from; x < to; ++x) row[x] = colors[n];
      } else {
        fill_pixels(row + from, to - from, colors[n]);
      }
    };
    // The piece of ring n on row y, within the drawable run.
    auto piece = [&](std::size_t n, std::int64_t& from, std::int64_t& to) {
      if (!rows[n].row(y, from, to)) return false;
      from = std::max(from, window_from);
      to = std::min(to, window_to);
      return from < to;
    };
    bool covered = false, nested = true;
    std::int64_t run_from = 0, run_to = 0;
    for (std::size_t n = count; n-- > 0;) {
      std::int64_t from, to;
      if (!piece(n, from, to)) continue;
      if (!covered) {
        write(from, to, n);
        run_from = from;
        run_to = to;
        covered = true;
      } else if (from <= run_to && to >= run_from) {
        if (from < run_from) write(from, run_from, n);
        if (to > run_to) write(run_to, to, n);
        run_from = std::min(run_from, from);
        run_to = std::max(run_to, to);
      } else {
        nested = false;
        break;
      }
      if (run_from == window_from && run_to == window_to) break;
    }
    if (nested) continue;
    for (std::size_t n = 0; n < count; ++n) {
      std::int64_t from, to;
      if (piece(n, from, to)) write(from, to, n);
    }
  }
  return 1;
}

}  // namespace win
