// Pixel rule: a pixel (x, y) belongs to the shape when its centre
// (x + 0.5, y + 0.5) lies inside the shape or on its outline. The shape is the
// union of the box's central cross (the box narrowed by half a corner ellipse
// horizontally, or vertically) and the four corner ellipses, each of size
// corner_width × corner_height and touching two sides of the box.
//
// Everything is done in doubled coordinates so that pixel centres are odd
// integers: with A = corner width, B = corner height and Y the doubled
// vertical distance of the row centre from the corner ellipse's centre, the
// doubled horizontal reach D of the ellipse in that row is the largest integer
// with D² B² ≤ A² (B² − Y²). The row then covers the pixel centres from
// 2·left + A − D to 2·right − A + D. Exact integer arithmetic (128-bit) keeps
// the rule exact for any 32-bit box.
#include "platform/win/gdi/round_box.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace win {
namespace {

using U128 = unsigned __int128;

std::int64_t floor_div2(std::int64_t v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); }

// Largest d >= 0 with d² b² <= r. The square root only guesses; the integer
// checks make the answer exact. Shapes of everyday size stay in 64 bits.
template <class Int, class Float>
std::int64_t largest_fitting(Int r, Int b2) {
  auto fits = [&](std::int64_t d) { return Int(d) * Int(d) * b2 <= r; };
  std::int64_t d = static_cast<std::int64_t>(std::sqrt(static_cast<Float>(r) / static_cast<Float>(b2)));
  while (d > 0 && !fits(d)) --d;
  while (fits(d + 1)) ++d;
  return d;
}

std::int64_t reach(U128 r, std::int64_t b) {
  const U128 b2 = U128(b) * U128(b);
  constexpr U128 kSmall = U128(1) << 52;  // below this, doubles and 64-bit products are exact
  if (r < kSmall && b2 < kSmall)
    return largest_fitting<std::uint64_t, double>(static_cast<std::uint64_t>(r), static_cast<std::uint64_t>(b2));
  return largest_fitting<U128, long double>(r, b2);
}

}  // namespace

RoundBox RoundBox::make(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                        std::int64_t corner_width, std::int64_t corner_height) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  RoundBox box{left, top, right, bottom, 0, 0};
  box.corner_width = std::min(corner_width < 0 ? -corner_width : corner_width, right - left);
  box.corner_height = std::min(corner_height < 0 ? -corner_height : corner_height, bottom - top);
  return box;
}

RoundBox RoundBox::ellipse(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
  return make(left, top, right, bottom, right - left, bottom - top);
}

bool RoundBox::row(std::int64_t y, std::int64_t& x_left, std::int64_t& x_right) const {
  if (empty() || y < top || y >= bottom) return false;
  const std::int64_t a = corner_width, b = corner_height;
  const std::int64_t centre = 2 * y + 1;
  const std::int64_t upper = 2 * top + b;     // doubled centre row of the upper corners
  const std::int64_t lower = 2 * bottom - b;  // and of the lower corners
  if (a == 0 || b == 0 || (centre >= upper && centre <= lower)) {
    x_left = left;
    x_right = right;
    return true;
  }
  // 0 < dy < b: the row centre lies strictly inside the corner ellipse's rows.
  const std::int64_t dy = centre < upper ? upper - centre : centre - lower;
  const U128 r = U128(a) * U128(a) * (U128(b) * U128(b) - U128(dy) * U128(dy));
  const std::int64_t d = reach(r, b);
  // Pixel centres 2x+1 from 2·left + a − d to 2·right − a + d.
  x_left = -floor_div2(-(2 * left + a - d - 1));
  x_right = floor_div2(2 * right - a + d - 1) + 1;
  return x_left < x_right;
}

}  // namespace win
