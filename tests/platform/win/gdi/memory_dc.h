// A memory DC drawing into a fresh bitmap of one colour, for tests that look
// at the pixels a drawing call leaves.
#pragma once

#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/gdi.h"

namespace win {

struct MemoryDc {
  HDC dc;
  HBITMAP bitmap;
  HBITMAP previous;
  MemoryDc(int w, int h, COLORREF fill) {
    dc = CreateCompatibleDC(HDC{});
    bitmap = CreateCompatibleBitmap(dc, w, h);
    previous = SelectObject(dc, bitmap);
    bitmap_from_handle(bitmap)->surface.fill(fill);
  }
  ~MemoryDc() {
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  const Surface& pixels() const { return bitmap_from_handle(bitmap)->surface; }
};

}  // namespace win
