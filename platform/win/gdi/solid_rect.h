// An extension of our GDI that Windows does not have: a box filled in a
// colour without a brush object, for surfaces that fill boxes in a colour
// every repaint.
//
// The plain version in namespace plain is the definition, written with
// ordinary Windows calls: a Windows build uses it, ours the fast one, and
// tests hold the two equal.
#pragma once

#include "platform/win/gdi/gdi.h"

namespace win {

namespace plain {

// fill_rect with a solid brush of the colour, made for the call.
inline int fill_solid_rect(HDC dc, const RECT* rect, COLORREF color) {
  const HBRUSH brush = win::CreateSolidBrush(color);
  const int filled = win::fill_rect(dc, rect, brush);
  win::DeleteObject(brush);
  return filled;
}

}  // namespace plain

#ifdef _WIN32
using plain::fill_solid_rect;
#else
int fill_solid_rect(HDC dc, const RECT* rect, COLORREF color);
#endif

}  // namespace win
