// A bitmap object: its pixels in a surface, plus the depth it was made with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

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

// A new 32-bit bitmap of width × height (both 1 .. kMaxBitmapPixels in all)
// whose pixels the caller fills, every one, before any is read: the pixels
// of a bitmap deleted lately are taken as they are when they have this
// size, and a new image is then cleared once instead of twice. Throws
// std::invalid_argument for a size out of range.
HBITMAP make_bitmap_to_fill(std::int32_t width, std::int32_t height);

// The pixels of deleted bitmaps kept for make_bitmap_to_fill: at most
// kPooledBuffers buffers of kMaxPooledPixels pixels together (16 MiB), the
// oldest forgotten first. Safe to use from many threads.
inline constexpr std::size_t kPooledBuffers = 4;
inline constexpr std::size_t kMaxPooledPixels = std::size_t(1) << 22;
void keep_bitmap_pixels(std::vector<COLORREF> pixels);
std::size_t pooled_bitmap_pixels();  // kept now

}  // namespace win
