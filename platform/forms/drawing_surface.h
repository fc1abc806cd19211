// A hosted control's drawing surface as the control's painters see it.
//
// Sizes are pixels in single precision. Drawing coordinates are floats too,
// because the host's drawing takes single-precision coordinates; the host
// rounds each one to the nearest pixel, ties to even, before drawing.
// Everything drawn stays on the surface's persistent image until drawn over.
#pragma once

#include "platform/win/kernel/types.h"

namespace forms {

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  virtual float ScaleWidth() const = 0;
  virtual float ScaleHeight() const = 0;

  // Sets the start pixel and every pixel up to, but not including, the end pixel.
  virtual void Line(float x1, float y1, float x2, float y2, win::OLE_COLOR color) = 0;
  // A filled box; both corner points are included, in either order.
  virtual void Box(float x1, float y1, float x2, float y2, win::OLE_COLOR color) = 0;
  virtual void PSet(float x, float y, win::OLE_COLOR color) = 0;

  // The device context for direct GDI drawing on the same image.
  virtual win::HDC hDC() const = 0;
  virtual win::HWND hWnd() const = 0;

  // Hands a window region to the surface's window, as SetWindowRgn(hWnd, region,
  // TRUE) does: the window owns the region from then on, and a null region
  // restores the full rectangle.
  virtual void SetWindowRgn(win::HRGN region) = 0;
};

}  // namespace forms
