// Painting: update areas, WM_PAINT, and device contexts over a window's
// client surface. The surface keeps what was drawn; a paint only needs to
// redraw what changed.
#pragma once

#include "platform/win/kernel/types.h"

namespace win {

struct PAINTSTRUCT {
  HDC hdc;
  BOOL fErase = 0;  // the background still needs erasing
  RECT rcPaint;     // the update area being painted
};

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL ValidateRect(HWND hwnd, const RECT* rect);
BOOL UpdateWindow(HWND hwnd);
// The bounding rectangle of the update area; false when there is none.
BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase);
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);
HDC GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC dc);

// Gives the window a region (window coordinates) that clips its drawing, its
// composition and mouse hit-testing; the window owns the region from then on.
// A null region restores the full rectangle. Returns 0 and keeps the region
// with the caller when the call fails.
int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw);
// Copies the window's region into `region`; ERROR when the window has none.
int GetWindowRgn(HWND hwnd, HRGN region);

}  // namespace win
