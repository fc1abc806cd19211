// Brushes, pens and the stock objects, as the drawing code sees them.
//
// Stock objects live outside the handle table: their handles carry
// generation 0, which the table never hands out, so they can't collide with
// a table handle, are never deleted, and don't count as live objects.
#pragma once

#include <cstdint>

#include "platform/win/kernel/handles.h"
#include "platform/win/kernel/types.h"

namespace win {

struct Brush : Object {
  COLORREF color = 0;
  bool hollow = false;  // NULL_BRUSH: fills nothing
};

struct Pen : Object {
  int style = 0;  // PS_SOLID or PS_NULL
  int width = 1;
  COLORREF color = 0;
};

// A stock handle's kind, or ObjectKind::Count when the value isn't a stock handle.
ObjectKind stock_kind(std::uint32_t handle);
// The handle a new memory DC has selected in place of a bitmap; selecting it
// detaches the DC from any pixels.
HBITMAP default_bitmap();

// Brushes and pens behind live or stock handles; null otherwise. A DC whose
// brush or pen is 0 uses the stock WHITE_BRUSH or BLACK_PEN.
const Brush* brush_from_handle(HBRUSH brush);
const Pen* pen_from_handle(HPEN pen);
const Brush* selected_brush(HBRUSH brush);
const Pen* selected_pen(HPEN pen);

}  // namespace win
