#include "candybutton/button_shape.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "candybutton/color_arithmetic.h"
#include "candybutton/styles.h"

namespace candy {

namespace {

// The half chord of the corner circle at offset p, or -1 where the circle
// does not reach (no row is then inside).
std::int64_t half_chord(std::int64_t p, std::int64_t radius) {
  const std::int64_t d = radius * radius - p * p;
  if (d < 0) return -1;
  return std::int64_t(std::nearbyint(std::sqrt(double(d))));
}

// The shape's branches, with the corner circle test supplied by the caller.
template <class CornerCircle>
bool in_rounded_shape(std::int32_t c, std::int32_t r, std::int32_t x, std::int32_t y,
                      std::int32_t width, std::int32_t height, std::int32_t R,
                      const CornerCircle& in_circle) {
  const std::int32_t dx = c - x;
  const std::int32_t dy = r - y;
  if (dy > R && dx > R && dx + R < width && dy + R < height) return true;
  if (dx < R && dy <= R) return in_circle(dx - R, dy);
  if (dx + R > width && dy <= R) return in_circle(dx - width + R, dy);
  if (dx < R && dy + R >= height) return in_circle(dx - R, dy - height + 2 * R);
  if (dx + R > width && dy + R >= height) return in_circle(dx - width + R, dy - height + 2 * R);
  return dx > 0 && dx < width && dy > 0 && dy < height;
}

// Offsets kept in a RoundedShape's table; any real button's radius is far below.
constexpr std::int64_t kMaxTabledOffset = 4096;

}  // namespace

bool PointInCornerCircle(const std::int32_t& p, const std::int32_t& q, const std::int32_t& radius) {
  return std::llabs(std::int64_t(q) - radius) < half_chord(p, radius);
}

bool PointInRoundedShape(const std::int32_t& c, const std::int32_t& r, const std::int32_t& x,
                         const std::int32_t& y, const std::int32_t& width,
                         const std::int32_t& height, const std::int32_t& radius) {
  return in_rounded_shape(
      c, r, x, y, width, height, radius,
      [radius](std::int32_t p, std::int32_t q) { return PointInCornerCircle(p, q, radius); });
}

RoundedShape::RoundedShape(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                           std::int32_t radius)
    : m_x(x), m_y(y), m_width(width), m_height(height), m_radius(radius) {
  const std::int64_t last = std::min<std::int64_t>(std::llabs(radius), kMaxTabledOffset);
  m_half_chord.reserve(std::size_t(last + 1));
  for (std::int64_t p = 0; p <= last; ++p) m_half_chord.push_back(half_chord(p, radius));
}

bool RoundedShape::in_corner_circle(std::int32_t p, std::int32_t q) const {
  const std::uint64_t offset = std::uint64_t(std::llabs(p));
  if (offset >= m_half_chord.size()) return PointInCornerCircle(p, q, m_radius);
  return std::llabs(std::int64_t(q) - m_radius) < m_half_chord[offset];
}

bool RoundedShape::contains(std::int32_t c, std::int32_t r) const {
  return in_rounded_shape(
      c, r, m_x, m_y, m_width, m_height, m_radius,
      [this](std::int32_t p, std::int32_t q) { return in_corner_circle(p, q); });
}

void RoundedShape::inside_runs(std::int32_t r, std::int32_t from, std::int32_t to,
                               std::vector<std::pair<std::int32_t, std::int32_t>>& runs) const {
  runs.clear();
  auto add = [&runs](std::int64_t left, std::int64_t right) {
    if (left >= right) return;
    if (!runs.empty() && runs.back().second == left) runs.back().second = std::int32_t(right);
    else runs.emplace_back(std::int32_t(left), std::int32_t(right));
  };
  const std::int64_t end = std::int64_t(to) + 1;
  if (m_radius < 1) {  // no corner: the edges decide pixel by pixel
    for (std::int64_t c = from; c < end; ++c)
      if (contains(std::int32_t(c), r)) add(c, c + 1);
    return;
  }
  // Outside first, then inside: the first inside column by bisection.
  const std::int64_t corner_end =
      std::min({std::int64_t(m_x) + m_radius, std::int64_t(m_x) + m_width, end});
  std::int64_t lo = from, hi = std::max<std::int64_t>(corner_end, from);
  while (lo < hi) {
    const std::int64_t mid = lo + (hi - lo) / 2;
    if (contains(std::int32_t(mid), r)) hi = mid;
    else lo = mid + 1;
  }
  add(lo, std::max<std::int64_t>(corner_end, from));
  const std::int64_t block_first = std::int64_t(m_x) + m_radius;
  const std::int64_t block_last = std::int64_t(m_x) + m_width - m_radius;
  for (std::int64_t c = std::max<std::int64_t>(corner_end, from); c < end; ++c) {
    if (c >= block_first && c <= block_last) {
      const std::int64_t last = std::min(block_last, end - 1);
      if (contains(std::int32_t(block_first), r)) add(c, last + 1);
      c = last;
    } else if (contains(std::int32_t(c), r)) {
      add(c, c + 1);
    }
  }
}

std::optional<std::int32_t> corner_radius_half_height(std::int32_t W, std::int32_t H) {
  return ClampValue(H / 2 + 1, 1, W / 2);
}

std::optional<std::int32_t> corner_radius_fixed(std::int32_t, std::int32_t) { return 12; }

std::optional<std::int32_t> corner_radius_third_height(std::int32_t W, std::int32_t H) {
  return ClampValue(H / 3, 1, W / 3);
}

std::optional<std::int32_t> corner_radius_quarter_height(std::int32_t W, std::int32_t H) {
  return ClampValue(H / 4 + 1, 1, W / 4);
}

std::optional<std::int32_t> button_corner_radius(std::int32_t style, std::int32_t W,
                                                 std::int32_t H) {
  const StyleRow* row = style_row(style);
  if (!row || !row->corner_radius) return std::nullopt;
  return row->corner_radius(W, H);
}

}  // namespace candy
