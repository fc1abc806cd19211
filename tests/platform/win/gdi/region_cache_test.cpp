#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/region.h"
#include "platform/win/gdi/region_cache.h"

namespace win {
namespace {

std::atomic<int> g_made{0};

// A round box from the first four arguments, its corner from the fifth.
HRGN round_box(const RegionArgs& a) {
  ++g_made;
  return CreateRoundRectRgn(a[0], a[1], a[2], a[3], a[4], a[4]);
}

// The same arguments, another shape: the maker is part of the key.
HRGN ellipse(const RegionArgs& a) {
  ++g_made;
  return CreateEllipticRgn(a[0], a[1], a[2], a[3]);
}

// A comb of `a[0]` teeth in one band: more spans than a band keeps inline.
HRGN comb(const RegionArgs& a) {
  ++g_made;
  Region region;
  std::vector<RegionSpan> spans;
  for (std::int32_t i = 0; i < a[0]; ++i) spans.push_back({2 * i, 2 * i + 1});
  region.append_band(0, a[1], spans);
  return make_region_handle(region);
}

void expect_same(HRGN cached, HRGN fresh) {
  ASSERT_TRUE(cached);
  EXPECT_TRUE(EqualRgn(cached, fresh));
  DeleteObject(cached);
  DeleteObject(fresh);
}

TEST(RegionCache, CopiesEqualTheMakersRegionAndBelongToTheCaller) {
  RegionCache::clear();
  g_made = 0;
  const RegionArgs box{3, 2, 90, 60, 24, 0};
  const HRGN first = CachedRegion(&round_box, box);
  const HRGN second = CachedRegion(&round_box, box);
  EXPECT_EQ(g_made, 1);
  EXPECT_NE(first, second);
  // Changing one copy leaves the other and the kept one alone.
  OffsetRgn(first, 5, 5);
  expect_same(CachedRegion(&round_box, box), plain::CachedRegion(&round_box, box));
  expect_same(second, round_box(box));
  DeleteObject(first);
  // Another maker or other arguments make their own region.
  expect_same(CachedRegion(&ellipse, box), ellipse(box));
  expect_same(CachedRegion(&round_box, {3, 2, 90, 60, 25, 0}), round_box({3, 2, 90, 60, 25, 0}));
  EXPECT_EQ(RegionCache::regions(), 3u);
}

TEST(RegionCache, ItKeepsWithinItsBounds) {
  RegionCache::clear();
  for (std::int32_t i = 0; i < std::int32_t(RegionCache::kMaxRegions) + 50; ++i) {
    DeleteObject(CachedRegion(&round_box, {0, 0, 20 + i % 100, 10 + i / 100, 8, 0}));
    ASSERT_LE(RegionCache::regions(), RegionCache::kMaxRegions);
  }
  EXPECT_EQ(RegionCache::regions(), RegionCache::kMaxRegions);
  // Tall ellipses, a band a row or two each, pass the bound on bands.
  for (std::int32_t h = 5000; h < 5100; ++h) {
    DeleteObject(CachedRegion(&ellipse, {0, 0, 3000, h, 0, 0}));
    ASSERT_LE(RegionCache::bands(), RegionCache::kMaxBands);
  }
  EXPECT_GT(RegionCache::bands(), RegionCache::kMaxBands / 2);
  // A band of many spans counts as many; one larger than the bound is made
  // and handed out, not kept.
  RegionCache::clear();
  DeleteObject(CachedRegion(&comb, {10, 4, 0, 0, 0, 0}));
  EXPECT_EQ(RegionCache::bands(), 11u);
  const RegionArgs huge{std::int32_t(RegionCache::kMaxBands) + 1, 1, 0, 0, 0, 0};
  expect_same(CachedRegion(&comb, huge), comb(huge));
  EXPECT_EQ(RegionCache::regions(), 1u);
  RegionCache::clear();
  EXPECT_EQ(RegionCache::regions(), 0u);
  EXPECT_EQ(RegionCache::bands(), 0u);
}

TEST(RegionCache, ThreadsSharingItGetEqualRegions) {
  RegionCache::clear();
  std::atomic<int> wrong{0};
  auto work = [&wrong](int seed) {
    for (int i = 0; i < 300; ++i) {
      const RegionArgs args{0, 0, 40 + (i * 7 + seed) % 30, 30 + (i * 3) % 20, 6 + i % 9, 0};
      const HRGN cached = CachedRegion(&round_box, args);
      const HRGN fresh = round_box(args);
      if (!EqualRgn(cached, fresh)) ++wrong;
      DeleteObject(cached);
      DeleteObject(fresh);
    }
  };
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) threads.emplace_back(work, t % 2);
  for (std::thread& t : threads) t.join();
  EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace win
