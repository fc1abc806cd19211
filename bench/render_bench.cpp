// A whole window-free render (render_button: surface, font, control, face,
// caption, region mask) at the launcher's 121 × 89 and at 600 × 400, beside
// a memset of the same surface: the cost a program pays per button image,
// including the platform's handle table and font cache.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "bench/side_by_side.h"
#include "include/candybutton/render.h"

namespace {

void BM_Memset(benchmark::State& state) {
  bench::memset_pixels(state, std::size_t(state.range(0) * state.range(1)));
}

void BM_RenderButton(benchmark::State& state) {
  candy::ButtonLook look;
  look.width = std::int32_t(state.range(0));
  look.height = std::int32_t(state.range(1));
  look.style = std::int32_t(state.range(2));
  look.scheme = 1;
  look.state = 3;
  look.caption = "Music";
  std::vector<std::uint32_t> pixels(std::size_t(look.width) * std::size_t(look.height));
  for (auto _ : state) {
    benchmark::DoNotOptimize(candy::render_button(look, pixels));
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_Memset)->ArgNames({"w", "h"})->Args({121, 89})->Args({600, 400});
BENCHMARK(BM_RenderButton)->ArgNames({"w", "h", "style"})->ArgsProduct({{121}, {89}, {0, 2, 6}});
BENCHMARK(BM_RenderButton)->ArgNames({"w", "h", "style"})->ArgsProduct({{600}, {400}, {0, 2, 6}});

}  // namespace

int main(int argc, char** argv) { return bench::run_side_by_side(argc, argv, "BM_Memset"); }
