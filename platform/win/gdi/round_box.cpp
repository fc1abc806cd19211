// The pixel ellipse of w × h pixels, as the reference GDI draws it (found by
// running it, see tools/gdi-conformance): one integer walk over pixel centres
// around a quarter of the outline. In doubled coordinates the ellipse has
// semi-axes A = w - 1 and B = h - 1 about the middle of the box, pixel centres
// lie at offsets of the parity of A (across) and B (down), and
// F(X, Y) = B²X² + A²Y² - A²B² is negative inside. From the middle row at
// X = A the walk goes towards the tip:
//
// - row by row while the outline is steep: step to the next row and move one
//   pixel in when F(X, Y) + F(X - 2, Y) >= 0 (the pixel and its inner
//   neighbour are on average outside); the step is not taken, and the walk
//   turns, when the new row would need a second move in;
// - then column by column towards the middle: step one pixel in and move to
//   the next row when F(X, Y + 2) + F(X, Y) <= 0, until the middle column.
//
// A row spans to the farthest pixel the walk put on it. Rows past the last
// one the walk reached (the tips of narrow ellipses) hold no pixel of the
// ellipse: a round box keeps only its straight part there. The walk takes
// w + h steps; corners past 65,536 pixels use the plain rule instead (a pixel
// belongs when its centre lies inside or on the ellipse), which differs from
// the walk by at most a pixel at a row's end.
#include "platform/win/gdi/round_box.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace win {
namespace {

using I128 = __int128;

constexpr std::int64_t kMaxWalk = 1 << 16;

// Half-width (doubled) per row of the w × h pixel ellipse, indexed by the
// doubled distance |Y| of the row from the middle divided by 2; -1: a row the
// walk did not reach.
std::vector<std::int64_t> walk_reaches(std::int64_t w, std::int64_t h) {
  const std::int64_t A = w - 1, B = h - 1;
  std::vector<std::int64_t> reach(static_cast<std::size_t>(B / 2 + 1), -1);
  const I128 a2 = I128(A) * A, b2 = I128(B) * B;
  auto F = [&](std::int64_t X, std::int64_t Y) { return b2 * X * X + a2 * Y * Y - a2 * b2; };
  auto plot = [&](std::int64_t X, std::int64_t Y) {
    std::int64_t& r = reach[static_cast<std::size_t>(Y / 2)];
    r = std::max(r, X);
  };
  auto outside = [&](std::int64_t X, std::int64_t Y) { return F(X, Y) + F(X - 2, Y) >= 0; };
  std::int64_t X = A, Y = B % 2;
  plot(X, Y);
  while (Y + 2 <= B) {
    const std::int64_t next = outside(X, Y + 2) ? X - 2 : X;
    if (outside(next, Y + 2)) break;  // flatter than 45°: the columns take over
    X = next;
    Y += 2;
    plot(X, Y);
  }
  while (X > A % 2) {
    X -= 2;
    if (Y + 2 <= B && F(X, Y + 2) + F(X, Y) <= 0) Y += 2;
    plot(X, Y);
  }
  return reach;
}

// The plain rule, for ellipses too large for the walk: a pixel
// belongs when its centre lies inside or on the ellipse inscribed in the
// w × h box. The doubled half-width X of row Y (both at pixel-centre parity)
// is the largest with X² h² + Y² w² <= w² h².
std::int64_t plain_reach(std::int64_t w, std::int64_t h, std::int64_t Y) {
  const std::int64_t A = w - 1;
  const long double q = 1.0L - (static_cast<long double>(Y) * Y) / (static_cast<long double>(h) * h);
  if (q < 0) return -1;
  std::int64_t X = static_cast<std::int64_t>(std::floor(static_cast<long double>(w) * std::sqrt(q)));
  X = std::min(X, A);
  if ((X - A) % 2 != 0) --X;
  // x² h² <= w² (h² - Y²), unsigned: each side stays below 2^126 for 32-bit boxes.
  using U128 = unsigned __int128;
  const U128 room = U128(w) * U128(w) * (U128(h) * U128(h) - U128(Y) * U128(Y));
  auto fits = [&](std::int64_t x) { return U128(x) * U128(x) * U128(h) * U128(h) <= room; };
  while (X >= 0 && !fits(X)) X -= 2;
  while (X + 2 <= A && fits(X + 2)) X += 2;
  return X;
}

bool walkable(std::int64_t w, std::int64_t h) { return w <= kMaxWalk && h <= kMaxWalk; }

// The inset of a corner row that holds no pixel of the w-wide ellipse: past
// its middle, so that only the straight part between the corners remains.
std::int64_t no_pixel_inset(std::int64_t w) { return (w + 1) / 2; }

// The inset of corner row i (0 outermost) of the w × h pixel ellipse by the
// plain rule.
std::int64_t plain_inset(std::int64_t w, std::int64_t h, std::int64_t i) {
  const std::int64_t r = plain_reach(w, h, h - 1 - 2 * i);
  return r < 0 ? no_pixel_inset(w) : (w - 1 - r) / 2;
}

// Insets of the corner rows, outermost first: rows 0 .. ceil(h / 2) - 1 of
// the w × h pixel ellipse, for corners the walk can take.
std::vector<std::int64_t> corner_insets_of(std::int64_t w, std::int64_t h) {
  std::vector<std::int64_t> insets;
  if (w <= 1 || h <= 1) return insets;  // a single column or row is whole
  const std::int64_t A = w - 1, B = h - 1;
  const std::int64_t rows = (h + 1) / 2;
  const std::vector<std::int64_t> reach = walk_reaches(w, h);
  insets.reserve(static_cast<std::size_t>(rows));
  for (std::int64_t i = 0; i < rows; ++i) {
    const std::int64_t r = reach[static_cast<std::size_t>((B - 2 * i) / 2)];
    insets.push_back(r < 0 ? no_pixel_inset(w) : (A - r) / 2);
  }
  return insets;
}

}  // namespace

RoundBox RoundBox::make(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                        std::int64_t corner_width, std::int64_t corner_height) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  RoundBox box{left, top, right, bottom, 0, 0, {}};
  box.corner_width = std::min(corner_width < 0 ? -corner_width : corner_width, right - left);
  box.corner_height = std::min(corner_height < 0 ? -corner_height : corner_height, bottom - top);
  if (box.corner_width > 1 && box.corner_height > 1) {
    if (walkable(box.corner_width, box.corner_height))
      box.corner_insets = corner_insets_of(box.corner_width, box.corner_height);
    else
      box.corners_by_rule = true;
  }
  return box;
}

RoundBox RoundBox::ellipse(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
  return make(left, top, right, bottom, right - left, bottom - top);
}

bool RoundBox::row(std::int64_t y, std::int64_t& x_left, std::int64_t& x_right) const {
  if (empty() || y < top || y >= bottom) return false;
  const std::int64_t from_edge = std::min(y - top, bottom - 1 - y);
  std::int64_t inset = 0;
  if (corners_by_rule) {
    if (from_edge < (corner_height + 1) / 2) inset = plain_inset(corner_width, corner_height, from_edge);
  } else if (from_edge < static_cast<std::int64_t>(corner_insets.size())) {
    inset = corner_insets[static_cast<std::size_t>(from_edge)];
  }
  x_left = left + inset;
  x_right = right - inset;
  return x_left < x_right;
}

}  // namespace win
