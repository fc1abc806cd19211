// An extension of our GDI that Windows does not have: filled ellipses drawn
// one over the other, each visible pixel written once, in the colour of the
// last ring that covers it.
//
// The plain version in namespace plain is the definition, written with
// ordinary Windows calls: a Windows build uses it, ours the fast one, and
// tests hold the two equal.
#pragma once

#include <span>

#include "platform/win/gdi/gdi.h"
#include "platform/win/kernel/types.h"

namespace win {

struct EllipseRing {
  RECT box;        // as Ellipse takes it
  COLORREF color;  // as CreateSolidBrush takes it
};

namespace plain {

// One Ellipse per ring in order, with a null pen and a solid brush of the
// ring's colour; the DC's pen and brush are then put back.
inline BOOL FillEllipseStack(HDC dc, std::span<const EllipseRing> rings) {
  const HPEN pen = win::CreatePen(PS_NULL, 0, 0);
  const HPEN old_pen = win::SelectObject(dc, pen);
  if (!old_pen) {
    win::DeleteObject(pen);
    return FALSE;
  }
  for (const EllipseRing& ring : rings) {
    const HBRUSH brush = win::CreateSolidBrush(ring.color);
    const HBRUSH old_brush = win::SelectObject(dc, brush);
    win::Ellipse(dc, ring.box.left, ring.box.top, ring.box.right, ring.box.bottom);
    win::SelectObject(dc, old_brush);
    win::DeleteObject(brush);
  }
  win::SelectObject(dc, old_pen);
  win::DeleteObject(pen);
  return TRUE;
}

}  // namespace plain

#ifdef _WIN32
using plain::FillEllipseStack;
#else
// 0 when dc is not a live DC. The DC's selected pen and brush are not used.
BOOL FillEllipseStack(HDC dc, std::span<const EllipseRing> rings);
#endif

}  // namespace win
