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

// What a null-pen Ellipse of one box fills, row by row, read from the box's
// shared corner table. A box at most two pixels across or down fills as a
// null-pen Rectangle: its rows less the last, each less its last pixel.
class EllipseFill {
 public:
  explicit EllipseFill(const RoundBox& box);
  const RoundBox& box() const { return m_box; }
  bool row(std::int64_t y, std::int64_t& x_left, std::int64_t& x_right) const {
    if (y < m_top || y >= m_bottom) return false;
    if (m_by_rule) return m_box.row(y, x_left, x_right);
    const std::int64_t from_edge = y - m_top < m_bottom - 1 - y ? y - m_top : m_bottom - 1 - y;
    const std::int64_t inset = from_edge < m_corner_rows ? m_insets[from_edge] : 0;
    x_left = m_left + inset;
    x_right = m_right - inset;
    return x_left < x_right;
  }
  std::size_t size() const { return m_box.corner_rows() + 1; }
  // Rows outside top .. bottom-1 have no pixel.
  std::int64_t top() const { return m_top; }
  std::int64_t bottom() const { return m_bottom; }

 private:
  RoundBox m_box;
  // The filled rows and columns before the corners are cut, and the corner
  // table, read straight for speed: the stack fill asks every ring each row.
  std::int64_t m_left, m_top, m_right, m_bottom;
  const std::int32_t* m_insets = nullptr;
  std::int64_t m_corner_rows = 0;
  bool m_by_rule = false;  // a corner too large for a table
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
