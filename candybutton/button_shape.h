// The rounded shape of the styles 2 to 7: the corner radius per style and the
// pixel-exact membership test that both window regions are built from.
//
// A shape (x, y, width, height, R) spans dx = c - x from 1 to width - 1 and
// dy = r - y from 1 to height - 1, with each corner cut along a circle of
// radius R:
//
//        dx: 0  1 ...  R ........ width-R ... width
//   dy 0     .  .  .   .  .  .  .   .   .  .   .
//      1     .  .  .   #  #  #  #   #   .  .   .     corner rows: circle test
//      ...   .  .  #   #  #  #  #   #   #  .   .
//      R     .  #  #   #  #  #  #   #   #  #   .
//      ...   .  #  #   #  # centre  #   #  #   .     edge bands: always inside
//
// All arithmetic is 32-bit signed; answers are plain bools (the control's
// 16-bit flags are -1 for true).
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace candy {

// p: horizontal offset of the pixel from the circle's centre column; q: the
// pixel's row measured so that the centre row is at q = R. True when
// |q - R| < round(sqrt(R*R - p*p)); never at p = +-R.
bool PointInCornerCircle(const std::int32_t& p, const std::int32_t& q, const std::int32_t& radius);

// True when pixel (c, r) belongs to the rounded shape (x, y, width, height, R).
bool PointInRoundedShape(const std::int32_t& c, const std::int32_t& r, const std::int32_t& x,
                         const std::int32_t& y, const std::int32_t& width,
                         const std::int32_t& height, const std::int32_t& radius);

// The same test for many pixels of one shape: the corner circle's half chord
// round(sqrt(R*R - p*p)) is worked out once per column offset p rather than
// once per pixel. Answers equal PointInRoundedShape's for every pixel.
class RoundedShape {
 public:
  RoundedShape(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
               std::int32_t radius);
  bool contains(std::int32_t c, std::int32_t r) const;
  // The columns of row r from `from` to `to` (both included) for which
  // contains answers true, as runs [left, right) from left to right. Found
  // with a few tests a row: left of both x + R and x + width the outside
  // pixels come first (the corner's half chords shrink away from its centre),
  // and from x + R to x + width - R every pixel answers alike.
  void inside_runs(std::int32_t r, std::int32_t from, std::int32_t to,
                   std::vector<std::pair<std::int32_t, std::int32_t>>& runs) const;

 private:
  bool in_corner_circle(std::int32_t p, std::int32_t q) const;
  std::int32_t m_x, m_y, m_width, m_height, m_radius;
  std::vector<std::int64_t> m_half_chord;  // by |p|; offsets past its end are computed on demand
};

// The corner radius of a shaped style's window at client size W x H
// (integers), not yet limited to 1 (the region rebuild does that): half the
// height for styles 2, 4 and 5, a fixed 12 for style 3, a third of the height
// for style 6 and a quarter for style 7, each limited to part of the width.
std::optional<std::int32_t> corner_radius_half_height(std::int32_t W, std::int32_t H);
std::optional<std::int32_t> corner_radius_fixed(std::int32_t W, std::int32_t H);
std::optional<std::int32_t> corner_radius_third_height(std::int32_t W, std::int32_t H);
std::optional<std::int32_t> corner_radius_quarter_height(std::int32_t W, std::int32_t H);

// The corner radius of any style, through the style table: nothing for a
// style without a shape.
std::optional<std::int32_t> button_corner_radius(std::int32_t style, std::int32_t W,
                                                 std::int32_t H);

}  // namespace candy
