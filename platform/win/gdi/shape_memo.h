// The ellipses a DC filled lately, kept by their box: a repaint draws the
// same ellipses again, and finds them here without asking the shared corner
// tables (round_box.h) again. Only a memo: every shape in it is
// what RoundBox::ellipse gives for that box, read through the null-pen fill
// rule of Ellipse, so the pixels stay the rasteriser's.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/round_box.h"

namespace win {

// The pixels x_left .. x_right-1 of row y that a null-pen Ellipse fills in
// the box of `outer` (RoundBox::ellipse of its box); false when it fills
// none there.
bool null_pen_ellipse_row(const RoundBox& outer, std::int64_t y, std::int64_t& x_left,
                          std::int64_t& x_right);

// The rows of an ellipse fill, read straight for speed and small enough to
// copy: the stack fill asks every ring each row, from rows kept side by side.
struct EllipseRows {
  // The filled rows and columns before the corners are cut.
  std::int64_t left = 0, top = 0, right = 0, bottom = 0;
  const std::int32_t* insets = nullptr;  // the corner table
  std::int64_t corner_rows = 0;
  const RoundBox* by_rule = nullptr;  // a corner too large for a table: its box answers

  bool row(std::int64_t y, std::int64_t& x_left, std::int64_t& x_right) const {
    if (y < top || y >= bottom) return false;
    if (by_rule) return by_rule->row(y, x_left, x_right);
    const std::int64_t from_edge = y - top < bottom - 1 - y ? y - top : bottom - 1 - y;
    const std::int64_t inset = from_edge < corner_rows ? insets[from_edge] : 0;
    x_left = left + inset;
    x_right = right - inset;
    return x_left < x_right;
  }
};

// What a null-pen Ellipse of one box fills, row by row, read from the box's
// shared corner table. A box at most two pixels across or down fills as a
// null-pen Rectangle: its rows less the last, each less its last pixel.
class EllipseFill {
 public:
  explicit EllipseFill(const RoundBox& box);
  // Its rows point into its own box.
  EllipseFill(const EllipseFill&) = delete;
  EllipseFill& operator=(const EllipseFill&) = delete;
  const RoundBox& box() const { return m_box; }
  // Valid while this fill lives.
  const EllipseRows& rows() const { return m_rows; }
  bool row(std::int64_t y, std::int64_t& x_left, std::int64_t& x_right) const {
    return m_rows.row(y, x_left, x_right);
  }
  std::size_t size() const { return m_box.corner_rows() + 1; }

 private:
  RoundBox m_box;
  EllipseRows m_rows;
};

class ShapeMemo {
 public:
  // The fill of Ellipse(left, top, right, bottom) with a null pen, worked out
  // once. The reference stays valid until the next trim.
  const EllipseFill& ellipse(std::int64_t left, std::int64_t top, std::int64_t right,
                             std::int64_t bottom);
  // Forgets every shape once the memo holds more than a repaint of a large
  // button needs; called before a drawing operation, never during one.
  void trim();
  std::size_t shape_count() const { return m_shapes.size(); }
  std::size_t row_count() const { return m_rows; }

  // The stack fill's last rings and their shapes, kept so that a repaint
  // allocates nothing and finds its shapes without a lookup each; a trim
  // empties them.
  std::vector<RECT> boxes;
  std::vector<const EllipseFill*> shapes;
  std::vector<EllipseRows> rows;  // of shapes, side by side
  std::vector<COLORREF> colors;

 private:
  using Box = std::array<std::int64_t, 4>;
  struct BoxHash {
    std::size_t operator()(const Box& b) const {
      std::uint64_t h = 0;
      for (const std::int64_t v : b) h = (h ^ std::uint64_t(v)) * 0x9E3779B97F4A7C15u;
      return std::size_t(h ^ (h >> 29));
    }
  };
  std::unordered_map<Box, EllipseFill, BoxHash> m_shapes;
  std::size_t m_rows = 0;  // rows held, a measure of the memory used
};

// The memo of a DC, made on first use: one that a deleted DC handed back
// when there is one, so that a new DC (a render, a first paint) starts with
// the shapes the last one drew.
ShapeMemo& shape_memo(const DeviceContext& dc);

// Takes the memo of a DC being deleted, for a later DC to start with. At most
// kPooledMemos wait, each with at most kMaxPooledShapes shapes (about 200
// bytes each) over kMaxPooledRows rows of corner tables (4 bytes each), so
// about 11 MiB at most; the glow of a 600 x 400 button holds about 200
// shapes. A larger memo is dropped. Safe to use from many threads.
inline constexpr std::size_t kPooledMemos = 8;
inline constexpr std::size_t kMaxPooledShapes = 4096;
inline constexpr std::size_t kMaxPooledRows = std::size_t(1) << 17;
void give_back_shape_memo(std::shared_ptr<ShapeMemo> memo);
std::size_t pooled_shape_memos();  // waiting now

}  // namespace win
