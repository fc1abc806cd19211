// The platform's hot paths on a 121 × 89 button face, beside a memset of the
// same 121 × 89 × 4 bytes as the physical reference. Each run's time per pixel
// is its ns_per_px counter; the closing table gives its ratio to the memset.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "bench/side_by_side.h"
#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/user/fill_rect.h"
#include "platform/win/gdi/region.h"

namespace {

using namespace win;

constexpr int kWidth = 121;
constexpr int kHeight = 89;
constexpr int kRadius = 12;
constexpr std::int64_t kPixels = std::int64_t(kWidth) * kHeight;

// Pixels cut from each end of row y by round corners of radius kRadius.
std::vector<int> corner_cuts() {
  std::vector<int> cuts(kHeight, 0);
  for (int y = 0; y < kHeight; ++y) {
    const int dy = y < kRadius              ? kRadius - y
                   : y >= kHeight - kRadius ? y - (kHeight - kRadius - 1)
                                            : 0;
    if (dy == 0) continue;
    int cut = 0;
    while (cut < kRadius && std::hypot(kRadius - cut - 0.5, dy - 0.5) > kRadius) ++cut;
    cuts[y] = cut;
  }
  return cuts;
}

// A rounded shape the way the button builds it: a full rectangle, then per
// corner row one XOR with a rectangle at each end.
HRGN build_rounded(const std::vector<int>& cuts) {
  const HRGN shape = CreateRectRgn(0, 0, kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    if (cuts[y] == 0) continue;
    const HRGN left = CreateRectRgn(0, y, cuts[y], y + 1);
    const HRGN right = CreateRectRgn(kWidth - cuts[y], y, kWidth, y + 1);
    CombineRgn(shape, shape, left, RGN_XOR);
    CombineRgn(shape, shape, right, RGN_XOR);
    DeleteObject(left);
    DeleteObject(right);
  }
  return shape;
}

struct MemoryCanvas {
  HDC dc = CreateCompatibleDC(HDC{});
  HBITMAP bitmap = CreateCompatibleBitmap(dc, kWidth, kHeight);
  HGDIOBJ old = SelectObject(dc, bitmap);
  ~MemoryCanvas() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
};

void per_pixel(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * kPixels);
  state.counters["ns_per_px"] =
      benchmark::Counter(double(state.iterations() * kPixels),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_CombineRgnXorRoundedShape(benchmark::State& state) {
  const std::vector<int> cuts = corner_cuts();
  for (auto _ : state) {
    const HRGN shape = build_rounded(cuts);
    benchmark::DoNotOptimize(shape);
    DeleteObject(shape);
  }
  per_pixel(state);
}

void BM_PtInRegionEveryPixel(benchmark::State& state) {
  const HRGN shape = build_rounded(corner_cuts());
  for (auto _ : state) {
    int inside = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) inside += PtInRegion(shape, x, y);
    benchmark::DoNotOptimize(inside);
  }
  DeleteObject(shape);
  per_pixel(state);
}

void BM_FillRect(benchmark::State& state) {
  MemoryCanvas canvas;
  const HBRUSH brush = CreateSolidBrush(0x336699);
  RECT all{0, 0, kWidth, kHeight};
  for (auto _ : state) {
    FillRect(canvas.dc, &all, brush);
    benchmark::ClobberMemory();
  }
  DeleteObject(brush);
  per_pixel(state);
}

void BM_SetPixelVEveryPixel(benchmark::State& state) {
  MemoryCanvas canvas;
  for (auto _ : state) {
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) SetPixelV(canvas.dc, x, y, COLORREF(x * 7 + y));
    benchmark::ClobberMemory();
  }
  per_pixel(state);
}

void BM_MemsetReference(benchmark::State& state) {
  bench::memset_pixels(state, kPixels);
  per_pixel(state);
}

BENCHMARK(BM_MemsetReference);
BENCHMARK(BM_FillRect);
BENCHMARK(BM_SetPixelVEveryPixel);
BENCHMARK(BM_PtInRegionEveryPixel);
BENCHMARK(BM_CombineRgnXorRoundedShape);

}  // namespace

int main(int argc, char** argv) {
  return bench::run_side_by_side(argc, argv, "BM_MemsetReference");
}
