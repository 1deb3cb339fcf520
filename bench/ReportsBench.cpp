// What hdpart's everyday reports cost on large designs, through the host
// session as hdpart drives them, against opening the files they read twice.
//
// For each size the program writes, into a temporary directory, a
// description of a root and COUNT partitions of 1,000 pins each, saves it as
// a project file, and saves a second project that differs in every tenth
// partition (its preserve and one pin). It times:
//   - OpenBoth/COUNT: both project files opened, once each: the time of
//     opening one of them twice, report's baseline; diff's is twice this,
//     each of its two files opened twice;
//   - Report/COUNT: a project opened and its table made (hdpart report);
//   - Check/COUNT: the description checked (hdpart check);
//   - OpenDescriptionTwice/COUNT: the description opened twice (check's
//     baseline: it reads the description, not the project);
//   - Diff/COUNT: both projects read whole and compared (hdpart diff).
// Each should grow linearly with COUNT and take at most as long as its
// baseline.
//
//   build-release/bin/reports_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "CitP/Factory.h"
#include "RatioReporter.h"
#include "session/DescriptionCheck.h"
#include "session/DesignDiff.h"
#include "session/PartitionSummary.h"
#include "session/Session.h"

namespace {

constexpr int kPins = 1000;

/// A description of "/top" over `count` partitions "/top/uI" of kPins pins;
/// with `changed`, every tenth partition preserves routing and has one pin
/// of another name.
std::string Description(long count, bool changed) {
  std::string text =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project FileVersion=\"2\" Name=\"bench\">\n"
      "<Partition Name=\"/top\" State=\"implement\" ImportLocation=\"NONE\">\n";
  for (long i = 0; i < count; ++i) {
    const bool differs = changed && i % 10 == 0;
    text += "<Partition Name=\"/top/u" + std::to_string(i) +
            "\" State=\"implement\" ImportLocation=\"NONE\" Preserve=\"" +
            (differs ? "routing" : "placement") + "\"><Pins>";
    for (int pin = 0; pin < kPins; ++pin) {
      text += "<Pin Name=\"d" + std::to_string(pin) + (differs && pin == 0 ? "x" : "") + "\"/>";
    }
    text += "</Pins></Partition>\n";
  }
  return text + "</Partition></Project>\n";
}

/// The two designs of `count` partitions, as descriptions and project files,
/// in a temporary directory removed with them.
class Designs {
 public:
  Designs(HostSession::Session& session, long count) {
    char name[] = "/tmp/reports_bench.XXXXXX";
    if (!mkdtemp(name)) return;
    m_dir = name;
    std::ofstream(A(".pxml")) << Description(count, false);
    std::ofstream(B(".pxml")) << Description(count, true);
    m_ok = session.Open(A(".pxml")) && session.Save(A(".prj")) && session.Open(B(".pxml")) &&
           session.Save(B(".prj"));
  }
  ~Designs() {
    if (!m_dir.empty()) std::filesystem::remove_all(m_dir);
  }
  Designs(const Designs&) = delete;
  Designs& operator=(const Designs&) = delete;

  bool ok() const { return m_ok; }
  std::string A(const char* extension) const { return m_dir + "/a" + extension; }
  std::string B(const char* extension) const { return m_dir + "/b" + extension; }

 private:
  std::string m_dir;
  bool m_ok = false;
};

template <class Work>
void OnDesigns(benchmark::State& state, Work work) {
  CitP::RegistryScope registry;
  HostSession::Session session("reports_bench");
  if (!session.Start()) return state.SkipWithError("the session did not start");
  Designs designs(session, state.range(0));
  if (!designs.ok()) return state.SkipWithError("the designs were not made");
  for (auto _ : state) {
    if (!work(session, designs)) return state.SkipWithError("the work failed");
  }
  state.SetComplexityN(state.range(0));
}

void OpenBoth(benchmark::State& state) {
  OnDesigns(state, [](HostSession::Session& session, const Designs& designs) {
    return session.Open(designs.A(".prj")) && session.Open(designs.B(".prj"));
  });
}

void OpenDescriptionTwice(benchmark::State& state) {
  OnDesigns(state, [](HostSession::Session& session, const Designs& designs) {
    return session.Open(designs.A(".pxml")) && session.Open(designs.A(".pxml"));
  });
}

void Report(benchmark::State& state) {
  OnDesigns(state, [](HostSession::Session& session, const Designs& designs) {
    if (!session.Open(designs.A(".prj"))) return false;
    const std::string table = HostSession::TableText(HostSession::Summaries(session));
    benchmark::DoNotOptimize(table.data());
    return !table.empty();
  });
}

void Check(benchmark::State& state) {
  OnDesigns(state, [](HostSession::Session& session, const Designs& designs) {
    std::vector<HostSession::Finding> findings;
    const bool checked = HostSession::CheckDescription(session, designs.A(".pxml"), findings);
    return checked && findings.empty();
  });
}

void Diff(benchmark::State& state) {
  OnDesigns(state, [](HostSession::Session& session, const Designs& designs) {
    if (!session.Open(designs.A(".prj"))) return false;
    const HostSession::DesignImage a = HostSession::ImageOf(session);
    if (!session.Open(designs.B(".prj"))) return false;
    const HostSession::DesignDiff diff = HostSession::Compare(a, HostSession::ImageOf(session));
    benchmark::DoNotOptimize(&diff);
    return true;
  });
}

#define SIZES(bench) \
  BENCHMARK(bench)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity()
SIZES(OpenBoth);
SIZES(Report);
SIZES(Diff);
SIZES(OpenDescriptionTwice);
SIZES(Check);

}  // namespace

int main(int argc, char** argv) {
  return ZoreBench::RunAndPrintRatios(argc, argv, [](const ZoreBench::RatioReporter& r) {
    r.PrintRatio("report 1000 / open both 1000", "Report/1000", "OpenBoth/1000",
                 " (goal: at most 1, a file opened twice)");
    r.PrintRatio("diff 1000 / open both 1000", "Diff/1000", "OpenBoth/1000",
                 " (goal: at most 2, both files opened twice)");
    r.PrintRatio("check 1000 / open the description twice 1000", "Check/1000",
                 "OpenDescriptionTwice/1000", " (goal: at most 1)");
    r.PrintRatio("diff 1000 / diff 250", "Diff/1000", "Diff/250", " (linear: 4)");
    r.PrintRatio("check 1000 / check 250", "Check/1000", "Check/250", " (linear: 4)");
    r.PrintRatio("report 1000 / report 250", "Report/1000", "Report/250", " (linear: 4)");
  });
}
