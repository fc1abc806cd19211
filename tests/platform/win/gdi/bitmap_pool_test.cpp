// Bitmaps made to be filled take the pixels of deleted ones of their size;
// every other bitmap still starts black, and the pixels kept stay bounded.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/gdi.h"

namespace win {
namespace {

// Empties the pool: buffers of one pixel push out whatever earlier tests
// left, and bitmaps to fill take them. Delete the bitmaps at the end.
std::vector<HBITMAP> drain() {
  for (std::size_t i = 0; i < kPooledBuffers; ++i) keep_bitmap_pixels(std::vector<COLORREF>(1));
  std::vector<HBITMAP> holders;
  for (std::size_t i = 0; i < kPooledBuffers; ++i) holders.push_back(make_bitmap_to_fill(1, 1));
  return holders;
}

void release(const std::vector<HBITMAP>& holders) {
  for (const HBITMAP h : holders) DeleteObject(h);
}

HBITMAP white_bitmap(int w, int h) {
  const HBITMAP b = CreateCompatibleBitmap(HDC{}, w, h);
  bitmap_from_handle(b)->surface.fill(0xFFFFFF);
  return b;
}

TEST(BitmapPool, ABitmapToFillTakesTheBufferOfADeletedOneOfItsSize) {
  const std::vector<HBITMAP> holders = drain();
  ASSERT_EQ(pooled_bitmap_pixels(), 0u);
  DeleteObject(white_bitmap(30, 20));
  EXPECT_EQ(pooled_bitmap_pixels(), 600u);
  // Another size, or a bitmap that must start black, leaves it.
  const HBITMAP other = make_bitmap_to_fill(20, 30 + 1);
  const HBITMAP black = CreateCompatibleBitmap(HDC{}, 30, 20);
  EXPECT_EQ(pooled_bitmap_pixels(), 600u);
  const Surface& b = bitmap_from_handle(black)->surface;
  EXPECT_TRUE(std::all_of(b.pixels.begin(), b.pixels.end(), [](COLORREF c) { return c == 0; }));
  const HBITMAP reused = make_bitmap_to_fill(20, 30);  // the same number of pixels, turned
  EXPECT_EQ(pooled_bitmap_pixels(), 0u);
  const Surface& r = bitmap_from_handle(reused)->surface;
  EXPECT_EQ(r.width, 20);
  EXPECT_EQ(r.height, 30);
  EXPECT_EQ(r.pixels.size(), 600u);
  for (const HBITMAP h : {other, black, reused}) DeleteObject(h);
  release(holders);
}

TEST(BitmapPool, ItKeepsFewBuffersAndRefusesBadSizes) {
  const std::vector<HBITMAP> holders = drain();
  for (int i = 0; i < int(kPooledBuffers) + 3; ++i) DeleteObject(white_bitmap(10, 10 + i));
  std::size_t want = 0;
  for (int i = 3; i < int(kPooledBuffers) + 3; ++i) want += std::size_t(10 * (10 + i));
  EXPECT_EQ(pooled_bitmap_pixels(), want);  // the latest ones
  keep_bitmap_pixels(std::vector<COLORREF>(kMaxPooledPixels + 1));
  EXPECT_EQ(pooled_bitmap_pixels(), want);
  keep_bitmap_pixels(std::vector<COLORREF>(kMaxPooledPixels));
  EXPECT_EQ(pooled_bitmap_pixels(), kMaxPooledPixels);
  for (const auto& [w, h] :
       std::vector<std::pair<int, int>>{{0, 5}, {5, 0}, {-1, 5}, {1 << 14, 1 << 13}})
    EXPECT_THROW(make_bitmap_to_fill(w, h), std::invalid_argument) << w << " x " << h;
  release(drain());  // the large buffer goes
  release(holders);
}

}  // namespace
}  // namespace win
