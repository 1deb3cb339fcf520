// How a partition's pin collection scales: adding a pin and finding one by
// name or by proxy name must cost about the same at 1,000, 10,000 and
// 100,000 pins, where a walk of the list grows with the list.
//
// "per_pin" is the time of one AddPartitionPin while a partition is filled
// to that size; the lookups report their time per call: in list order (as a
// reader checks the names it reads), in a shuffled order, of the same 1,000
// names spread over the list, of names that are absent, and, for comparison,
// the walk of the list that the index spares. Lookups of every name of a
// large partition in shuffled order grow with the cache misses of touching
// 100,000 pins, not with the list: the same 1,000 names cost the same at
// every size.
// Run from a release build (see bench/CMakeLists.txt).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "CitP/Factory.h"
#include "Partition/Partition.h"
#include "RatioReporter.h"

extern "C" void InstFactoryEntry();

namespace {

using PartitionRef = CommonI::RefCountPtr<ZavU::IPartition>;
using Names = std::vector<Port::StringBase>;

PartitionRef NewPartition() {
  static const bool registered = (InstFactoryEntry(), true);
  (void)registered;
  return CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::ZorE_Partition)).As<ZavU::IPartition>();
}

Names PinNames(std::int64_t count, const char* suffix = "") {
  Names names;
  names.reserve(static_cast<std::size_t>(count));
  for (std::int64_t i = 0; i < count; ++i) {
    names.emplace_back(("u_core/data_bus[" + std::to_string(i) + "]" + suffix).c_str());
  }
  return names;
}

/// The names in a fixed shuffled order. Each is copied afresh in that
/// order, so the text a lookup is asked lies where the asker keeps its
/// next name, as a reader's names do, not scattered where the unshuffled
/// list put it: the time is the lookup's, not that of fetching the question.
Names Shuffled(Names names) {
  std::shuffle(names.begin(), names.end(), std::mt19937(42));
  Names asked;
  asked.reserve(names.size());
  for (const Port::StringBase& name : names) asked.emplace_back(name.str());
  return asked;
}

PartitionRef PartitionWithPins(std::int64_t count) {
  PartitionRef partition = NewPartition();
  for (const Port::StringBase& name : PinNames(count)) partition->AddPartitionPin(name);
  return partition;
}

void AddPartitionPin(benchmark::State& state) {
  const std::int64_t count = state.range(0);
  const Names names = PinNames(count);
  for (auto _ : state) {
    state.PauseTiming();
    PartitionRef partition = NewPartition();
    state.ResumeTiming();
    for (const Port::StringBase& name : names) {
      if (partition->AddPartitionPin(name) != 1) state.SkipWithError("a pin was refused");
    }
    state.PauseTiming();
    partition.Reset();
    state.ResumeTiming();
  }
  state.counters["per_pin"] =
      benchmark::Counter(static_cast<double>(count * state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

/// One lookup per iteration through `find`, cycling through `asked`.
template <class Find>
void Lookup(benchmark::State& state, const Names& asked, Find find) {
  PartitionRef partition = PartitionWithPins(state.range(0));
  std::size_t next = 0;
  for (auto _ : state) {
    ZavU::PinRef pin = find(*partition.get(), asked[next]);
    benchmark::DoNotOptimize(pin.get());
    if (++next == asked.size()) next = 0;
  }
}

ZavU::PinRef ByName(ZavU::IPartition& p, const Port::StringBase& name) {
  return p.FindPartitionPin(name);
}
ZavU::PinRef ByProxyName(ZavU::IPartition& p, const Port::StringBase& name) {
  return p.FindPartitionPinByProxyName(name);
}

void FindPartitionPinInListOrder(benchmark::State& state) {
  Lookup(state, PinNames(state.range(0)), ByName);
}
void FindPartitionPinShuffled(benchmark::State& state) {
  Lookup(state, Shuffled(PinNames(state.range(0))), ByName);
}
void FindPartitionPinByProxyNameShuffled(benchmark::State& state) {
  Lookup(state, Shuffled(PinNames(state.range(0), "_PROXY")), ByProxyName);
}
/// 1,000 names spread over the whole list, asked again and again: what a
/// lookup costs once its data is in the cache, at every size.
void FindPartitionPinSameThousand(benchmark::State& state) {
  Names all = PinNames(state.range(0));
  Names spread;
  for (std::size_t at = 0; at < all.size(); at += all.size() / 1000) spread.push_back(all[at]);
  Lookup(state, Shuffled(spread), ByName);
}
void FindAbsentPin(benchmark::State& state) { Lookup(state, PinNames(1000, "_absent"), ByName); }

/// What finding cost before the index: the walk from the first pin.
void WalkForComparison(benchmark::State& state) {
  PartitionRef partition = PartitionWithPins(state.range(0));
  std::vector<ZavU::PinRef> pins;
  auto list = partition->GetPartitionPins();
  for (list->First(); !list->IsDone(); list->Next()) {
    ZavU::PinRef pin;
    list->CurrentItem(pin);
    pins.push_back(pin);
  }
  const Names asked = Shuffled(PinNames(state.range(0)));
  std::size_t next = 0;
  for (auto _ : state) {
    for (const ZavU::PinRef& pin : pins) {
      if (pin->GetName() == asked[next]) {
        benchmark::DoNotOptimize(ZavU::PinRef(pin).get());
        break;
      }
    }
    if (++next == asked.size()) next = 0;
  }
}

#define ZORE_PIN_SIZES Arg(1000)->Arg(10000)->Arg(100000)
BENCHMARK(AddPartitionPin)->ZORE_PIN_SIZES->Unit(benchmark::kMillisecond);
BENCHMARK(FindPartitionPinInListOrder)->ZORE_PIN_SIZES;
BENCHMARK(FindPartitionPinShuffled)->ZORE_PIN_SIZES;
BENCHMARK(FindPartitionPinByProxyNameShuffled)->ZORE_PIN_SIZES;
BENCHMARK(FindPartitionPinSameThousand)->ZORE_PIN_SIZES;
BENCHMARK(FindAbsentPin)->ZORE_PIN_SIZES;
BENCHMARK(WalkForComparison)->ZORE_PIN_SIZES->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return ZoreBench::RunAndPrintRatios(argc, argv, [](const ZoreBench::RatioReporter& reporter) {
    reporter.PrintRatio("FindPartitionPinShuffled 100,000 pins / 1,000 pins",
                        "FindPartitionPinShuffled/100000", "FindPartitionPinShuffled/1000",
                        " (goal: at most 4)");
  });
}
