// The Windows build: a line in a colour is a solid one-pixel pen selected for
// one MoveToEx and LineTo, and the DC's pen then put back.
#pragma once

#include "platform/win/kernel/types.h"

namespace win {

inline BOOL DrawSolidLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color) {
  HPEN pen = CreatePen(win_compat_macros::ps_solid, 1, color);
  HGDIOBJ old = ::SelectObject(dc, pen);
  MoveToEx(dc, x1, y1, nullptr);
  const BOOL drawn = LineTo(dc, x2, y2);
  ::SelectObject(dc, old);
  DeleteObject(pen);
  return drawn;
}

// Rows drawn as lines, one each.
class SolidRows {
 public:
  explicit SolidRows(HDC dc) : m_dc(dc) {}
  void line(int x1, int x2, int y, COLORREF color) { DrawSolidLine(m_dc, x1, y, x2, y, color); }

 private:
  HDC m_dc;
};

}  // namespace win
