// The one rasteriser for rounded shapes: CreateEllipticRgn, CreateRoundRectRgn
// and Ellipse all ask it for the pixels of a row. The regions hand it their
// box less the last column and row, so a null-pen Ellipse of a box and the
// elliptic region of that box one pixel larger are the same pixel set.
#pragma once

#include <cstdint>
#include <vector>

namespace win {

// A box left .. right-1 × top .. bottom-1 whose corners are the quarters of
// the pixel ellipse of corner_width × corner_height pixels (see
// round_box.cpp); an ellipse is a round box whose corner ellipse is the whole
// box; a corner of width or height 0 is square.
struct RoundBox {
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t right = 0;
  std::int64_t bottom = 0;
  std::int64_t corner_width = 0;
  std::int64_t corner_height = 0;
  // How far the corner rows are cut in from each side, from the outermost
  // row inwards; a row with no pixel of the corner ellipse is cut in past
  // the corner's middle. Corners too large for
  // the walk keep no table: their rows are worked out when asked for, so a
  // huge shape costs only the rows that are drawn.
  std::vector<std::int64_t> corner_insets;
  bool corners_by_rule = false;

  // Corners in either order; corner sizes are taken as absolute values and
  // limited to the box.
  static RoundBox make(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                       std::int64_t corner_width, std::int64_t corner_height);
  static RoundBox ellipse(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);

  bool empty() const { return left >= right || top >= bottom; }
  // The pixels left .. right-1 of row y; false when the row has none.
  bool row(std::int64_t y, std::int64_t& x_left, std::int64_t& x_right) const;
};

}  // namespace win
