// Face painting and region rebuilding of the button at a launcher size and at
// a large size, on an off-screen surface, beside a memset of the same surface.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "bench/side_by_side.h"
#include "candybutton/styles.h"
#include "tests/candybutton/test_button.h"

namespace {

// Every style of the table, as benchmark arguments.
std::vector<std::int64_t> all_styles() {
  std::vector<std::int64_t> styles;
  for (std::int32_t style = 0; style < candy::kStyleCount; ++style) styles.push_back(style);
  return styles;
}

// The fixtures' button with a lightened rim, painted through the style table.
struct Button : candy::testing::TestButton {
  Button(std::int32_t w, std::int32_t h, std::int32_t style) : TestButton(w, h, style) {
    m_BorderBrightness = 40;
  }
};

void BM_Memset(benchmark::State& state) {
  bench::memset_pixels(state, std::size_t(state.range(0) * state.range(1)));
}
BENCHMARK(BM_Memset)->ArgNames({"w", "h"})->Args({121, 89})->Args({600, 400});

void BM_PaintFace(benchmark::State& state) {
  Button b(std::int32_t(state.range(1)), std::int32_t(state.range(2)),
           std::int32_t(state.range(0)));
  b.update_region();
  const candy::ButtonFace face = b.face();
  const std::int32_t draw_state = 3;
  for (auto _ : state) {
    candy::PaintFace(face, draw_state);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PaintFace)->ArgNames({"style", "w", "h"})->ArgsProduct({all_styles(), {121}, {89}});
BENCHMARK(BM_PaintFace)->ArgNames({"style", "w", "h"})->ArgsProduct({all_styles(), {600}, {400}});

void BM_UpdateButtonRegion(benchmark::State& state) {
  Button b(std::int32_t(state.range(1)), std::int32_t(state.range(2)),
           std::int32_t(state.range(0)));
  for (auto _ : state) b.update_region();
}
BENCHMARK(BM_UpdateButtonRegion)
    ->ArgNames({"style", "w", "h"})
    ->Args({2, 121, 89})
    ->Args({6, 121, 89})
    ->Args({2, 600, 400});

}  // namespace

int main(int argc, char** argv) { return bench::run_side_by_side(argc, argv, "BM_Memset"); }
