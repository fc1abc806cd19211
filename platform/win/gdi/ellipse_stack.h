// Filled ellipses drawn one over the other, each with a null pen and a solid
// brush of its own colour: the same pixels as one Ellipse call per ring in
// order, but each visible pixel is written once, in the colour of the last
// ring that covers it.
#pragma once

#include <span>

#include "platform/win/kernel/handles.h"
#include "platform/win/kernel/types.h"

namespace win {

struct EllipseRing {
  RECT box;        // as Ellipse takes it
  COLORREF color;  // as CreateSolidBrush takes it
};

// 0 when dc is not a live DC. The DC's selected pen and brush are not used.
BOOL FillEllipseStack(HDC dc, std::span<const EllipseRing> rings);

}  // namespace win
