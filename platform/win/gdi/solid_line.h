// Drawing a line in a colour without a pen object: what MoveToEx and LineTo
// do with a solid one-pixel pen of that colour selected, and the DC's pen then
// put back. For surfaces whose Line takes a colour, thousands of times a repaint.
#pragma once

#include "platform/win/kernel/handles.h"
#include "platform/win/kernel/types.h"

namespace win {

// Sets the start pixel and every pixel up to the end pixel, which it leaves
// out; the current position ends at (x2, y2). 0 when dc is not a live DC.
BOOL DrawSolidLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color);

struct DeviceContext;

// Horizontal lines on one DC, for painters that draw a face row by row: each
// row sets the pixels and the final position that DrawSolidLine(dc, x1, y,
// x2, y, color) would, with the DC looked up once rather than per row. Lives
// within one drawing operation; a DC that is not live draws nothing.
class SolidRows {
 public:
  explicit SolidRows(HDC dc);
  void line(int x1, int x2, int y, COLORREF color);

 private:
  DeviceContext* m_dc;
};

}  // namespace win
