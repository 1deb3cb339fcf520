// Reading a partition of 100,000 pins from the partition description, in one
// run: parsing the document alone, and ReadXmlElement alone on the parsed
// element, with the pin check on (argument 1, what a host does by default)
// and off (0). Reading the element walks its children along the sibling
// chain, so it stays linear; the goal is that it costs less than half of
// the parse.
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
      const double perIteration = run.GetAdjustedRealTime();
      if (run.benchmark_name().rfind("BM_ParseDocument", 0) == 0) m_parse = perIteration;
      if (run.benchmark_name().rfind("BM_ReadXmlElement/1/", 0) == 0) m_checked = perIteration;
      if (run.benchmark_name().rfind("BM_ReadXmlElement/0/", 0) == 0) m_unchecked = perIteration;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    if (m_parse <= 0) return;
    if (m_checked > 0) {
      std::printf("ReadXmlElement (pin check on) / parse = %.3f (goal: below 0.5)\n",
                  m_checked / m_parse);
    }
    if (m_unchecked > 0) {
      std::printf("ReadXmlElement (pin check off) / parse = %.3f\n", m_unchecked / m_parse);
    }
  }

 private:
  double m_parse = 0;
  double m_checked = 0;
  double m_unchecked = 0;
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
