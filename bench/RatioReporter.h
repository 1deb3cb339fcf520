// The console report of a benchmark program, followed by the ratios its goals
// are stated in: each run's time per iteration (wall and processor) is kept
// under the run's name, and ratios between two runs are printed at the end.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace ZoreBench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  /// Wall and processor time of one iteration; a busy machine stretches the
  /// wall time.
  struct Times {
    double real = 0;
    double cpu = 0;
  };

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
        m_times[run.benchmark_name()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
      }
    }
  }

  /// The times of the run whose name starts with `prefix` (the first such, by
  /// name); zero when none ran.
  Times Of(const std::string& prefix) const {
    auto found = m_times.lower_bound(prefix);
    if (found == m_times.end() || found->first.compare(0, prefix.size(), prefix) != 0) return {};
    return found->second;
  }

  /// Prints "label: ratio, cpu ratio" of the two runs, with `goal` after it;
  /// nothing when either did not run.
  void PrintRatio(const char* label, const std::string& run, const std::string& base,
                  const char* goal = "") const {
    const Times a = Of(run);
    const Times b = Of(base);
    if (a.real <= 0 || b.real <= 0 || b.cpu <= 0) return;
    std::printf("%s: %.3f, cpu %.3f%s\n", label, a.real / b.real, a.cpu / b.cpu, goal);
  }

 private:
  std::map<std::string, Times> m_times;
};

/// The main of a benchmark program: runs the benchmarks the command line
/// selects, then `printRatios` with what they measured.
inline int RunAndPrintRatios(int argc, char** argv,
                             const std::function<void(const RatioReporter&)>& printRatios) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  printRatios(reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace ZoreBench
