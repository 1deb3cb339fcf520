// What the partition records cost on top of the stream they are written to.
//
// A project of 1,000 partitions with 100 pins each is saved and loaded
// through the partitions' own records into an in-memory stream
// (BM_ProjectRecords), and the very same items are written and read through
// the stream alone, with no component involved (BM_StreamAlone). The program
// ends with the ratio of the two. BM_ProjectRelease is what releasing the
// loaded project costs afterwards; BM_ProjectFile adds the file around save
// and load: checksum, atomic save with its flushes, and the checked load.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "BenchProject.h"
#include "CitP/Factory.h"
#include "Partition/Partition.h"
#include "ProjectFile.h"
#include "RatioReporter.h"

extern "C" void InstFactoryEntry();

namespace {

using HostModel::ProjectImage;
using HostPersist::ItemKind;
using HostPersist::MemoryStream;

constexpr int kPartitions = 1000;
constexpr int kPinsEach = 100;

ProjectImage MakeProject() {
  return ZoreBench::MakeProject(kPartitions, kPinsEach, "data_in[", "]",
                                [](ZavU::IPartition& partition, long i) {
                                  partition.SetTrait("preserve", "placement", true);
                                  partition.SetTimestamp(ZavU::SYNTHESIS, 1700000000 + i);
                                  partition.AddIPFileName("ip/fifo.qxp");
                                });
}

const ProjectImage& Project() {
  static const ProjectImage project = MakeProject();
  return project;
}

/// One decoded item of the saved project.
struct Item {
  ItemKind kind;
  std::int64_t number;
  Port::StringBase text;
  Port::XUID xuid;
};

/// The items the records wrote, in order.
const std::vector<Item>& Items() {
  static const std::vector<Item> items = [] {
    MemoryStream s;
    std::string error;
    HostPersist::WriteProject(Project(), s, "bench", error);
    MemoryStream r(s.TakeBytes());
    std::vector<Item> out;
    ItemKind kind;
    while (r.PeekKind(kind)) {
      Item item{kind, 0, {}, {}};
      std::int32_t i = 0;
      std::uint32_t u = 0;
      std::uint8_t b = 0;
      bool flag = false;
      switch (kind) {
        case ItemKind::kInt:
          r.ReadInt(i), item.number = i;
          break;
        case ItemKind::kTime:
          r.ReadTime(item.number);
          break;
        case ItemKind::kBool:
          r.ReadBool(flag), item.number = flag;
          break;
        case ItemKind::kUInt:
          r.ReadUInt(u), item.number = u;
          break;
        case ItemKind::kByte:
          r.ReadByte(b), item.number = b;
          break;
        case ItemKind::kString:
          r.ReadString(item.text);
          break;
        case ItemKind::kFileName:
          r.ReadFileName(item.text);
          break;
        case ItemKind::kXuid:
          r.ReadXUID(item.xuid);
          break;
      }
      out.push_back(std::move(item));
    }
    return out;
  }();
  return items;
}

void BM_ProjectRecords(benchmark::State& state) {
  const ProjectImage& project = Project();
  std::size_t bytes = 0;
  for (auto _ : state) {
    MemoryStream w;
    w.Reserve(bytes);
    std::string error;
    if (!HostPersist::WriteProject(project, w, "bench", error)) state.SkipWithError(error.c_str());
    bytes = w.Bytes().size();
    MemoryStream r(w.TakeBytes());
    ProjectImage loaded;
    if (!HostPersist::ReadProject(r, "bench", loaded, error)) state.SkipWithError(error.c_str());
    benchmark::DoNotOptimize(loaded.partitions.data());
    // Releasing the loaded project is neither saving nor loading: it is
    // timed on its own in BM_ProjectRelease.
    state.PauseTiming();
    loaded = ProjectImage();
    state.ResumeTiming();
  }
  state.counters["items"] = static_cast<double>(Items().size());
  state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_StreamAlone(benchmark::State& state) {
  const std::vector<Item>& items = Items();
  std::size_t bytes = 0;
  for (auto _ : state) {
    MemoryStream w;
    w.Reserve(bytes);
    for (const Item& item : items) {
      switch (item.kind) {
        case ItemKind::kInt:
          w.WriteInt(static_cast<std::int32_t>(item.number));
          break;
        case ItemKind::kTime:
          w.WriteTime(item.number);
          break;
        case ItemKind::kBool:
          w.WriteBool(item.number != 0);
          break;
        case ItemKind::kUInt:
          w.WriteUInt(static_cast<std::uint32_t>(item.number));
          break;
        case ItemKind::kByte:
          w.WriteByte(static_cast<std::uint8_t>(item.number));
          break;
        case ItemKind::kString:
          w.WriteString(item.text);
          break;
        case ItemKind::kFileName:
          w.WriteFileName(item.text);
          break;
        case ItemKind::kXuid:
          w.WriteXUID(item.xuid);
          break;
      }
    }
    bytes = w.Bytes().size();
    MemoryStream r(w.TakeBytes());
    std::int32_t i;
    std::uint32_t u;
    std::uint8_t b;
    bool flag;
    Port::Time t;
    Port::XUID x;
    for (const Item& item : items) {
      Port::StringBase text;  // a fresh string per item, as a record reads into its own
      switch (item.kind) {
        case ItemKind::kInt:
          r.ReadInt(i);
          break;
        case ItemKind::kTime:
          r.ReadTime(t);
          break;
        case ItemKind::kBool:
          r.ReadBool(flag);
          break;
        case ItemKind::kUInt:
          r.ReadUInt(u);
          break;
        case ItemKind::kByte:
          r.ReadByte(b);
          break;
        case ItemKind::kString:
          r.ReadString(text);
          break;
        case ItemKind::kFileName:
          r.ReadFileName(text);
          break;
        case ItemKind::kXuid:
          r.ReadXUID(x);
          break;
      }
      benchmark::DoNotOptimize(text);
    }
    if (!r.AtEnd() || r.Failed()) state.SkipWithError("the items did not read back");
  }
  state.counters["items"] = static_cast<double>(items.size());
  state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_ProjectRelease(benchmark::State& state) {
  MemoryStream w;
  std::string error;
  HostPersist::WriteProject(Project(), w, "bench", error);
  const std::string bytes = w.TakeBytes();
  for (auto _ : state) {
    state.PauseTiming();
    MemoryStream r(bytes);
    ProjectImage loaded;
    if (!HostPersist::ReadProject(r, "bench", loaded, error)) state.SkipWithError(error.c_str());
    state.ResumeTiming();
    loaded = ProjectImage();
  }
}

void BM_ProjectFile(benchmark::State& state) {
  const ProjectImage& project = Project();
  char dir[] = "/tmp/persistbench.XXXXXX";
  if (!::mkdtemp(dir)) return state.SkipWithError("no temporary directory");
  const std::string path = std::string(dir) + "/bench.prj";
  for (auto _ : state) {
    std::string error;
    if (!HostPersist::SaveProjectFile(path, project, error)) state.SkipWithError(error.c_str());
    ProjectImage loaded;
    if (!HostPersist::LoadProjectFile(path, loaded, error)) state.SkipWithError(error.c_str());
    benchmark::DoNotOptimize(loaded.partitions.data());
  }
  ::unlink(path.c_str());
  ::rmdir(dir);
}

BENCHMARK(BM_ProjectRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StreamAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProjectRelease)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProjectFile)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return ZoreBench::RunAndPrintRatios(argc, argv, [](const ZoreBench::RatioReporter& reporter) {
    reporter.PrintRatio("records / stream alone", "BM_ProjectRecords", "BM_StreamAlone",
                        " (goal: at most 1.4)");
  });
}
