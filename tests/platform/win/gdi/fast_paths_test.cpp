// Each GDI extension gives what its plain version, written with ordinary
// Windows calls, gives: the same pixels and final position for lines and
// boxes, the same rows read from a region and the same region built.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <random>
#include <vector>

#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/region.h"
#include "platform/win/gdi/region_bands.h"
#include "platform/win/gdi/solid_line.h"
#include "platform/win/gdi/solid_rect.h"
#include "tests/platform/win/gdi/memory_dc.h"

namespace win {
namespace {

constexpr int kW = 24, kH = 16;

void expect_same_pixels(const MemoryDc& got, const MemoryDc& want) {
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      ASSERT_EQ(got.pixels().at(x, y), want.pixels().at(x, y)) << x << "," << y;
}

POINT position(HDC dc) {
  POINT p{};
  MoveToEx(dc, 0, 0, &p);
  MoveToEx(dc, p.x, p.y, nullptr);
  return p;
}

// Plain colours mostly, and now and then a palette index, a palette-relative
// colour or the 0x10FF.... value, which a pen or brush takes its own way.
COLORREF any_color(std::mt19937& random) {
  constexpr COLORREF kTops[] = {0, 0, 0, 0x01000000, 0x02000000, 0x10FF0000};
  const COLORREF top = kTops[random() % std::size(kTops)];
  return top | (COLORREF(random()) & (top == 0x10FF0000 ? 0xFFFFu : 0xFFFFFFu));
}

Region two_runs_a_row() {
  return Region::combine(Region::rect(2, 1, 9, 14), Region::rect(12, 3, 22, 15), RGN_OR);
}

TEST(FastPaths, DrawSolidLineIsAPenLineInEveryDirectionAndUnderAClip) {
  const Region clip = two_runs_a_row();
  std::mt19937 random(19);
  for (const Region* c : {static_cast<const Region*>(nullptr), &clip}) {
    MemoryDc fast(kW, kH, 0x999999), plain(kW, kH, 0x999999);
    dc_from_handle(fast.dc)->clip = c;
    dc_from_handle(plain.dc)->clip = c;
    for (int i = 0; i < 300; ++i) {
      const int x1 = int(random() % 34) - 5, y1 = int(random() % 26) - 5;
      const int x2 = i % 7 == 0 ? x1 : int(random() % 34) - 5,
                y2 = i % 5 == 0 ? y1 : int(random() % 26) - 5;
      const COLORREF color = any_color(random);
      EXPECT_EQ(DrawSolidLine(fast.dc, x1, y1, x2, y2, color),
                plain::DrawSolidLine(plain.dc, x1, y1, x2, y2, color));
      ASSERT_EQ(position(fast.dc), position(plain.dc)) << i;
    }
    dc_from_handle(fast.dc)->clip = nullptr;
    dc_from_handle(plain.dc)->clip = nullptr;
    expect_same_pixels(fast, plain);
  }
  EXPECT_EQ(DrawSolidLine(HDC{}, 0, 0, 5, 5, 0), plain::DrawSolidLine(HDC{}, 0, 0, 5, 5, 0));
}

TEST(FastPaths, SolidRowsAreOneLineEach) {
  MemoryDc fast(kW, kH, 0x999999), plain(kW, kH, 0x999999);
  SolidRows fast_rows(fast.dc);
  plain::SolidRows plain_rows(plain.dc);
  std::mt19937 random(3);
  for (int i = 0; i < 100; ++i) {
    const int x1 = int(random() % 34) - 5, x2 = int(random() % 34) - 5, y = int(random() % 22) - 3;
    const COLORREF color = any_color(random);
    fast_rows.line(x1, x2, y, color);
    plain_rows.line(x1, x2, y, color);
    ASSERT_EQ(position(fast.dc), position(plain.dc)) << i;
  }
  expect_same_pixels(fast, plain);
}

TEST(FastPaths, FillSolidRectIsASolidBrushFill) {
  const Region clip = two_runs_a_row();
  const RECT boxes[] = {{2, 3, 10, 8},   {10, 8, 2, 3},  {5, 5, 5, 9},   {-4, -4, 40, 30},
                        {20, 2, 30, 20}, {7, 12, 8, 13}, {15, 14, 3, 1}, {0, 0, 0, 0}};
  const COLORREF colors[] = {0x123456,    0x01000007, 0x01ABCDEF,
                             0x80000005u, 0x10FF1234, 0xFFFFFFFFu};
  for (const Region* c : {static_cast<const Region*>(nullptr), &clip}) {
    MemoryDc fast(kW, kH, 0x999999), plain(kW, kH, 0x999999);
    dc_from_handle(fast.dc)->clip = c;
    dc_from_handle(plain.dc)->clip = c;
    std::size_t i = 0;
    for (const RECT& box : boxes) {
      const COLORREF color = colors[i++ % std::size(colors)];
      EXPECT_EQ(fill_solid_rect(fast.dc, &box, color),
                plain::fill_solid_rect(plain.dc, &box, color));
    }
    dc_from_handle(fast.dc)->clip = nullptr;
    dc_from_handle(plain.dc)->clip = nullptr;
    expect_same_pixels(fast, plain);
  }
  const RECT box{0, 0, 4, 4};
  EXPECT_EQ(fill_solid_rect(HDC{}, &box, 0), plain::fill_solid_rect(HDC{}, &box, 0));
  MemoryDc m(4, 4, 0);
  EXPECT_EQ(fill_solid_rect(m.dc, nullptr, 0), plain::fill_solid_rect(m.dc, nullptr, 0));
}

// A region of rectangles, ellipses and rounded boxes XORed together.
HRGN random_region(std::mt19937& random) {
  const HRGN out = CreateRectRgn(0, 0, 0, 0);
  const int parts = 1 + int(random() % 5);
  for (int i = 0; i < parts; ++i) {
    const int l = int(random() % 40) - 8, t = int(random() % 30) - 8;
    const int r = l + int(random() % 30), b = t + int(random() % 24);
    const HRGN part = i % 3 == 0 ? CreateRectRgn(l, t, r, b)
                      : i % 3 == 1
                          ? CreateEllipticRgn(l, t, r, b)
                          : CreateRoundRectRgn(l, t, r, b, int(random() % 12), int(random() % 12));
    CombineRgn(out, out, part, i % 2 ? RGN_XOR : RGN_OR);
    DeleteObject(part);
  }
  return out;
}

TEST(FastPaths, RegionBandsReadTheRowsGetRegionDataGives) {
  std::mt19937 random(5);
  for (int round = 0; round < 300; ++round) {
    const HRGN rgn = random_region(random);
    const RegionBands fast(rgn);
    const plain::RegionBands plain(rgn);
    ASSERT_EQ(fast.size(), plain.size());
    for (std::size_t i = 0; i < fast.size(); ++i) {
      EXPECT_EQ(fast[i].top, plain[i].top);
      EXPECT_EQ(fast[i].bottom, plain[i].bottom);
      EXPECT_TRUE(std::ranges::equal(fast[i].spans, plain[i].spans)) << round << " band " << i;
    }
    for (int y = -10; y < 40; ++y) {
      ASSERT_TRUE(std::ranges::equal(fast.row(y), plain.row(y))) << round << " row " << y;
      for (const RegionSpan& s : fast.row(y)) {
        EXPECT_TRUE(PtInRegion(rgn, s.left, y) && PtInRegion(rgn, s.right - 1, y) &&
                    !PtInRegion(rgn, s.right, y));
      }
    }
    // Rows asked in any order, not only row after row.
    for (int k = 0; k < 60; ++k) {
      const int y = int(random() % 50) - 10;
      ASSERT_TRUE(std::ranges::equal(fast.row(y), plain.row(y))) << round << " row " << y;
    }
    DeleteObject(rgn);
  }
  for (const HRGN bad : {HRGN{}, HRGN(HGDIOBJ(CreateSolidBrush(0)))}) {
    EXPECT_EQ(RegionBands(bad).size(), 0u);
    EXPECT_EQ(plain::RegionBands(bad).size(), 0u);
    EXPECT_TRUE(plain::RegionBands(bad).row(0).empty());
    DeleteObject(bad);
  }
}

TEST(FastPaths, RegionBuilderMakesTheRegionItsRectanglesOred) {
  std::mt19937 random(11);
  for (int round = 0; round < 200; ++round) {
    RegionBuilder fast;
    plain::RegionBuilder plain;
    std::int32_t top = int(random() % 20) - 10;
    for (int band = 0; band < int(random() % 8); ++band) {
      const std::int32_t bottom = top + int(random() % 4);  // empty bands too
      std::vector<RegionSpan> spans(random() % 4);
      std::int32_t x = int(random() % 6) - 3;
      for (RegionSpan& span : spans) {
        span = {x, x + 1 + int(random() % 5)};
        x = span.right + 1 + int(random() % 5);
      }
      fast.append_band(top, bottom, spans);
      plain.append_band(top, bottom, spans);
      top = bottom + int(random() % 3);
    }
    const HRGN a = fast.make_handle(), b = plain.make_handle();
    ASSERT_TRUE(EqualRgn(a, b)) << round;
    DeleteObject(a);
    DeleteObject(b);
  }
}

TEST(FastPaths, GetRegionDataAsksForItsSizeFirst) {
  const HRGN rgn = CreateRectRgn(1, 2, 5, 6), right = CreateRectRgn(7, 2, 9, 6);
  CombineRgn(rgn, rgn, right, RGN_OR);
  DeleteObject(right);
  const DWORD size = GetRegionData(rgn, 0, nullptr);
  ASSERT_EQ(size, offsetof(RGNDATA, Buffer) + 2 * sizeof(RECT));
  std::vector<std::uint64_t> buffer(size / 8 + 1);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  EXPECT_EQ(GetRegionData(rgn, size - 1, data), 0u);
  ASSERT_EQ(GetRegionData(rgn, size, data), size);
  EXPECT_EQ(data->rdh.nCount, 2u);
  EXPECT_EQ(data->rdh.iType, RDH_RECTANGLES);
  EXPECT_EQ(data->rdh.rcBound, (RECT{1, 2, 9, 6}));
  EXPECT_EQ(GetRegionData(HRGN{}, 0, nullptr), 0u);
  DeleteObject(rgn);
}

}  // namespace
}  // namespace win
