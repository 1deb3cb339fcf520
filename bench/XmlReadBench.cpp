// Reading a partition of 100,000 pins from the partition description, in one
// run: parsing the document alone, and ReadXmlElement alone on the parsed
// element, with the pin check on (argument 1, what a host does by default)
// and off (0). Reading the element walks its children along the sibling
// chain, so it stays linear; the goal is that it costs at most a quarter
// of the parse, the pin check on.
//
//   build-release/bin/xml_read_bench
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "CitP/Factory.h"
#include "ZavU/IXPartition.h"
#include "xml/DescriptionDocument.h"
#include "xml/DescriptionLayout.h"
#include "xml/XercesSession.h"

extern "C" void InstFactoryEntry();

namespace {

constexpr int kPins = 100000;

/// One partition with kPins pins, in our host's layout.
const std::string& Description() {
  static const std::string text = [] {
    std::string t =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project FileVersion=\"2\" Name=\"bench\">\n"
        "  <Partition Name=\"/top\" State=\"implement\" ImportLocation=\"NONE\">\n    <Pins>\n";
    for (int i = 0; i < kPins; ++i) t += "      <Pin Name=\"data_" + std::to_string(i) + "\"/>\n";
    t += "    </Pins>\n  </Partition>\n</Project>\n";
    return t;
  }();
  return text;
}

std::unique_ptr<HostXml::DescriptionDocument> Parse() {
  std::string error;
  auto doc = HostXml::DescriptionDocument::ParseText(Description(), "bench.pxml", error);
  if (!doc) std::fprintf(stderr, "%s\n", error.c_str());
  return doc;
}

void BM_ParseDocument(benchmark::State& state) {
  for (auto _ : state) {
    auto doc = Parse();
    benchmark::DoNotOptimize(doc.get());
    state.PauseTiming();
    doc.reset();  // freeing the DOM is not parsing
    state.ResumeTiming();
  }
  state.counters["pins"] = kPins;
}

void BM_ReadXmlElement(benchmark::State& state) {
  auto doc = Parse();
  HostXml::DescriptionLayout layout;
  std::string error;
  if (!doc || !HostXml::ReadLayout(doc->Root(), "bench.pxml", layout, error)) {
    state.SkipWithError("the description does not parse");
    return;
  }
  const XERCES_CPP_NAMESPACE::DOMElement* element = layout.partitions[0].element;
  for (auto _ : state) {
    state.PauseTiming();
    auto partition =
        CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::ZorE_Partition)).As<ZavU::IXPartition>();
    partition.As<ZavU::IPartition>()->SetRoot(true);
    state.ResumeTiming();
    if (partition->ReadXmlElement(element, static_cast<std::uint32_t>(state.range(0)), 2) != 1)
      state.SkipWithError("not read");
    state.PauseTiming();
    partition.Reset();  // releasing the pins is not reading
    state.ResumeTiming();
  }
  state.counters["pins"] = kPins;
}

BENCHMARK(BM_ParseDocument)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ReadXmlElement)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(2.0);

/// Prints the runs as usual, then the ratio of reading to parsing.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration) continue;
      const Times perIteration{run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
      if (run.benchmark_name().rfind("BM_ParseDocument", 0) == 0) m_parse = perIteration;
      if (run.benchmark_name().rfind("BM_ReadXmlElement/1/", 0) == 0) m_checked = perIteration;
      if (run.benchmark_name().rfind("BM_ReadXmlElement/0/", 0) == 0) m_unchecked = perIteration;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    if (m_parse.real <= 0 || m_parse.cpu <= 0) return;
    if (m_checked.real > 0) {
      std::printf("ReadXmlElement (pin check on) / parse = %.3f, cpu %.3f (goal: at most 0.25)\n",
                  m_checked.real / m_parse.real, m_checked.cpu / m_parse.cpu);
    }
    if (m_unchecked.real > 0) {
      std::printf("ReadXmlElement (pin check off) / parse = %.3f, cpu %.3f\n",
                  m_unchecked.real / m_parse.real, m_unchecked.cpu / m_parse.cpu);
    }
  }

 private:
  /// Wall and processor time of one iteration; a busy machine stretches the
  /// wall time.
  struct Times {
    double real = 0;
    double cpu = 0;
  };
  Times m_parse;
  Times m_checked;
  Times m_unchecked;
};

}  // namespace

int main(int argc, char** argv) {
  HostXml::XercesSession xerces;
  InstFactoryEntry();
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  CitP::Factory::Shutdown();
  return 0;
}
