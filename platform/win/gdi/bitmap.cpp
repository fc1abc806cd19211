// Bitmap objects: 32-bit pixel buffers in the handle table.
#include "platform/win/gdi/bitmap.h"

#include <new>

#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/gdi.h"

namespace win {

Bitmap* bitmap_from_handle(HBITMAP bmp) {
  return handle_table().get<Bitmap>(bmp.value, ObjectKind::Bitmap);
}

HBITMAP make_bitmap_handle(Surface pixels, int bits_per_pixel) {
  auto bitmap = std::make_unique<Bitmap>();
  bitmap->surface = std::move(pixels);
  bitmap->bits_per_pixel = bits_per_pixel;
  return HBITMAP{HGDIOBJ{handle_table().insert(ObjectKind::Bitmap, std::move(bitmap))}};
}

// A size of 0 gives a 1 × 1 bitmap, as in Windows; the pixels start black.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
  if ((dc && !dc_from_handle(dc)) || width < 0 || height < 0) return HBITMAP{};
  if (width == 0 || height == 0) width = height = 1;
  if (std::int64_t(width) * height > kMaxBitmapPixels) return HBITMAP{};
  try {
    return make_bitmap_handle(Surface(width, height, 0x000000), 32);
  } catch (const std::bad_alloc&) {
    return HBITMAP{};
  }
}

BOOL GetBitmapSize(HBITMAP bitmap, SIZE* size) {
  const Bitmap* found = bitmap_from_handle(bitmap);
  if (!found || !size) return 0;
  *size = {found->surface.width, found->surface.height};
  return 1;
}

}  // namespace win
