// What an import of many partitions from one exported project costs, against
// opening that exported project and saving it, through the host session as
// hdpart drives it.
//
// For each size the program writes, into a temporary directory, an exported
// run: a directory holding the four previous implementation results and
// project.hdproj, saved from a description of a root and COUNT partitions of
// 20 pins each; then the importing description, the same partitions in state
// import from that directory, each naming 10 of the pins (the other 10 are
// taken over). It times:
//   - Import/COUNT: the importing description opened, every partition
//     imported, the result saved (hdpart import);
//   - OpenExportAndSave/COUNT: the exported project opened and saved
//     elsewhere (hdpart save of the exported project).
// Each warms up for half a second first, so the smallest size is not charged
// with the first pass through the libraries. The exported project is opened
// once per import, so an import grows with the partitions and pins it takes
// over, not with their square; beside opening both files and saving, each
// partition costs the library's search of the import location, one listing
// of the directory per implementation result.
//
//   build-release/bin/import_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "CitP/Factory.h"
#include "RatioReporter.h"
#include "session/Session.h"

namespace {

constexpr int kPins = 20;
/// The pins the importing description names; the rest come from the export.
constexpr int kPinsNamed = 10;
constexpr const char* kResults[] = {"bench_prev_built.qdb", "bench_prev_mapped.qmp",
                                    "bench_prev_mapped.qpr", "bench_prev_routed.qpr"};

/// A description of "/top" over `count` partitions "/top/uI", with `pins`
/// pins each, in state import from `location` when it is not empty.
std::string Description(long count, int pins, const std::string& location) {
  std::string pinList = "<Pins>";
  for (int pin = 0; pin < pins; ++pin) pinList += "<Pin Name=\"d" + std::to_string(pin) + "\"/>";
  pinList += "</Pins>";
  const std::string state = location.empty()
                                ? "State=\"implement\" ImportLocation=\"NONE\""
                                : "State=\"import\" ImportLocation=\"" + location + "\"";
  std::string text =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project FileVersion=\"2\" Name=\"bench\">\n"
      "<Partition Name=\"/top\" State=\"implement\" ImportLocation=\"NONE\">\n";
  for (long i = 0; i < count; ++i) {
    text += "<Partition Name=\"/top/u" + std::to_string(i) + "\" " + state +
            " Preserve=\"placement\">" + pinList + "</Partition>\n";
  }
  text += "</Partition></Project>\n";
  return text;
}

/// An exported run of `count` partitions and the description importing
/// them, in a temporary directory removed with it.
class ExportedRun {
 public:
  ExportedRun(HostSession::Session& session, long count) {
    char name[] = "/tmp/import_bench.XXXXXX";
    if (!mkdtemp(name)) return;
    m_dir = name;
    const std::string exported = m_dir + "/export";
    std::filesystem::create_directory(exported);
    for (const char* result : kResults) std::ofstream(exported + "/" + result) << "result\n";
    std::ofstream(exported + "/project.pxml") << Description(count, kPins, "");
    std::ofstream(m_dir + "/design.pxml") << Description(count, kPinsNamed, exported);
    m_ok = session.Open(exported + "/project.pxml") && session.Save(Export());
  }
  ~ExportedRun() {
    if (!m_dir.empty()) std::filesystem::remove_all(m_dir);
  }
  ExportedRun(const ExportedRun&) = delete;
  ExportedRun& operator=(const ExportedRun&) = delete;

  bool ok() const { return m_ok; }
  std::string Export() const { return m_dir + "/export/project.hdproj"; }
  std::string Design() const { return m_dir + "/design.pxml"; }
  std::string Result() const { return m_dir + "/result.hdproj"; }

 private:
  std::string m_dir;
  bool m_ok = false;
};

/// Times `work` on an exported run of state.range(0) partitions, in a
/// session of its own; `failure` says what went wrong when it fails.
template <class Work>
void OnExportedRun(benchmark::State& state, const char* failure, Work work) {
  CitP::RegistryScope registry;
  HostSession::Session session("import_bench");
  if (!session.Start()) return state.SkipWithError("the session did not start");
  ExportedRun run(session, state.range(0));
  if (!run.ok()) return state.SkipWithError("the exported run was not made");
  for (auto _ : state) {
    if (!work(session, run)) return state.SkipWithError(failure);
  }
}

void Import(benchmark::State& state) {
  OnExportedRun(
      state, "the import failed", [](HostSession::Session& session, const ExportedRun& run) {
        return session.Open(run.Design()) && session.Import() && session.Save(run.Result());
      });
  state.SetComplexityN(state.range(0));
}

void OpenExportAndSave(benchmark::State& state) {
  OnExportedRun(state, "the exported project was not opened and saved",
                [](HostSession::Session& session, const ExportedRun& run) {
                  return session.Open(run.Export()) && session.Save(run.Result());
                });
}

BENCHMARK(Import)->Arg(500)->Arg(1000)->Arg(2000)->MinWarmUpTime(0.5)->Unit(
    benchmark::kMillisecond);
BENCHMARK(OpenExportAndSave)->Arg(2000)->MinWarmUpTime(0.5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return ZoreBench::RunAndPrintRatios(argc, argv, [](const ZoreBench::RatioReporter& r) {
    r.PrintRatio("import 2000 / open export and save 2000", "Import/2000", "OpenExportAndSave/2000",
                 " (goal: at most 3)");
    r.PrintRatio("import 1000 / import 500", "Import/1000", "Import/500",
                 " (linear: 2; goal: at most 2.5)");
    r.PrintRatio("import 2000 / import 500", "Import/2000", "Import/500",
                 " (linear: 4; goal: at most 5)");
  });
}
