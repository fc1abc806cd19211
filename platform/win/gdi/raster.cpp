// Filling and pixels: rectangles (FillRect without system colours), FillRgn, Rectangle, Ellipse,
// SetPixel, GetPixel, BitBlt. Every write is clipped to the surface first and then to the DC's clip
// region, so huge coordinates cost nothing extra.
#include <algorithm>
#include <cstring>

#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/color.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/gdi_objects.h"
#include "platform/win/gdi/raster_span.h"
#include "platform/win/gdi/round_box.h"
#include "platform/win/gdi/shape_memo.h"

namespace win {
namespace {

// Rows of [top, bottom) that lie on the surface.
void visible_rows(const DeviceContext& dc, std::int64_t& top, std::int64_t& bottom) {
  top = std::max<std::int64_t>(top, 0);
  bottom = std::min<std::int64_t>(bottom, dc.surface ? dc.surface->height : 0);
}

void fill_box(const DeviceContext& dc, std::int64_t left, std::int64_t top, std::int64_t right,
              std::int64_t bottom, COLORREF color) {
  visible_rows(dc, top, bottom);
  if (top >= bottom) return;
  // Whole rows without a clip are one block of memory: one fill, not one a row.
  if (!dc.clip && left <= 0 && right >= dc.surface->width && dc.surface->width > 0) {
    fill_pixels(&dc.surface->at(0, static_cast<std::int32_t>(top)),
                (bottom - top) * dc.surface->width, color);
    return;
  }
  for (std::int64_t y = top; y < bottom; ++y) fill_span(dc, y, left, right, color);
}

}  // namespace

// A box at most two pixels across or down fills as a null-pen Rectangle
// does: less its last column and row.
bool null_pen_ellipse_row(const RoundBox& outer, std::int64_t y, std::int64_t& x_left,
                          std::int64_t& x_right) {
  if (outer.right - outer.left <= 2 || outer.bottom - outer.top <= 2) {
    if (y < outer.top || y >= outer.bottom - 1) return false;
    x_left = outer.left;
    x_right = outer.right - 1;
    return x_left < x_right;
  }
  return outer.row(y, x_left, x_right);
}

// Calls write(from, to) for each run of x0 .. x1-1 on row y that lies inside
// the surface and the clip; the row is known to lie on the surface.
template <class Write>
void for_each_visible_run(const DeviceContext& dc, std::int64_t y, std::int64_t x0, std::int64_t x1,
                          Write write) {
  x0 = std::max<std::int64_t>(x0, 0);
  x1 = std::min<std::int64_t>(x1, dc.surface->width);
  if (x0 >= x1) return;
  if (!dc.clip) {
    write(x0, x1);
    return;
  }
  const auto& bands = dc.clip->bands();
  const auto band =
      std::upper_bound(bands.begin(), bands.end(), y,
                       [](std::int64_t v, const Region::Band& b) { return v < b.bottom; });
  if (band == bands.end() || y < band->top) return;
  for (const Region::Span& span : band->spans) {
    const std::int64_t from = std::max<std::int64_t>(x0, span.left);
    const std::int64_t to = std::min<std::int64_t>(x1, span.right);
    if (from < to) write(from, to);
  }
}

void fill_span(const DeviceContext& dc, std::int64_t y, std::int64_t x0, std::int64_t x1,
               COLORREF color) {
  Surface* s = dc.surface;
  if (!s || y < 0 || y >= s->height) return;
  COLORREF* row = &s->at(0, static_cast<std::int32_t>(y));
  for_each_visible_run(dc, y, x0, x1, [&](std::int64_t from, std::int64_t to) {
    fill_pixels(row + from, to - from, color);
  });
}

void copy_span(const DeviceContext& dc, std::int64_t y, std::int64_t x0, std::int64_t x1,
               const COLORREF* source, std::int64_t shift) {
  Surface* s = dc.surface;
  if (!s || y < 0 || y >= s->height) return;
  COLORREF* row = &s->at(0, static_cast<std::int32_t>(y));
  for_each_visible_run(dc, y, x0, x1, [&](std::int64_t from, std::int64_t to) {
    std::memcpy(row + from, source + (from + shift),
                static_cast<std::size_t>(to - from) * sizeof(COLORREF));
  });
}

// The per-pixel hot path: a handle lookup, the clip test and a store. A
// pixel off the surface or outside the clip is not drawn, and that is no
// failure: Windows answers TRUE (and SetPixel the colour) all the same.
BOOL SetPixelV(HDC dc, int x, int y, COLORREF color) {
  const DeviceContext* target = dc_from_handle(dc);
  if (!target || !target->surface) return 0;
  Surface* s = target->surface;
  if (s->contains(x, y) && (!target->clip || target->clip->contains(x, y)))
    s->at(x, y) = device_color(color);
  return 1;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
  return SetPixelV(dc, x, y, color) ? device_color(color) : CLR_INVALID;
}

COLORREF GetPixel(HDC dc, int x, int y) {
  const DeviceContext* target = dc_from_handle(dc);
  if (!target || !target->may_draw(x, y)) return CLR_INVALID;
  return target->surface->at(x, y);
}

// Right and bottom are excluded. An inverted side is taken from its other
// end and moved one pixel on, as Windows does: left 8, right 2 covers
// columns 3 to 8. An empty side draws nothing.
namespace {

void fill_rect_sides(const DeviceContext& target, const RECT& rect, COLORREF color) {
  auto side = [](std::int64_t from, std::int64_t to, std::int64_t& lo, std::int64_t& hi) {
    lo = from <= to ? from : to + 1;
    hi = from <= to ? to : from + 1;
  };
  std::int64_t left, right, top, bottom;
  side(rect.left, rect.right, left, right);
  side(rect.top, rect.bottom, top, bottom);
  fill_box(target, left, top, right, bottom, color);
}

}  // namespace

int fill_rect(HDC dc, const RECT* rect, HBRUSH brush) {
  const DeviceContext* target = dc_from_handle(dc);
  const Brush* fill = brush_from_handle(brush);
  if (!target || !rect || !fill) return 0;
  if (!fill->hollow) fill_rect_sides(*target, *rect, fill->color);
  return 1;
}

int fill_solid_rect(HDC dc, const RECT* rect, COLORREF color) {
  const DeviceContext* target = dc_from_handle(dc);
  if (!target || !rect) return 0;
  fill_rect_sides(*target, *rect, device_color(color));
  return 1;
}

BOOL FillRgn(HDC dc, HRGN rgn, HBRUSH brush) {
  const DeviceContext* target = dc_from_handle(dc);
  const Region* region = region_from_handle(rgn);
  const Brush* fill = brush_from_handle(brush);
  if (!target || !region || !fill) return 0;
  if (fill->hollow) return 1;
  for (const Region::Band& band : region->bands()) {
    std::int64_t top = band.top, bottom = band.bottom;
    visible_rows(*target, top, bottom);
    for (std::int64_t y = top; y < bottom; ++y)
      for (const Region::Span& span : band.spans)
        fill_span(*target, y, span.left, span.right, fill->color);
  }
  return 1;
}

// The pen draws the outermost ring of pixels inside the box, the brush fills
// the rest. With a null pen the brush fills the box less its last column and
// row, as in Windows; a 1 × 1 box with a pen draws nothing there either.
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
  const DeviceContext* target = dc_from_handle(dc);
  if (!target) return 0;
  const Brush* brush = selected_brush(target->brush);
  const Pen* pen = selected_pen(target->pen);
  std::int64_t l = std::min(left, right), r = std::max(left, right);
  std::int64_t t = std::min(top, bottom), b = std::max(top, bottom);
  const bool outline = pen && pen->style != PS_NULL;
  if (!outline) {
    if (brush && !brush->hollow) fill_box(*target, l, t, r - 1, b - 1, brush->color);
    return 1;
  }
  if (r - l == 1 && b - t == 1) return 1;
  if (brush && !brush->hollow) fill_box(*target, l + 1, t + 1, r - 1, b - 1, brush->color);
  if (l < r && t < b) {
    fill_box(*target, l, t, r, t + 1, pen->color);
    fill_box(*target, l, b - 1, r, b, pen->color);
    fill_box(*target, l, t, l + 1, b, pen->color);
    fill_box(*target, r - 1, t, r, b, pen->color);
  }
  return 1;
}

namespace {

// The pixels of row y of the shape a pen-drawn Ellipse covers: the pixel
// ellipse of the box, or the whole box when it is at most two pixels across
// or down.
bool covered_row(const RoundBox& shape, bool thin, std::int64_t y, std::int64_t& x0,
                 std::int64_t& x1) {
  if (!thin) return shape.row(y, x0, x1);
  if (shape.empty() || y < shape.top || y >= shape.bottom) return false;
  x0 = shape.left;
  x1 = shape.right;
  return true;
}

// Draws a rounded shape with the selected pen and brush. With a null pen the
// brush fills the shape, except that a box at most two pixels across or down
// fills as a null-pen Rectangle does: less its last column and row. A
// one-pixel pen covers the same shape (the whole box when it is that thin)
// and draws its outline: every pixel with a neighbour above, below, left or
// right outside the shape; the brush fills the rest; a 1 × 1 box draws
// nothing, as Rectangle does. A wider pen colours the pixels of the shape
// outside inner_of(width), the shape shrunk by the pen's width.
template <class InnerOf>
BOOL draw_round_box(HDC dc, const RoundBox& outer, InnerOf inner_of) {
  const DeviceContext* target = dc_from_handle(dc);
  if (!target) return 0;
  const Brush* brush = selected_brush(target->brush);
  const Pen* pen = selected_pen(target->pen);
  const bool fill = brush && !brush->hollow;
  const bool thin = outer.right - outer.left <= 2 || outer.bottom - outer.top <= 2;
  const std::int64_t w = pen && pen->style != PS_NULL ? pen->width : 0;
  if (w == 0) {
    if (!fill) return 1;
    std::int64_t rows_top = outer.top, rows_bottom = outer.bottom;
    visible_rows(*target, rows_top, rows_bottom);
    for (std::int64_t y = rows_top; y < rows_bottom; ++y) {
      std::int64_t x0, x1;
      if (null_pen_ellipse_row(outer, y, x0, x1)) fill_span(*target, y, x0, x1, brush->color);
    }
    return 1;
  }
  if (outer.right - outer.left == 1 && outer.bottom - outer.top == 1) return 1;
  const RoundBox inner = w > 1 ? inner_of(w) : RoundBox{};
  std::int64_t rows_top = outer.top, rows_bottom = outer.bottom;
  visible_rows(*target, rows_top, rows_bottom);
  for (std::int64_t y = rows_top; y < rows_bottom; ++y) {
    std::int64_t o0, o1, i0, i1;
    if (!covered_row(outer, thin, y, o0, o1)) continue;
    if (w == 1) {
      // Inside the outline: a pixel whose row neighbours and column neighbours
      // all belong to the shape.
      std::int64_t a0, a1, b0, b1;
      i0 = o0 + 1;
      i1 = o1 - 1;
      if (covered_row(outer, thin, y - 1, a0, a1) && covered_row(outer, thin, y + 1, b0, b1)) {
        i0 = std::max({i0, a0, b0});
        i1 = std::min({i1, a1, b1});
      } else {
        i0 = i1 = o1;
      }
    } else if (!inner.row(y, i0, i1)) {
      i0 = i1 = o1;
    }
    i0 = std::clamp(i0, o0, o1);
    i1 = std::clamp(i1, i0, o1);
    if (i0 == i1) i0 = i1 = o1;
    fill_span(*target, y, o0, i0, pen->color);
    if (fill) fill_span(*target, y, i0, i1, brush->color);
    fill_span(*target, y, i1, o1, pen->color);
  }
  return 1;
}

}  // namespace

// The shape is the pixel ellipse of the box, the same pixels as the
// elliptic region of the box one column and row larger (the region leaves
// its last column and row out). A null-pen fill takes its rows from the DC's
// memo of recent ellipses.
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
  const DeviceContext* target = dc_from_handle(dc);
  if (!target) return 0;
  const Pen* pen = selected_pen(target->pen);
  if (!pen || pen->style == PS_NULL) {
    const Brush* brush = selected_brush(target->brush);
    if (!brush || brush->hollow) return 1;
    ShapeMemo& memo = shape_memo(*target);
    memo.trim();
    const EllipseFill& shape = memo.ellipse(left, top, right, bottom);
    const RoundBox& outer = shape.box();
    std::int64_t rows_top = outer.top, rows_bottom = outer.bottom;
    visible_rows(*target, rows_top, rows_bottom);
    for (std::int64_t y = rows_top; y < rows_bottom; ++y) {
      std::int64_t x0, x1;
      if (shape.row(y, x0, x1)) fill_span(*target, y, x0, x1, brush->color);
    }
    return 1;
  }
  const RoundBox outer = RoundBox::ellipse(left, top, right, bottom);
  return draw_round_box(dc, outer, [&](std::int64_t w) {
    return RoundBox::ellipse(outer.left + w, outer.top + w,
                             std::max(outer.left + w, outer.right - w),
                             std::max(outer.top + w, outer.bottom - w));
  });
}

// The shape is the round box of the box with corners corner_width ×
// corner_height, the pixels of CreateRoundRectRgn of the box one column and
// row larger. Corners at most two pixels across or down (once limited to
// the box) draw a Rectangle, as Windows does.
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int corner_width,
               int corner_height) {
  const RoundBox outer = RoundBox::make(left, top, right, bottom, corner_width, corner_height);
  if (outer.corner_width <= 2 || outer.corner_height <= 2)
    return Rectangle(dc, left, top, right, bottom);
  return draw_round_box(dc, outer, [&](std::int64_t w) {
    return RoundBox::make(outer.left + w, outer.top + w, std::max(outer.left + w, outer.right - w),
                          std::max(outer.top + w, outer.bottom - w),
                          std::max<std::int64_t>(0, outer.corner_width - 2 * w),
                          std::max<std::int64_t>(0, outer.corner_height - 2 * w));
  });
}

// Only SRCCOPY; pixels whose source lies outside the source surface are left
// alone. Each row is copied as runs: the part of it whose source lies on the
// source surface, cut by the destination's clip spans.
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int src_x, int src_y,
            DWORD rop) {
  const DeviceContext* to = dc_from_handle(dest);
  const DeviceContext* from = dc_from_handle(src);
  if (!to || !from || rop != SRCCOPY || width < 0 || height < 0) return 0;
  if (!to->surface || !from->surface) return 1;
  // A surface copied onto itself in place (a control's image shown in its
  // own window) keeps every pixel as it is.
  if (from->surface == to->surface && x == src_x && y == src_y) return 1;
  const Surface& source = *from->surface;
  // Copy through a snapshot so that overlapping blits within one surface work.
  const Surface snapshot = from->surface == to->surface ? source : Surface{};
  const Surface& read = from->surface == to->surface ? snapshot : source;
  std::int64_t top = y, bottom = std::int64_t(y) + height;
  visible_rows(*to, top, bottom);
  // Destination columns whose source column lies on the source surface.
  const std::int64_t shift = std::int64_t(src_x) - x;
  const std::int64_t left = std::max<std::int64_t>({x, 0, -shift});
  const std::int64_t right =
      std::min<std::int64_t>({std::int64_t(x) + width, to->surface->width, read.width - shift});
  if (left >= right) return 1;
  // Whole rows of equally wide surfaces without a clip are one block of
  // memory on either side: one copy, not one a row.
  if (!to->clip && shift == 0 && left == 0 && right == to->surface->width &&
      read.width == to->surface->width) {
    const std::int64_t first = std::max<std::int64_t>(top, std::int64_t(y) - src_y);
    const std::int64_t last = std::min<std::int64_t>(bottom, std::int64_t(y) - src_y + read.height);
    if (first < last) {
      const std::size_t width = static_cast<std::size_t>(read.width);
      std::memcpy(&to->surface->pixels[static_cast<std::size_t>(first) * width],
                  &read.pixels[static_cast<std::size_t>(first - y + src_y) * width],
                  static_cast<std::size_t>(last - first) * width * sizeof(COLORREF));
    }
    return 1;
  }
  for (std::int64_t dy = top; dy < bottom; ++dy) {
    const std::int64_t sy = dy - y + src_y;
    if (sy < 0 || sy >= read.height) continue;
    const COLORREF* from_row =
        &read.pixels[static_cast<std::size_t>(sy) * static_cast<std::size_t>(read.width)];
    copy_span(*to, dy, left, right, from_row, shift);
  }
  return 1;
}

}  // namespace win
