// Lines: MoveToEx and LineTo.
//
// A line sets its start pixel and every pixel up to its end pixel, which it
// leaves out; a zero-length line draws nothing. It takes one pixel per step
// along its longer axis (x when both are equal), and on the shorter axis the
// pixel nearest to the true line, ties going to the smaller coordinate: the
// diamond-exit rule. Horizontal, vertical and 45° lines are exact.
#include <algorithm>
#include <cstdlib>

#include "platform/win/gdi/color.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/gdi_objects.h"
#include "platform/win/gdi/raster_span.h"
#include "platform/win/gdi/solid_line.h"

namespace win {
namespace {

using I128 = __int128;

I128 floor_div(I128 p, I128 q) {  // q > 0
  return p >= 0 ? p / q : -((-p + q - 1) / q);
}

// Nearest integer to p / q (q > 0), ties to the smaller one: ceil(p/q − 1/2).
// 128-bit because p is a step times a 33-bit extent.
std::int64_t nearest_tie_down(I128 p, std::int64_t q) {
  return static_cast<std::int64_t>(-floor_div(I128(q) - 2 * p, 2 * I128(q)));
}

// Steps i in [0, n) whose major coordinate start + i·dir lies in [0, size).
void visible_steps(std::int64_t start, int dir, std::int64_t n, std::int64_t size,
                   std::int64_t& first, std::int64_t& last) {
  if (dir > 0) {
    first = std::max<std::int64_t>(0, -start);
    last = std::min<std::int64_t>(n, size - start);
  } else {
    first = std::max<std::int64_t>(0, start - size + 1);
    last = std::min<std::int64_t>(n, start + 1);
  }
}

void draw_line(const DeviceContext& dc, std::int64_t x0, std::int64_t y0, std::int64_t x1,
               std::int64_t y1, COLORREF color) {
  if (!dc.surface) return;
  const std::int64_t dx = x1 - x0, dy = y1 - y0;
  if (dy == 0) {
    fill_span(dc, y0, dx > 0 ? x0 : x1 + 1, dx > 0 ? x1 : x0 + 1, color);
    return;
  }
  if (dx == 0 && !dc.clip) {
    // A vertical line without a clip: the column once, then a store a row.
    if (x0 < 0 || x0 >= dc.surface->width) return;
    const int dir = dy > 0 ? 1 : -1;
    std::int64_t first, last;
    visible_steps(y0, dir, std::llabs(dy), dc.surface->height, first, last);
    for (std::int64_t i = first; i < last; ++i)
      dc.surface->at(static_cast<std::int32_t>(x0), static_cast<std::int32_t>(y0 + i * dir)) =
          color;
    return;
  }
  const bool x_major = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t n = x_major ? std::llabs(dx) : std::llabs(dy);
  const int dir = (x_major ? dx : dy) > 0 ? 1 : -1;
  const std::int64_t minor = x_major ? dy : dx;
  std::int64_t first, last;
  visible_steps(x_major ? x0 : y0, dir, n, x_major ? dc.surface->width : dc.surface->height, first,
                last);
  for (std::int64_t i = first; i < last; ++i) {
    // A vertical or horizontal line never moves off its axis.
    const std::int64_t offset = minor == 0 ? 0 : nearest_tie_down(I128(i) * minor, n);
    if (x_major) plot(dc, x0 + i * dir, y0 + offset, color);
    else plot(dc, x0 + offset, y0 + i * dir, color);
  }
}

// The pixel a pen of this colour draws; a plain RGB, nearly every call,
// needs no lookup.
COLORREF pen_pixel(COLORREF color) { return color >> 24 ? device_color(color) : color; }

}  // namespace

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous) {
  DeviceContext* target = dc_from_handle(dc);
  if (!target) return 0;
  if (previous) *previous = target->position;
  target->position = {x, y};
  return 1;
}

// The current position moves to the end point whatever is drawn.
BOOL LineTo(HDC dc, int x, int y) {
  DeviceContext* target = dc_from_handle(dc);
  if (!target) return 0;
  const Pen* pen = selected_pen(target->pen);
  if (pen && pen->style != PS_NULL)
    draw_line(*target, target->position.x, target->position.y, x, y, pen->color);
  target->position = {x, y};
  return 1;
}

// A surface's Line: the pixels and the final position of MoveToEx and LineTo
// with a solid one-pixel pen of `color` selected, the DC's own pen left as it
// was, without making the pen.
BOOL DrawSolidLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color) {
  DeviceContext* target = dc_from_handle(dc);
  if (!target) return 0;
  draw_line(*target, x1, y1, x2, y2, pen_pixel(color));
  target->position = {x2, y2};
  return 1;
}

SolidRows::SolidRows(HDC dc) : m_dc(dc_from_handle(dc)) {}

void SolidRows::line(int x1, int x2, int y, COLORREF color) {
  if (!m_dc) return;
  m_dc->position = {x2, y};
  if (x1 == x2) return;
  const COLORREF pixel = pen_pixel(color);
  // Either way round, the end column is left out.
  const std::int64_t from = x2 > x1 ? x1 : std::int64_t(x2) + 1;
  const std::int64_t to = x2 > x1 ? x2 : std::int64_t(x1) + 1;
  Surface* s = m_dc->surface;
  if (!s || m_dc->clip) {
    fill_span(*m_dc, y, from, to, pixel);
    return;
  }
  if (y < 0 || y >= s->height) return;
  const std::int64_t left = std::max<std::int64_t>(from, 0),
                     right = std::min<std::int64_t>(to, s->width);
  if (left >= right) return;
  COLORREF* row = &s->pixels[std::size_t(y) * std::size_t(s->width)];
  if (right - left <= 8) {
    for (std::int64_t x = left; x < right; ++x) row[x] = pixel;
  } else {
    fill_pixels(row + left, right - left, pixel);
  }
}

}  // namespace win
