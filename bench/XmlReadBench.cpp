// Reading a partition of 100,000 pins from the partition description, in one
// run: parsing the document alone (with a plain Xerces-C DOM parser, and
// with the host's, which keeps no text nodes), and ReadXmlElement alone on
// the parsed element, with the pin check on (argument 1, what a host does by default)
// and off (0). Reading the element walks its children along the sibling
// chain, so it stays linear; the goal is that it costs at most a quarter
// of the parse, the pin check on.
//
//   build-release/bin/xml_read_bench
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>

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

/// The same text through a plain XercesDOMParser (not validating, no
/// namespaces, nothing fetched), which keeps every text node: the measure
/// of the goal. The host's parser keeps elements and attributes only.
void BM_ParseDocumentPlain(benchmark::State& state) {
  namespace xc = XERCES_CPP_NAMESPACE;
  const std::string& text = Description();
  for (auto _ : state) {
    auto parser = std::make_unique<xc::XercesDOMParser>();
    parser->setValidationScheme(xc::XercesDOMParser::Val_Never);
    parser->setDoNamespaces(false);
    parser->setLoadExternalDTD(false);
    parser->setCreateEntityReferenceNodes(false);
    xc::MemBufInputSource source(reinterpret_cast<const XMLByte*>(text.data()), text.size(),
                                 "bench.pxml");
    parser->parse(source);
    benchmark::DoNotOptimize(parser->getDocument());
    state.PauseTiming();
    parser.reset();  // freeing the DOM is not parsing
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

BENCHMARK(BM_ParseDocumentPlain)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ParseDocument)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ReadXmlElement)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(2.0);

/// Prints the runs as usual, then the ratio of reading to parsing.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration) continue;
      const Times perIteration{run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
      if (run.benchmark_name().rfind("BM_ParseDocumentPlain", 0) == 0) {
        m_parse = perIteration;
      } else if (run.benchmark_name().rfind("BM_ParseDocument", 0) == 0) {
        m_hostParse = perIteration;
      }
      if (run.benchmark_name().rfind("BM_ReadXmlElement/1/", 0) == 0) m_checked = perIteration;
      if (run.benchmark_name().rfind("BM_ReadXmlElement/0/", 0) == 0) m_unchecked = perIteration;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    Print("plain DOM parse", m_parse, " (goal: at most 0.25)");
    Print("host's parse", m_hostParse, "");
  }

 private:
  /// Wall and processor time of one iteration; a busy machine stretches the
  /// wall time.
  struct Times {
    double real = 0;
    double cpu = 0;
  };

  void Print(const char* parse, const Times& parsing, const char* goal) const {
    if (parsing.real <= 0 || parsing.cpu <= 0) return;
    if (m_checked.real > 0) {
      std::printf("ReadXmlElement (pin check on) / %s = %.3f, cpu %.3f%s\n", parse,
                  m_checked.real / parsing.real, m_checked.cpu / parsing.cpu, goal);
    }
    if (m_unchecked.real > 0) {
      std::printf("ReadXmlElement (pin check off) / %s = %.3f, cpu %.3f\n", parse,
                  m_unchecked.real / parsing.real, m_unchecked.cpu / parsing.cpu);
    }
  }

  Times m_parse;
  Times m_hostParse;
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
