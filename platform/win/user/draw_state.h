// user32's DrawStateA: text, prefixed text, icons and bitmaps, drawn as they
// are, embossed (disabled) or as a one-colour silhouette (mono).
//
//   state          text                          icon / bitmap
//   DSS_NORMAL     anti-aliased, text colour     its pixels (an icon's mask
//                                                keeps the background)
//   DSS_DISABLED   highlight (COLOR_3DHILIGHT) at (+1, +1), then shadow
//                  (COLOR_3DSHADOW) at (0, 0), through the solid mask
//   DSS_MONO       the solid mask in the brush's colour (a hollow brush
//                  draws nothing; without a valid brush the call fails)
//
// The solid mask of text is its coverage cut at half; of an icon, the pixels
// its AND mask leaves opaque; of a bitmap, the pixels that are not white (a
// monochrome copy against a white background). Text never fills a
// background. cx and cy cut the drawing to that size from (x, y); 0 means
// the text's extent or the picture's size. Pictures are not stretched.
#pragma once

#include <cstddef>

#include "platform/win/kernel/types.h"

namespace win {

inline constexpr UINT DST_COMPLEX = 0x0000;
inline constexpr UINT DST_TEXT = 0x0001;
inline constexpr UINT DST_PREFIXTEXT = 0x0002;
inline constexpr UINT DST_ICON = 0x0003;
inline constexpr UINT DST_BITMAP = 0x0004;
inline constexpr UINT DSS_NORMAL = 0x0000;
inline constexpr UINT DSS_UNION = 0x0010;  // drawn as normal
inline constexpr UINT DSS_DISABLED = 0x0020;
inline constexpr UINT DSS_MONO = 0x0080;
inline constexpr UINT DSS_RIGHT = 0x8000;  // ignored

using DRAWSTATEPROC = BOOL (*)(HDC, LPARAM, WPARAM, int, int);

// Pictures: data is the HICON or HBITMAP value, wdata is unused. Text cannot
// travel in a 32-bit LPARAM here, so DST_TEXT and DST_PREFIXTEXT fail in this
// form, as do DST_COMPLEX and callbacks (ERROR_INVALID_PARAMETER).
BOOL DrawStateA(HDC dc, HBRUSH brush, DRAWSTATEPROC proc, LPARAM data, WPARAM wdata, int x, int y,
                int cx, int cy, UINT flags);
// Text (DST_TEXT or DST_PREFIXTEXT), in Windows-1252; length 0 or -1 means
// up to the terminating zero.
BOOL DrawStateA(HDC dc, HBRUSH brush, std::nullptr_t proc, const char* text, int length, int x,
                int y, int cx, int cy, UINT flags);
// The same in UTF-16 (text.h tells how): every character the DC's font has.
BOOL DrawStateW(HDC dc, HBRUSH brush, std::nullptr_t proc, const WCHAR* text, int length, int x,
                int y, int cx, int cy, UINT flags);

}  // namespace win
