// Bitmap objects: 32-bit pixel buffers in the handle table.
#include "platform/win/gdi/bitmap.h"

#include <mutex>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>

#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/gdi.h"

namespace win {
namespace {

// Pixel buffers of deleted bitmaps, the latest last.
class PixelPool {
 public:
  std::vector<COLORREF> take(std::size_t size) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    for (auto it = m_buffers.end(); it != m_buffers.begin();) {
      --it;
      if (it->size() != size) continue;
      std::vector<COLORREF> found = std::move(*it);
      m_buffers.erase(it);
      m_pixels -= size;
      return found;
    }
    return {};
  }
  void keep(std::vector<COLORREF> pixels) {
    if (pixels.empty() || pixels.size() > kMaxPooledPixels) return;
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_pixels += pixels.size();
    m_buffers.push_back(std::move(pixels));
    while (m_buffers.size() > kPooledBuffers || m_pixels > kMaxPooledPixels) {
      m_pixels -= m_buffers.front().size();
      m_buffers.erase(m_buffers.begin());
    }
  }
  std::size_t pixels() {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_pixels;
  }

 private:
  std::mutex m_mutex;
  std::vector<std::vector<COLORREF>> m_buffers;
  std::size_t m_pixels = 0;
};

PixelPool& pixel_pool() {
  static PixelPool instance;
  return instance;
}

}  // namespace

Bitmap* bitmap_from_handle(HBITMAP bmp) {
  return handle_table().get<Bitmap>(bmp.value, ObjectKind::Bitmap);
}

HBITMAP make_bitmap_handle(Surface pixels, int bits_per_pixel) {
  auto bitmap = std::make_unique<Bitmap>();
  bitmap->surface = std::move(pixels);
  bitmap->bits_per_pixel = bits_per_pixel;
  return HBITMAP{HGDIOBJ{handle_table().insert(ObjectKind::Bitmap, std::move(bitmap))}};
}

HBITMAP make_bitmap_to_fill(std::int32_t width, std::int32_t height) {
  if (width < 1 || height < 1 || std::int64_t(width) * height > kMaxBitmapPixels)
    throw std::invalid_argument("make_bitmap_to_fill: no bitmap of " + std::to_string(width) +
                                " x " + std::to_string(height));
  Surface surface;
  surface.pixels = pixel_pool().take(std::size_t(width) * std::size_t(height));
  if (surface.pixels.empty()) surface.resize(width, height);
  surface.width = width;
  surface.height = height;
  return make_bitmap_handle(std::move(surface), 32);
}

void keep_bitmap_pixels(std::vector<COLORREF> pixels) { pixel_pool().keep(std::move(pixels)); }
std::size_t pooled_bitmap_pixels() { return pixel_pool().pixels(); }

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
