#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <thread>
#include <vector>

#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/region.h"
#include "platform/win/gdi/round_box.h"

namespace win {
namespace {

// The outline walk in 128-bit arithmetic throughout: the model that the
// 64-bit walk of smaller corners must match.
CornerInsets wide_walk(std::int64_t w, std::int64_t h) {
  using I = __int128;
  const std::int64_t A = w - 1, B = h - 1;
  std::vector<std::int64_t> reach(std::size_t(B / 2 + 1), -1);
  auto F = [&](std::int64_t X, std::int64_t Y) {
    return I(B) * B * X * X + I(A) * A * Y * Y - I(A) * A * B * B;
  };
  auto plot = [&](std::int64_t X, std::int64_t Y) {
    reach[std::size_t(Y / 2)] = std::max(reach[std::size_t(Y / 2)], X);
  };
  auto outside = [&](std::int64_t X, std::int64_t Y) { return F(X, Y) + F(X - 2, Y) >= 0; };
  std::int64_t X = A, Y = B % 2;
  plot(X, Y);
  while (Y + 2 <= B) {
    const std::int64_t next = outside(X, Y + 2) ? X - 2 : X;
    if (outside(next, Y + 2)) break;
    X = next;
    Y += 2;
    plot(X, Y);
  }
  while (X > A % 2) {
    X -= 2;
    if (Y + 2 <= B && F(X, Y + 2) + F(X, Y) <= 0) Y += 2;
    plot(X, Y);
  }
  CornerInsets insets;
  for (std::int64_t i = 0; i < (h + 1) / 2; ++i) {
    const std::int64_t r = reach[std::size_t((B - 2 * i) / 2)];
    insets.push_back(std::int32_t(r < 0 ? (w + 1) / 2 : (A - r) / 2));
  }
  return insets;
}

// Every row of the box against its corner walked afresh, past the cache.
void expect_fresh_rows(const RoundBox& box) {
  const CornerInsets fresh = walk_corner_insets(box.corner_width, box.corner_height);
  for (std::int64_t y = box.top - 1; y <= box.bottom; ++y) {
    std::int64_t x0 = 0, x1 = 0;
    const bool any = box.row(y, x0, x1);
    if (y < box.top || y >= box.bottom) {
      EXPECT_FALSE(any) << "row " << y;
      continue;
    }
    const std::size_t from_edge = std::size_t(std::min(y - box.top, box.bottom - 1 - y));
    const std::int64_t inset = from_edge < fresh.size() ? fresh[from_edge] : 0;
    EXPECT_EQ(any, box.left + inset < box.right - inset) << "row " << y;
    if (any) {
      EXPECT_EQ(x0, box.left + inset) << "row " << y;
      EXPECT_EQ(x1, box.right - inset) << "row " << y;
    }
  }
}

TEST(CornerTableCache, TheSixtyFourBitWalkMatchesTheWideOneUpToItsLimit) {
  std::mt19937 random(23);
  std::vector<std::pair<std::int64_t, std::int64_t>> sizes{
      {2, 2},     {3, 5},         {726, 106},  {32768, 32768}, {32768, 3},
      {3, 32768}, {20000, 31000}, {32769, 40}, {40, 40000}};
  for (int i = 0; i < 40; ++i)
    sizes.push_back({std::int64_t(random() % 2000 + 2), std::int64_t(random() % 2000 + 2)});
  for (const auto& [w, h] : sizes)
    EXPECT_EQ(walk_corner_insets(w, h), wide_walk(w, h)) << w << " x " << h;
}

TEST(CornerTableCache, BoxesAndRegionsFromTheCacheEqualAFreshWalk) {
  CornerTableCache::clear();
  std::mt19937 random(7);
  for (int i = 0; i < 60; ++i) {
    const int left = int(random() % 40) - 20, top = int(random() % 40) - 20;
    const int right = left + int(random() % 300), bottom = top + int(random() % 200);
    const int cw = int(random() % 320), ch = int(random() % 220);
    const RoundBox first = RoundBox::make(left, top, right, bottom, cw, ch);  // walked
    const RoundBox again = RoundBox::make(left, top, right, bottom, cw, ch);  // from the cache
    expect_fresh_rows(first);
    expect_fresh_rows(again);
    // The regions built with a warm cache and after forgetting it are the same.
    const HRGN warm = CreateRoundRectRgn(left, top, right, bottom, cw, ch);
    const HRGN warm_ellipse = CreateEllipticRgn(left, top, right, bottom);
    CornerTableCache::clear();
    const HRGN cold = CreateRoundRectRgn(left, top, right, bottom, cw, ch);
    const HRGN cold_ellipse = CreateEllipticRgn(left, top, right, bottom);
    EXPECT_TRUE(EqualRgn(warm, cold))
        << left << "," << top << "," << right << "," << bottom << " / " << cw << "x" << ch;
    EXPECT_TRUE(EqualRgn(warm_ellipse, cold_ellipse))
        << left << "," << top << "," << right << "," << bottom;
    for (const HRGN r : {warm, warm_ellipse, cold, cold_ellipse}) DeleteObject(r);
  }
}

TEST(CornerTableCache, ItKeepsWithinItsBoundsAndBoxesKeepTheirTables) {
  CornerTableCache::clear();
  const RoundBox held = RoundBox::ellipse(0, 0, 300, 200);
  // More small corners than the cache keeps tables for.
  for (std::int64_t w = 2; w < 2 + 70; ++w)
    for (std::int64_t h = 2; h < 2 + 70; ++h) {
      RoundBox::make(0, 0, 100, 100, w, h);
      ASSERT_LE(CornerTableCache::tables(), CornerTableCache::kMaxTables);
    }
  EXPECT_EQ(CornerTableCache::tables(), CornerTableCache::kMaxTables);
  // Corners tall enough that a few of them pass the bound on insets.
  for (std::int64_t h = 60000; h < 60040; ++h) {
    RoundBox::make(0, 0, 100, h, 50, h);
    ASSERT_LE(CornerTableCache::rows(), CornerTableCache::kMaxRows);
  }
  EXPECT_GT(CornerTableCache::rows(), CornerTableCache::kMaxRows / 2);
  // The first table is long gone from the cache; the box still has it.
  expect_fresh_rows(held);
  CornerTableCache::clear();
  EXPECT_EQ(CornerTableCache::tables(), 0u);
  EXPECT_EQ(CornerTableCache::rows(), 0u);
}

TEST(CornerTableCache, ThreadsSharingItSeeTheSameShapes) {
  CornerTableCache::clear();
  auto work = [](int seed, std::vector<RoundBox>& out) {
    for (int i = 0; i < 200; ++i) {
      const std::int64_t w = 2 + (i * 7 + seed) % 90, h = 2 + (i * 13 + seed) % 70;
      out.push_back(RoundBox::make(0, 0, 120, 90, w, h));
    }
  };
  std::vector<std::vector<RoundBox>> boxes(4);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) threads.emplace_back(work, t % 2, std::ref(boxes[std::size_t(t)]));
  for (std::thread& t : threads) t.join();
  for (const std::vector<RoundBox>& list : boxes)
    for (const RoundBox& box : list) expect_fresh_rows(box);
}

}  // namespace
}  // namespace win
