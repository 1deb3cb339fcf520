// The Tcl commands over designs of 1,000 and 10,000 partitions with 100 pins
// each: get_partitions * (also -hierarchical and with a filter),
// get_property preserve_effective of every partition (one at a time, and of
// the list), the pins of every partition, and report_hierarchy. The work grows linearly with the design: a handle
// holds its partition, and a name is found through the design project's
// hashed index, never by a walk. The first and last should stay within 12
// times from 1,000 to 10,000; the property reads touch each partition's 13
// property objects, and their time grows faster once those leave the cache.
#include <benchmark/benchmark.h>
#include <tcl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "CitP/Factory.h"
#include "RatioReporter.h"
#include "hdpartition.h"

namespace {

/// A description of a root over count/100 groups of 100 partitions (the
/// group and its 99 leaves), 100 pins each; groups preserve "synthesis",
/// leaves inherit it.
std::string WriteDesign(int count) {
  const std::string path =
      "/tmp/tcl_bench_" + std::to_string(getpid()) + "_" + std::to_string(count) + ".pxml";
  std::ofstream out(path);
  std::string pins = "<Pins>";
  for (int pin = 0; pin < 100; ++pin) pins += "<Pin Name=\"d" + std::to_string(pin) + "\"/>";
  pins += "</Pins>";
  const char* kAttributes = "State=\"implement\" ImportLocation=\"NONE\"";
  out << "<Project FileVersion=\"2\" Name=\"bench\">\n<Partition Name=\"/top\" " << kAttributes
      << ">" << pins;
  for (int group = 0; group < count / 100; ++group) {
    const std::string name = "/top/g" + std::to_string(group);
    out << "<Partition Name=\"" << name << "\" " << kAttributes << " Preserve=\"synthesis\">"
        << pins;
    for (int leaf = 0; leaf < 99; ++leaf) {
      out << "<Partition Name=\"" << name << "/u" << leaf << "\" " << kAttributes
          << " Preserve=\"inherit\">" << pins << "</Partition>";
    }
    out << "</Partition>";
  }
  out << "</Partition></Project>\n";
  return path;
}

class Shell {
 public:
  explicit Shell(int count) : m_path(WriteDesign(count)) {
    Tcl_FindExecutable(nullptr);
    m_interp = Tcl_CreateInterp();
    Tcl_Channel null = Tcl_OpenFileChannel(m_interp, "/dev/null", "w", 0);
    Tcl_RegisterChannel(m_interp, null);
    Tcl_SetStdChannel(null, TCL_STDOUT);
    if (Hdpartition_Init(m_interp) != TCL_OK ||
        Eval("read_xpartition {" + m_path + "}") != TCL_OK) {
      std::fprintf(stderr, "%s\n", Tcl_GetStringResult(m_interp));
    }
  }
  ~Shell() {
    Tcl_DeleteInterp(m_interp);
    std::remove(m_path.c_str());
  }
  int Eval(const std::string& script) { return Tcl_EvalEx(m_interp, script.c_str(), -1, 0); }

 private:
  std::string m_path;
  Tcl_Interp* m_interp;
};

void Run(benchmark::State& state, const char* script) {
  CitP::RegistryScope registry;
  Shell shell(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    if (shell.Eval(script) != TCL_OK) state.SkipWithError("the command failed");
  }
  state.SetComplexityN(state.range(0));
}

void GetPartitionsAll(benchmark::State& state) { Run(state, "get_partitions *"); }
void EffectivePreserveOfEach(benchmark::State& state) {
  Run(state, "foreach p [get_partitions] { get_property preserve_effective $p }");
}
void ReportHierarchy(benchmark::State& state) { Run(state, "report_hierarchy"); }
void FilterPreserveStatic(benchmark::State& state) {
  Run(state, "get_partitions -filter {preserve_effective == placement && !reconfigurable}");
}
void EffectivePreserveOfList(benchmark::State& state) {
  Run(state, "get_property preserve_effective [get_partitions *]");
}
void PinsOfEveryPartition(benchmark::State& state) {
  Run(state, "get_pins -of_objects [get_partitions *]");
}
void HierarchicalAll(benchmark::State& state) { Run(state, "get_partitions -hierarchical *"); }

BENCHMARK(GetPartitionsAll)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(EffectivePreserveOfEach)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(ReportHierarchy)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(FilterPreserveStatic)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(EffectivePreserveOfList)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(PinsOfEveryPartition)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(HierarchicalAll)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

int main(int argc, char** argv) {
  return ZoreBench::RunAndPrintRatios(argc, argv, [](const ZoreBench::RatioReporter& r) {
    const struct {
      const char* label;
      const char* run;
    } rows[] = {
        {"get_partitions *", "GetPartitionsAll"},
        {"get_partitions -hierarchical *", "HierarchicalAll"},
        {"get_pins -of_objects [get_partitions *]", "PinsOfEveryPartition"},
        {"report_hierarchy", "ReportHierarchy"},
        {"get_property preserve_effective [get_partitions *]", "EffectivePreserveOfList"},
        {"get_property preserve_effective of each partition", "EffectivePreserveOfEach"},
        {"get_partitions -filter {preserve_effective == placement && !reconfigurable}",
         "FilterPreserveStatic"},
    };
    for (const auto& row : rows) {
      const std::string label = std::string("Tcl ") + row.label + ", 10,000 / 1,000 partitions";
      r.PrintRatio(label.c_str(), std::string(row.run) + "/10000", std::string(row.run) + "/1000",
                   " (goal: at most 12)");
    }
  });
}
