// A whole repaint of a hosted button (Redraw: face, caption, refresh) per
// style, and its region rebuild, at the launcher's 121 × 89 and at 600 × 400,
// beside a memset of the same surface. The face painters alone are measured
// by button_bench. A closing table gives each run's time and its ratio to the
// memset of the same size.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "bench/side_by_side.h"
#include "candybutton/styles.h"
#include "tests/support/windowed_button.h"

namespace {

// Every style of the table, as benchmark arguments.
std::vector<std::int64_t> all_styles() {
  std::vector<std::int64_t> styles;
  for (std::int32_t style = 0; style < candy::kStyleCount; ++style) styles.push_back(style);
  return styles;
}

void BM_Memset(benchmark::State& state) {
  bench::memset_pixels(state, std::size_t(state.range(0) * state.range(1)));
}

candy::ButtonLook look(const benchmark::State& state, std::int32_t style) {
  candy::ButtonLook o;
  o.style = style;
  o.width = std::int32_t(state.range(0));
  o.height = std::int32_t(state.range(1));
  o.scheme = 1;
  o.caption = "Music";
  o.state = 3;
  return o;
}

void BM_Redraw(benchmark::State& state) {
  candy::testing::WindowedButton host(0xC0C0C0);
  const candy::ButtonLook o = look(state, std::int32_t(state.range(2)));
  candy::testing::apply_look(host, o);
  for (auto _ : state) {
    candy::CandyButtonRenderer::Redraw(host.button(), o.state);
    benchmark::ClobberMemory();
  }
}

void BM_UpdateButtonRegion(benchmark::State& state) {
  candy::testing::WindowedButton host(0xC0C0C0);
  candy::testing::apply_look(host, look(state, std::int32_t(state.range(2))));
  for (auto _ : state) candy::CandyButtonRenderer::UpdateButtonRegion(host.button());
}

BENCHMARK(BM_Memset)->ArgNames({"w", "h"})->Args({121, 89})->Args({600, 400});
BENCHMARK(BM_Redraw)->ArgNames({"w", "h", "style"})->ArgsProduct({{121}, {89}, all_styles()});
BENCHMARK(BM_Redraw)->ArgNames({"w", "h", "style"})->ArgsProduct({{600}, {400}, all_styles()});
BENCHMARK(BM_UpdateButtonRegion)->ArgNames({"w", "h", "style"})->ArgsProduct({{121}, {89}, {2, 6}});
BENCHMARK(BM_UpdateButtonRegion)->ArgNames({"w", "h", "style"})->ArgsProduct({{600}, {400}, {2, 6}});

}  // namespace

int main(int argc, char** argv) { return bench::run_side_by_side(argc, argv, "BM_Memset"); }
