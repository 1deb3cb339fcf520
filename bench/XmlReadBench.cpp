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
#include "RatioReporter.h"
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

}  // namespace

int main(int argc, char** argv) {
  HostXml::XercesSession xerces;
  InstFactoryEntry();
  const int status =
      ZoreBench::RunAndPrintRatios(argc, argv, [](const ZoreBench::RatioReporter& reporter) {
        struct Base {
          const char* label;
          const char* run;
          const char* goal;
        };
        for (const Base& base :
             {Base{"plain DOM parse", "BM_ParseDocumentPlain/", " (goal: at most 0.25)"},
              Base{"host's parse", "BM_ParseDocument/", ""}}) {
          const std::string on = std::string("ReadXmlElement (pin check on) / ") + base.label;
          const std::string off = std::string("ReadXmlElement (pin check off) / ") + base.label;
          reporter.PrintRatio(on.c_str(), "BM_ReadXmlElement/1/", base.run, base.goal);
          reporter.PrintRatio(off.c_str(), "BM_ReadXmlElement/0/", base.run);
        }
      });
  CitP::Factory::Shutdown();
  return status;
}
