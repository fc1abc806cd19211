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
//
// A corner's table depends on its size alone, so each is walked once and
// kept in a cache that every box shares (CornerTableCache). Corners up to
// 32,768 pixels walk in 64-bit arithmetic: there |F| stays below 2^61 and
// the sum of two values below 2^63; larger ones take 128 bits.
#include "platform/win/gdi/round_box.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/win/gdi/shared_cache.h"

namespace win {
namespace {

using I128 = __int128;

constexpr std::int64_t kMaxWalk = 1 << 16;
constexpr std::int64_t kMaxNarrowWalk = 1 << 15;

// Half-width (doubled) per row of the w × h pixel ellipse, indexed by the
// doubled distance |Y| of the row from the middle divided by 2; -1: a row the
// walk did not reach. Wide holds F exactly for this size.
template <class Wide>
std::vector<std::int64_t> walk_reaches(std::int64_t w, std::int64_t h) {
  const std::int64_t A = w - 1, B = h - 1;
  std::vector<std::int64_t> reach(static_cast<std::size_t>(B / 2 + 1), -1);
  const Wide a2 = Wide(A) * A, b2 = Wide(B) * B, a2b2 = a2 * b2;
  auto F = [&](std::int64_t X, std::int64_t Y) { return b2 * X * X + a2 * Y * Y - a2b2; };
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
  const long double q =
      1.0L - (static_cast<long double>(Y) * Y) / (static_cast<long double>(h) * h);
  if (q < 0) return -1;
  std::int64_t X =
      static_cast<std::int64_t>(std::floor(static_cast<long double>(w) * std::sqrt(q)));
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

using Cache = SharedCache<std::uint64_t, CornerInsets>;

Cache& cache() {
  static Cache instance(CornerTableCache::kMaxTables, CornerTableCache::kMaxRows);
  return instance;
}

}  // namespace

// Insets of the corner rows, outermost first: rows 0 .. ceil(h / 2) - 1 of
// the w × h pixel ellipse.
CornerInsets walk_corner_insets(std::int64_t w, std::int64_t h) {
  CornerInsets insets;
  if (w <= 1 || h <= 1 || !walkable(w, h)) return insets;  // a single column or row is whole
  const std::int64_t A = w - 1, B = h - 1;
  const std::int64_t rows = (h + 1) / 2;
  const std::vector<std::int64_t> reach = w <= kMaxNarrowWalk && h <= kMaxNarrowWalk
                                              ? walk_reaches<std::int64_t>(w, h)
                                              : walk_reaches<I128>(w, h);
  insets.reserve(static_cast<std::size_t>(rows));
  for (std::int64_t i = 0; i < rows; ++i) {
    const std::int64_t r = reach[static_cast<std::size_t>((B - 2 * i) / 2)];
    insets.push_back(static_cast<std::int32_t>(r < 0 ? no_pixel_inset(w) : (A - r) / 2));
  }
  return insets;
}

std::shared_ptr<const CornerInsets> CornerTableCache::table(std::int64_t w, std::int64_t h) {
  const std::uint64_t key = (static_cast<std::uint64_t>(w) << 32) | static_cast<std::uint64_t>(h);
  if (auto found = cache().find(key)) return found;
  // Walked outside the lock: another thread may walk the same corner meanwhile.
  auto table = std::make_shared<const CornerInsets>(walk_corner_insets(w, h));
  const std::size_t rows = table->size();
  return cache().keep(key, std::move(table), rows);
}

std::size_t CornerTableCache::tables() { return cache().size(); }
std::size_t CornerTableCache::rows() { return cache().weight(); }
void CornerTableCache::clear() { cache().clear(); }

RoundBox RoundBox::make(std::int64_t left, std::int64_t top, std::int64_t right,
                        std::int64_t bottom, std::int64_t corner_width,
                        std::int64_t corner_height) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  RoundBox box{left, top, right, bottom, 0, 0, nullptr};
  box.corner_width = std::min(corner_width < 0 ? -corner_width : corner_width, right - left);
  box.corner_height = std::min(corner_height < 0 ? -corner_height : corner_height, bottom - top);
  if (box.corner_width > 1 && box.corner_height > 1) {
    if (walkable(box.corner_width, box.corner_height))
      box.corner_insets = CornerTableCache::table(box.corner_width, box.corner_height);
    else box.corners_by_rule = true;
  }
  return box;
}

RoundBox RoundBox::ellipse(std::int64_t left, std::int64_t top, std::int64_t right,
                           std::int64_t bottom) {
  return make(left, top, right, bottom, right - left, bottom - top);
}

// The inset of corner row from_edge (0 outermost) by the plain rule.
std::int64_t RoundBox::rule_inset(std::int64_t from_edge) const {
  const std::int64_t r =
      plain_reach(corner_width, corner_height, corner_height - 1 - 2 * from_edge);
  return r < 0 ? no_pixel_inset(corner_width) : (corner_width - 1 - r) / 2;
}

}  // namespace win
