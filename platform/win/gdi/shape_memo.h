// The ellipses a DC filled lately, kept by their box: a repaint draws the
// same ellipses again, and working out a box's corner rows (the outline
// walk) costs far more than filling them. Only a memo: every shape in it is
// what RoundBox::ellipse gives for that box, read through the null-pen fill
// rule of Ellipse, so the pixels stay the rasteriser's.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <vector>

#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/round_box.h"

namespace win {

// The pixels x_left .. x_right-1 of row y that a null-pen Ellipse fills in
// the box of `outer` (RoundBox::ellipse of its box); false when it fills
// none there.
bool null_pen_ellipse_row(const RoundBox& outer, std::int64_t y, std::int64_t& x_left, std::int64_t& x_right);

// What a null-pen Ellipse of one box fills, row by row.
class EllipseFill {
 public:
  explicit EllipseFill(const RoundBox& box);
  const RoundBox& box() const { return m_box; }
  bool row(std::int64_t y, std::int64_t& x_left, std::int64_t& x_right) const {
    if (y < m_box.top || y >= m_box.bottom) return false;
    if (m_rows.empty()) return null_pen_ellipse_row(m_box, y, x_left, x_right);
    const std::size_t i = 2 * std::size_t(y - m_box.top);
    x_left = m_rows[i];
    x_right = m_rows[i + 1];
    return x_left < x_right;
  }
  std::size_t size() const { return m_rows.size() / 2 + m_box.corner_insets.size() + 1; }

 private:
  RoundBox m_box;
  // x_left, x_right of every row from the top, equal for an empty row; none
  // for a box too tall to keep, whose rows are asked of the box instead.
  std::vector<std::int32_t> m_rows;
};

class ShapeMemo {
 public:
  // The fill of Ellipse(left, top, right, bottom) with a null pen, worked out
  // once. The reference stays valid until the next trim.
  const EllipseFill& ellipse(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);
  // Forgets every shape once the memo holds more than a repaint of a large
  // button needs; called before a drawing operation, never during one.
  void trim();

  // Scratch for the stack fill, kept so that a repaint allocates nothing.
  std::vector<const EllipseFill*> shapes;
  std::vector<COLORREF> colors;

 private:
  std::map<std::array<std::int64_t, 4>, EllipseFill> m_shapes;
  std::size_t m_rows = 0;  // rows held, a measure of the memory used
};

// The memo of a DC, made on first use.
ShapeMemo& shape_memo(const DeviceContext& dc);

}  // namespace win
