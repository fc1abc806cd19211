// The platform's hot paths on a 121 × 89 button face, beside a memset of the
// same 121 × 89 × 4 bytes as the physical reference. After the usual output a
// summary gives each benchmark's time per run and its ratio to the memset.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win/bitmap.h"
#include "platform/win/dc.h"
#include "platform/win/gdi.h"
#include "platform/win/region.h"

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
    const int dy = y < kRadius ? kRadius - y : y >= kHeight - kRadius ? y - (kHeight - kRadius - 1) : 0;
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
  state.counters["ns_per_px"] = benchmark::Counter(double(state.iterations() * kPixels),
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
  std::vector<COLORREF> pixels(kPixels);
  int value = 0;
  for (auto _ : state) {
    std::memset(pixels.data(), ++value & 0xFF, pixels.size() * sizeof(COLORREF));
    benchmark::DoNotOptimize(pixels.data());
    benchmark::ClobberMemory();
  }
  per_pixel(state);
}

BENCHMARK(BM_MemsetReference);
BENCHMARK(BM_FillRect);
BENCHMARK(BM_SetPixelVEveryPixel);
BENCHMARK(BM_PtInRegionEveryPixel);
BENCHMARK(BM_CombineRgnXorRoundedShape);

// The console output plus a closing table of ratios to the memset.
class SideBySide : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && !run.error_occurred)
        m_rows.push_back({run.benchmark_name(), run.GetAdjustedCPUTime() * multiplier(run.time_unit)});
  }
  void Finalize() override {
    double reference = 0;
    for (const Row& row : m_rows)
      if (row.name.find("Memset") != std::string::npos) reference = row.ns;
    std::printf("\n%-32s %14s %12s %12s\n", "121 x 89 surface", "CPU ns per run", "ns per px", "x memset");
    for (const Row& row : m_rows)
      std::printf("%-32s %14.0f %12.3f %12.1f\n", row.name.c_str(), row.ns, row.ns / double(kPixels),
                  reference > 0 ? row.ns / reference : 0.0);
    ConsoleReporter::Finalize();
  }

 private:
  struct Row {
    std::string name;
    double ns;
  };
  static double multiplier(benchmark::TimeUnit unit) {
    switch (unit) {
      case benchmark::kSecond: return 1e9;
      case benchmark::kMillisecond: return 1e6;
      case benchmark::kMicrosecond: return 1e3;
      default: return 1;
    }
  }
  std::vector<Row> m_rows;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  SideBySide reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
