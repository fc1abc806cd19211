// A whole repaint of a hosted button (Redraw: face, caption, refresh) per
// style, and its region rebuild, at the launcher's 121 × 89 and at 600 × 400,
// beside a memset of the same surface. The face painters alone are measured
// by button_bench. A closing table gives each run's time and its ratio to the
// memset of the same size.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tools/candybutton-render/render_host.h"

namespace {

void BM_Memset(benchmark::State& state) {
  std::vector<win::COLORREF> pixels(std::size_t(state.range(0) * state.range(1)));
  int value = 0;
  for (auto _ : state) {
    std::memset(pixels.data(), ++value & 0xFF, pixels.size() * sizeof(win::COLORREF));
    benchmark::DoNotOptimize(pixels.data());
    benchmark::ClobberMemory();
  }
}

render::RenderOptions options(const benchmark::State& state, std::int32_t style) {
  render::RenderOptions o;
  o.style = style;
  o.width = std::int32_t(state.range(0));
  o.height = std::int32_t(state.range(1));
  o.scheme = 1;
  o.caption = "Music";
  o.state = 3;
  return o;
}

void BM_Redraw(benchmark::State& state) {
  render::RenderHost host(0xC0C0C0);
  const render::RenderOptions o = options(state, std::int32_t(state.range(2)));
  render::render_button(host, o);
  for (auto _ : state) {
    candy::CandyButtonRenderer::Redraw(host.button(), o.state);
    benchmark::ClobberMemory();
  }
}

void BM_UpdateButtonRegion(benchmark::State& state) {
  render::RenderHost host(0xC0C0C0);
  render::render_button(host, options(state, std::int32_t(state.range(2))));
  for (auto _ : state) candy::CandyButtonRenderer::UpdateButtonRegion(host.button());
}

BENCHMARK(BM_Memset)->ArgNames({"w", "h"})->Args({121, 89})->Args({600, 400});
BENCHMARK(BM_Redraw)->ArgNames({"w", "h", "style"})->ArgsProduct({{121}, {89}, {0, 1, 2, 3, 4, 5, 6, 7}});
BENCHMARK(BM_Redraw)->ArgNames({"w", "h", "style"})->ArgsProduct({{600}, {400}, {0, 1, 2, 3, 4, 5, 6, 7}});
BENCHMARK(BM_UpdateButtonRegion)->ArgNames({"w", "h", "style"})->ArgsProduct({{121}, {89}, {2, 6}});
BENCHMARK(BM_UpdateButtonRegion)->ArgNames({"w", "h", "style"})->ArgsProduct({{600}, {400}, {2, 6}});

// The console output, then each run beside the memset of its size.
class SideBySide : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && !run.error_occurred)
        m_rows.push_back({run.benchmark_name(), run.GetAdjustedCPUTime() * multiplier(run.time_unit)});
  }
  void Finalize() override {
    std::printf("\n%-44s %14s %10s\n", "run", "CPU us per run", "x memset");
    for (const Row& row : m_rows) {
      double reference = 0;
      const std::string size = size_of(row.name);
      for (const Row& r : m_rows)
        if (r.name.rfind("BM_Memset", 0) == 0 && size_of(r.name) == size) reference = r.ns;
      std::printf("%-44s %14.1f %10.0f\n", row.name.c_str(), row.ns / 1000, reference > 0 ? row.ns / reference : 0.0);
    }
    ConsoleReporter::Finalize();
  }

 private:
  struct Row {
    std::string name;
    double ns;
  };
  // "w:121/h:89" out of a benchmark's name.
  static std::string size_of(const std::string& name) {
    const auto w = name.find("w:");
    const auto end = name.find('/', name.find("h:", w));
    return w == std::string::npos ? "" : name.substr(w, end == std::string::npos ? std::string::npos : end - w);
  }
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
