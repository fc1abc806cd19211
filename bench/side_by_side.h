// The benchmarks' common output: the usual console report, then a table of
// each run's CPU time beside its reference run and their ratio, so a ratio
// reads off one run. A run's reference is the run whose name starts with the
// reference prefix and carries the same "w:…/h:…" arguments; runs without a
// size compare with the reference that has none.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace bench {

class SideBySide : public benchmark::ConsoleReporter {
 public:
  explicit SideBySide(std::string reference_prefix) : m_prefix(std::move(reference_prefix)) {}

  // With repetitions, a run's row is the median of its repetitions: on a
  // machine shared with other work a single repetition may be far off.
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    const bool medians = std::any_of(runs.begin(), runs.end(), [](const Run& run) {
      return run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    });
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const bool wanted = medians
                              ? run.run_type == Run::RT_Aggregate && run.aggregate_name == "median"
                              : run.run_type == Run::RT_Iteration;
      if (wanted)
        m_rows.push_back({run.run_name.str(), run.GetAdjustedCPUTime() * 1e9 /
                                                  benchmark::GetTimeUnitMultiplier(run.time_unit)});
    }
  }

  void Finalize() override {
    std::size_t width = 4;
    for (const Row& row : m_rows) width = std::max(width, row.name.size());
    const std::string ratio =
        "x " + (m_prefix.rfind("BM_", 0) == 0 ? m_prefix.substr(3) : m_prefix);
    const int ratio_width = int(std::max<std::size_t>(12, ratio.size()));
    std::printf("\n%-*s %16s %*s\n", int(width), "run", "CPU ns per run", ratio_width,
                ratio.c_str());
    for (const Row& row : m_rows) {
      const double reference = reference_of(row.name);
      if (reference > 0) {
        std::printf("%-*s %16.1f %*.2f\n", int(width), row.name.c_str(), row.ns, ratio_width,
                    row.ns / reference);
      } else {
        std::printf("%-*s %16.1f %*s\n", int(width), row.name.c_str(), row.ns, ratio_width, "-");
      }
    }
    ConsoleReporter::Finalize();
  }

 private:
  struct Row {
    std::string name;
    double ns;
  };

  // "w:121/h:89" out of a benchmark's name, or "" when it has no size.
  static std::string size_of(const std::string& name) {
    const auto w = name.find("w:");
    if (w == std::string::npos) return "";
    const auto end = name.find('/', name.find("h:", w));
    return name.substr(w, end == std::string::npos ? std::string::npos : end - w);
  }

  // The last reference run of the same size; 0 when there is none.
  double reference_of(const std::string& name) const {
    const std::string size = size_of(name);
    double ns = 0;
    for (const Row& r : m_rows)
      if (r.name.rfind(m_prefix, 0) == 0 && size_of(r.name) == size) ns = r.ns;
    return ns;
  }

  std::string m_prefix;
  std::vector<Row> m_rows;
};

// Runs the benchmarks the command line selects with a SideBySide reporter.
inline int run_side_by_side(int argc, char** argv, const std::string& reference_prefix) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  SideBySide reporter(reference_prefix);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

// The physical reference for work on a surface: a memset of `pixels` 32-bit
// pixels per iteration.
inline void memset_pixels(benchmark::State& state, std::size_t pixels) {
  std::vector<std::uint32_t> buffer(pixels);
  int value = 0;
  for (auto _ : state) {
    std::memset(buffer.data(), ++value & 0xFF, buffer.size() * sizeof(std::uint32_t));
    benchmark::DoNotOptimize(buffer.data());
    benchmark::ClobberMemory();
  }
}

}  // namespace bench
