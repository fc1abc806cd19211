// The ellipses a DC drew lately, kept by their box: a repaint draws the same
// ellipses again, and working out a box's corner rows (the outline walk)
// costs far more than filling them. Only a memo: every box in it is what
// RoundBox::ellipse gives for that box, so the pixels stay the rasteriser's.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <vector>

#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/round_box.h"

namespace win {

class ShapeMemo {
 public:
  // RoundBox::ellipse(left, top, right, bottom), worked out once. The
  // reference stays valid until the next trim.
  const RoundBox& ellipse(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);
  // Forgets every box once the memo holds more than a repaint of a large
  // button needs; called before a drawing operation, never during one.
  void trim();

  // Scratch for the stack fill, kept so that a repaint allocates nothing.
  std::vector<const RoundBox*> boxes;
  std::vector<COLORREF> colors;

 private:
  std::map<std::array<std::int64_t, 4>, RoundBox> m_boxes;
  std::size_t m_rows = 0;  // corner rows held, a measure of the memory used
};

// The memo of a DC, made on first use.
ShapeMemo& shape_memo(const DeviceContext& dc);

// The pixels x_left .. x_right-1 of row y that a null-pen Ellipse fills in
// the box of `outer` (RoundBox::ellipse of its box); false when it fills
// none there.
bool null_pen_ellipse_row(const RoundBox& outer, std::int64_t y, std::int64_t& x_left, std::int64_t& x_right);

}  // namespace win
