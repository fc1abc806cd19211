// Text on device contexts: the DC's text colour, measuring and drawing a line
// of text in the DC's font (the default GUI font when none is selected): the
// A functions take Windows-1252, the W functions UTF-16 (a surrogate pair is
// one character, a lone surrogate shows as U+FFFD) and draw every character
// the font has, left to right, one it lacks as its missing-glyph box. Text
// of Windows-1252 characters comes out the same through either. Text is drawn with the top of its
// cell at y; the DC's background mode decides whether the cell is first filled with the background
// colour.
#pragma once

#include "platform/win/kernel/types.h"

namespace win {

struct TEXTMETRICA {
  LONG tmHeight = 0;
  LONG tmAscent = 0;
  LONG tmDescent = 0;
  LONG tmInternalLeading = 0;
  LONG tmExternalLeading = 0;
  LONG tmAveCharWidth = 0;
  LONG tmMaxCharWidth = 0;
  LONG tmWeight = 0;
  BYTE tmItalic = 0;
  BYTE tmUnderlined = 0;
  BYTE tmStruckOut = 0;
  BYTE tmCharSet = 0;
};

// DrawTextA formats.
inline constexpr UINT DT_LEFT = 0x0000;
inline constexpr UINT DT_CENTER = 0x0001;
inline constexpr UINT DT_RIGHT = 0x0002;
inline constexpr UINT DT_VCENTER = 0x0004;
inline constexpr UINT DT_BOTTOM = 0x0008;
inline constexpr UINT DT_SINGLELINE = 0x0020;
inline constexpr UINT DT_NOCLIP = 0x0100;
inline constexpr UINT DT_CALCRECT = 0x0400;
inline constexpr UINT DT_NOPREFIX = 0x0800;

// Both return the previous colour, or CLR_INVALID for a bad DC.
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);

BOOL TextOutA(HDC dc, int x, int y, const char* text, int length);
// The sum of the characters' advances by the font's cell height; every
// character counts, ampersands included.
BOOL GetTextExtentPoint32A(HDC dc, const char* text, int length, SIZE* size);
BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics);

// One line of text in a rectangle (line breaks are not made: every format is
// single-line); length -1 means up to the terminating zero. Without
// DT_NOPREFIX an ampersand underlines the next character. DT_CALCRECT only
// sets the rectangle's right and bottom to fit the text. Returns the text's
// height, 0 on failure.
int DrawTextA(HDC dc, const char* text, int length, RECT* rect, UINT format);

BOOL TextOutW(HDC dc, int x, int y, const WCHAR* text, int length);
BOOL GetTextExtentPoint32W(HDC dc, const WCHAR* text, int length, SIZE* size);
int DrawTextW(HDC dc, const WCHAR* text, int length, RECT* rect, UINT format);

}  // namespace win
