// GDI drawing on device contexts: objects (brushes, pens, bitmaps), memory
// DCs, rectangles, lines, pixels and ellipses. Geometry follows Windows:
// rectangles exclude right and bottom, a line sets its start pixel and
// excludes its end pixel.
#pragma once
#ifndef _WIN32  // a Windows compiler takes these names from windows.h: see the end

#include "platform/win/kernel/types.h"

namespace win {

// Pen styles.
inline constexpr int PS_SOLID = 0;
inline constexpr int PS_NULL = 5;

// Stock objects.
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int WHITE_PEN = 6;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEFAULT_GUI_FONT = 17;

inline constexpr DWORD SRCCOPY = 0x00CC0020;
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

HBRUSH CreateSolidBrush(COLORREF color);
HPEN CreatePen(int style, int width, COLORREF color);
HGDIOBJ GetStockObject(int index);
// Returns the object it replaces in the DC, or 0 on failure.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
HBRUSH SelectObject(HDC dc, HBRUSH brush);
HPEN SelectObject(HDC dc, HPEN pen);
HBITMAP SelectObject(HDC dc, HBITMAP bitmap);
HFONT SelectObject(HDC dc, HFONT font);
// Deletes any GDI object (region, brush, pen, bitmap, font); stock objects stay.
BOOL DeleteObject(HGDIOBJ object);

HDC CreateCompatibleDC(HDC dc);  // dc may be 0
BOOL DeleteDC(HDC dc);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
// A bitmap handle's size; false for a bad handle.
BOOL GetBitmapSize(HBITMAP bitmap, SIZE* size);

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom);
BOOL SetRectEmpty(RECT* rect);
BOOL InflateRect(RECT* rect, int dx, int dy);
BOOL OffsetRect(RECT* rect, int dx, int dy);
BOOL IsRectEmpty(const RECT* rect);
BOOL IntersectRect(RECT* out, const RECT* a, const RECT* b);
BOOL PtInRect(const RECT* rect, POINT pt);

// FillRect for real brushes only; user32's FillRect (user/fill_rect.h) adds
// the COLOR_x + 1 brush values, which need the system colours.
int fill_rect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL FillRgn(HDC dc, HRGN rgn, HBRUSH brush);
BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
BOOL LineTo(HDC dc, int x, int y);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
BOOL SetPixelV(HDC dc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC dc, int x, int y);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int corner_width,
               int corner_height);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int src_x, int src_y,
            DWORD rop);

COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);

}  // namespace win

// fill_solid_rect, a fast box fill, beside its plain version.
#include "platform/win/gdi/solid_rect.h"

#else
#include "platform/win/kernel/windows_build.h"
#endif  // _WIN32
