// OLE colours: a COLORREF, or 0x80000000 | index naming a system colour.
#pragma once
#ifndef _WIN32  // a Windows compiler takes these names from windows.h: see the end
#include "platform/win/kernel/types.h"

namespace win {

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);

// olepro32's OleTranslateColor, without palettes (hpal is ignored):
//   0x80 0000ii  system colour ii; an index that does not exist fails with
//                E_INVALIDARG and leaves *out untouched
//   0x81-0xFF    fail the same way: they name no system colour
//   0x01 00iiii  a palette index: there is no palette to look it up in, so
//                it fails like a bad index
//   anything else (0x00 RGB, 0x02 palette-relative RGB, 0x03-0x7F) gives
//                its low 24 bits
// A null `out` is allowed: the call then only checks the colour.
HRESULT OleTranslateColor(OLE_COLOR clr, HPALETTE hpal, COLORREF* out);

}  // namespace win

#else
#include "platform/win/kernel/windows_build.h"
#endif  // _WIN32
