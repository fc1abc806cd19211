// The Windows build of the painters: our platform's names mapped onto the
// real windows.h. The few names windows.h defines as macros become constants
// and functions of namespace win, so that win::RGB and win::PS_NULL read the
// same in both builds.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <vector>
#include <olectl.h>

#include <cstdint>

namespace win_compat_macros {
constexpr int ps_null = PS_NULL;
constexpr int ps_solid = PS_SOLID;
constexpr int rgn_xor = RGN_XOR;
}  // namespace win_compat_macros
#undef PS_NULL
#undef PS_SOLID
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
using ::UINT;

inline constexpr int PS_NULL = win_compat_macros::ps_null;
inline constexpr int PS_SOLID = win_compat_macros::ps_solid;
inline constexpr int RGN_XOR = win_compat_macros::rgn_xor;

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

// How many Ellipse calls of this run changed pixels outside the box they
// were given: the reference fills the rows of narrow ellipses its outline
// walk never reaches from whatever its row buffer last held.
inline int& ellipses_drawn_outside_their_box() {
  static int count = 0;
  return count;
}

// Ellipse, watching the DC's 32-bit DIB section for pixels changed outside
// the box.
inline BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
  DIBSECTION dib{};
  const HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
  if (!bitmap || GetObject(bitmap, sizeof dib, &dib) != sizeof dib || dib.dsBm.bmBitsPixel != 32 ||
      !dib.dsBm.bmBits)
    return ::Ellipse(dc, left, top, right, bottom);
  const auto* bits = static_cast<const std::uint32_t*>(dib.dsBm.bmBits);
  const int width = dib.dsBm.bmWidth, height = std::abs(dib.dsBm.bmHeight);
  const std::vector<std::uint32_t> before(bits, bits + std::size_t(width) * std::size_t(height));
  GdiFlush();
  const BOOL drawn = ::Ellipse(dc, left, top, right, bottom);
  GdiFlush();
  const int l = std::min(left, right), r = std::max(left, right);
  const int t = std::min(top, bottom), b = std::max(top, bottom);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::size_t i = std::size_t(y) * std::size_t(width) + std::size_t(x);
      if (bits[i] != before[i] && (x < l || x >= r || y < t || y >= b)) {
        ++ellipses_drawn_outside_their_box();
        return drawn;
      }
    }
  return drawn;
}

using ::CombineRgn;
using ::CreatePen;
using ::CreateRectRgn;
using ::CreateRoundRectRgn;
using ::CreateSolidBrush;
using ::DeleteObject;
using ::FillRect;
using ::InflateRect;
using ::IsRectEmpty;
using ::LineTo;
using ::MoveToEx;
using ::OleTranslateColor;
using ::PtInRegion;
using ::SetPixelV;
using ::SetRect;

}  // namespace win
