// The Windows build of code written over this platform: a Windows compiler
// (MinGW-w64, for the comparison tools) includes this in place of our own
// headers, so the same sources call the real windows.h. Our names map onto
// its: the few that windows.h defines as macros become constants and
// functions of namespace win, so that win::RGB and win::PS_NULL read the same
// in both builds.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <olectl.h>

namespace win_windows_macros {
constexpr int ps_null = PS_NULL;
constexpr int ps_solid = PS_SOLID;
constexpr int rgn_or = RGN_OR;
constexpr int rgn_xor = RGN_XOR;
}  // namespace win_windows_macros
#undef PS_NULL
#undef PS_SOLID
#undef RGN_OR
#undef RGN_XOR
#undef RGB
#undef GetRValue
#undef GetGValue
#undef GetBValue

namespace win {

using ::BOOL;
using ::BYTE;
using ::COLORREF;
using ::DWORD;
using ::HBITMAP;
using ::HBRUSH;
using ::HDC;
using ::HGDIOBJ;
using ::HPALETTE;
using ::HPEN;
using ::HRESULT;
using ::HRGN;
using ::HWND;
using ::LONG;
using ::OLE_COLOR;
using ::POINT;
using ::RECT;
using ::RGNDATA;
using ::UINT;

inline constexpr int PS_NULL = win_windows_macros::ps_null;
inline constexpr int PS_SOLID = win_windows_macros::ps_solid;
inline constexpr int RGN_OR = win_windows_macros::rgn_or;
inline constexpr int RGN_XOR = win_windows_macros::rgn_xor;

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return BYTE(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return BYTE((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return BYTE((c >> 16) & 0xFF); }

// Selecting keeps the handle's type, as our SelectObject does.
template <typename H>
H SelectObject(HDC dc, H object) {
  return static_cast<H>(::SelectObject(dc, object));
}

// Our GDI's FillRect for real brushes is windows.h's FillRect.
inline int fill_rect(HDC dc, const RECT* rect, HBRUSH brush) { return ::FillRect(dc, rect, brush); }

// Defined by the program that builds for Windows: ::Ellipse itself, or a
// version that watches what it draws.
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);

using ::CombineRgn;
using ::CreatePen;
using ::CreateRectRgn;
using ::CreateRoundRectRgn;
using ::CreateSolidBrush;
using ::DeleteObject;
using ::FillRect;
using ::GetRegionData;
using ::InflateRect;
using ::IsRectEmpty;
using ::LineTo;
using ::MoveToEx;
using ::OleTranslateColor;
using ::PtInRegion;
using ::SetPixelV;
using ::SetRect;

}  // namespace win
