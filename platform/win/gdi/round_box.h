// The one rasteriser for rounded shapes: CreateEllipticRgn, CreateRoundRectRgn
// and Ellipse all ask it for the pixels of a row. The regions hand it their
// box less the last column and row, so a null-pen Ellipse of a box and the
// elliptic region of that box one pixel larger are the same pixel set.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace win {

// How far the corner rows of a box are cut in from each side, from the
// outermost row inwards; a row with no pixel of the corner ellipse is cut in
// past the corner's middle.
using CornerInsets = std::vector<std::int32_t>;

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
  // The corner table, shared by every box with corners of this size (see
  // corner_table_cache below); null for square corners and for corners too
  // large for the walk, whose rows are worked out when asked for, so a huge
  // shape costs only the rows that are drawn.
  std::shared_ptr<const CornerInsets> corner_insets;
  bool corners_by_rule = false;

  // Corners in either order; corner sizes are taken as absolute values and
  // limited to the box.
  static RoundBox make(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                       std::int64_t corner_width, std::int64_t corner_height);
  static RoundBox ellipse(std::int64_t left, std::int64_t top, std::int64_t right,
                          std::int64_t bottom);

  bool empty() const { return left >= right || top >= bottom; }
  std::size_t corner_rows() const { return corner_insets ? corner_insets->size() : 0; }
  // The pixels left .. right-1 of row y; false when the row has none.
  bool row(std::int64_t y, std::int64_t& x_left, std::int64_t& x_right) const {
    if (empty() || y < top || y >= bottom) return false;
    const std::int64_t from_edge = y - top < bottom - 1 - y ? y - top : bottom - 1 - y;
    std::int64_t inset = 0;
    if (corners_by_rule) {
      if (from_edge < (corner_height + 1) / 2) inset = rule_inset(from_edge);
    } else if (from_edge < static_cast<std::int64_t>(corner_rows())) {
      inset = (*corner_insets)[static_cast<std::size_t>(from_edge)];
    }
    x_left = left + inset;
    x_right = right - inset;
    return x_left < x_right;
  }

 private:
  std::int64_t rule_inset(std::int64_t from_edge) const;
};

// The corner table of a w × h corner (both 2 .. 65,536), worked out by the
// outline walk itself, never taken from the cache.
CornerInsets walk_corner_insets(std::int64_t w, std::int64_t h);

// The corner tables worked out lately, one per corner size, shared by every
// box, device context and thread: a repaint, a first paint, a render with a
// new DC and a region rebuild all draw the same few corners, and the walk
// costs far more than reading its table. Safe to use from many threads.
// It holds at most kMaxTables tables and kMaxRows insets over all of them
// (4 bytes each: 2 MiB, plus about 100 bytes a table); past either bound the
// tables made longest ago are forgotten (boxes that hold one keep it).
class CornerTableCache {
 public:
  static constexpr std::size_t kMaxTables = 4096;
  static constexpr std::size_t kMaxRows = std::size_t(1) << 19;

  // The table of a w × h corner (both 2 .. 65,536).
  static std::shared_ptr<const CornerInsets> table(std::int64_t w, std::int64_t h);
  static std::size_t tables();  // held now
  static std::size_t rows();    // insets held now, over every table
  static void clear();
};

}  // namespace win
