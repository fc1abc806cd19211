// An extension of our GDI that Windows does not have: a line in a colour
// drawn without a pen object, for surfaces whose Line takes a colour,
// thousands of times a repaint.
//
// The plain versions in namespace plain are the definition, written with
// ordinary Windows calls: a Windows build uses them, ours the fast ones, and
// tests hold the two equal.
#pragma once

#include "platform/win/gdi/gdi.h"
#include "platform/win/kernel/types.h"

namespace win {

namespace plain {

// MoveToEx and LineTo with a solid one-pixel pen of the colour selected, and
// the DC's pen then put back.
inline BOOL DrawSolidLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color) {
  const HPEN pen = win::CreatePen(PS_SOLID, 1, color);
  const HPEN old = win::SelectObject(dc, pen);
  win::MoveToEx(dc, x1, y1, nullptr);
  const BOOL drawn = win::LineTo(dc, x2, y2);
  win::SelectObject(dc, old);
  win::DeleteObject(pen);
  return drawn;
}

// Horizontal lines, one DrawSolidLine each.
class SolidRows {
 public:
  explicit SolidRows(HDC dc) : m_dc(dc) {}
  void line(int x1, int x2, int y, COLORREF color) {
    plain::DrawSolidLine(m_dc, x1, y, x2, y, color);
  }

 private:
  HDC m_dc;
};

}  // namespace plain

#ifdef _WIN32
using plain::DrawSolidLine;
using plain::SolidRows;
#else

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

#endif  // _WIN32

}  // namespace win
