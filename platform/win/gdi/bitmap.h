// A bitmap object: its pixels in a surface, plus the depth it was made with.
#pragma once

#include <cstdint>

#include "platform/win/kernel/handles.h"
#include "platform/win/gdi/surface.h"
#include "platform/win/kernel/types.h"

namespace win {

// Larger bitmaps are refused (CreateCompatibleBitmap fails) instead of
// exhausting memory.
inline constexpr std::int64_t kMaxBitmapPixels = std::int64_t(1) << 26;

struct Bitmap : Object {
  Surface surface;
  int bits_per_pixel = 32;
  HDC selected_into;  // the memory DC drawing into it, if any; it can't be deleted meanwhile
};

Bitmap* bitmap_from_handle(HBITMAP bmp);
// A new bitmap handle owning the given pixels.
HBITMAP make_bitmap_handle(Surface pixels, int bits_per_pixel = 32);

}  // namespace win
