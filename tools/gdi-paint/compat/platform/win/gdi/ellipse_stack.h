// The Windows build: a stack of filled ellipses is what it stands for, one
// Ellipse per ring with a null pen and a solid brush of its colour, later
// rings over earlier ones.
#pragma once

#include <span>

#include "platform/win/kernel/types.h"

namespace win {

struct EllipseRing {
  RECT box;
  COLORREF color;
};

inline BOOL FillEllipseStack(HDC dc, std::span<const EllipseRing> rings) {
  HPEN pen = CreatePen(win_compat_macros::ps_null, 0, 0);
  HGDIOBJ old_pen = ::SelectObject(dc, pen);
  HGDIOBJ old_brush = nullptr;
  for (const EllipseRing& ring : rings) {
    HBRUSH brush = CreateSolidBrush(ring.color);
    HGDIOBJ replaced = ::SelectObject(dc, brush);
    if (!old_brush) old_brush = replaced;
    else DeleteObject(replaced);
    win::Ellipse(dc, ring.box.left, ring.box.top, ring.box.right, ring.box.bottom);
  }
  if (old_brush) DeleteObject(::SelectObject(dc, old_brush));
  ::SelectObject(dc, old_pen);
  DeleteObject(pen);
  return TRUE;
}

}  // namespace win
