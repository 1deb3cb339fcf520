// A partition's pin collection: adding, finding by name and proxy name (also
// after renames and replaced lists), and pin-list snapshots. Its parent
// lookups are checked with the host's own project (tests/project).
#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "Partition/FakeServices.h"
#include "Partition/StoredState.h"
#include "Prjrep/IPersist.h"
#include "support/Probe.h"
#include "support/ZoreTest.h"

namespace {

using namespace ZoreTest;

class PartitionHierarchy : public FakeServices::FakeServicesTest {};

/// The pins' names in list order, read through a pin list.
Strings PinNames(const PartitionRef& p) {
  Strings names;
  auto pins = p->GetPartitionPins();
  for (pins->First(); !pins->IsDone(); pins->Next()) {
    ZavU::PinRef pin;
    pins->CurrentItem(pin);
    names.push_back(pin->GetName().str());
  }
  return names;
}

/// The answer finding must give: the first pin in list order named `name`.
ZavU::IPartitionPin* Walk(const PartitionRef& p, const std::string& name) {
  for (const ZavU::PinRef& pin : PartitionProbe(p).Pins()) {
    if (pin->GetName().str() == name) return pin.get();
  }
  return nullptr;
}

TEST_F(PartitionHierarchy, AddingRefusesAnExistingNameOrAPinNotMade) {
  auto p = NewPartition();
  CapturingSink sink;
  const std::string existing = "ERROR: AddPartitionPin called with existing Partition Pin.\n";
  for (auto [name, added] :
       {std::pair{"clk", 1}, {"CLK", 1}, {"", 1}, {"clk", 0}, {"", 0}, {"CLK", 0}}) {
    EXPECT_EQ(p->AddPartitionPin(name), added) << name;
  }
  EXPECT_EQ(sink.All(), (Strings{existing, existing, existing}));
  FakeServices::NotAPinFactory notAPins;
  {
    FakeServices::EmptiedRegistry emptied;
    sink.Clear();
    EXPECT_EQ(p->AddPartitionPin("d"), 0);
    CitP::Factory::RegisterFactory(Port::XUID(Xuids::ZorE_PartitionPin), &notAPins);
    EXPECT_EQ(p->AddPartitionPin("d"), 0);
    EXPECT_EQ(FakeServices::g_liveFakes, 0) << "the object that is not a pin is dropped";
    EXPECT_EQ(sink.All(), (Strings{"ERROR: Can't create ZorE:PartitionPin Interface\n",
                                   "ERROR: Can't create ZorE:PartitionPin component\n"}));
  }
  EXPECT_EQ(p->AddPartitionPin("d"), 1);
  EXPECT_EQ(PinNames(p), (Strings{"clk", "CLK", "", "d"}));
}

TEST_F(PartitionHierarchy, FindingByNameAndByProxyName) {
  auto p = NewPartition();
  for (const char* name : {"d", "a", "d_PROXY", "D"}) ASSERT_EQ(p->AddPartitionPin(name), 1);
  const auto& pins = PartitionProbe(p).Pins();
  // {asked, by proxy name, position found (-1: none)}: a proxy name is cut
  // at its first "_PROXY", so d_PROXY finds d, not the pin named d_PROXY.
  const std::tuple<const char*, bool, int> cases[] = {
      {"d", false, 0},  {"a", false, 1},      {"D", false, 3},
      {"e", false, -1}, {"d_PROXY", true, 0}, {"a_PROXY_PROXY", true, 1},
      {"a", true, 1},   {"d_proxy", true, -1}};
  for (auto [name, proxy, at] : cases) {
    ZavU::IPartitionPin* expected = at < 0 ? nullptr : pins[at].get();
    EXPECT_EQ((proxy ? p->FindPartitionPinByProxyName(name) : p->FindPartitionPin(name)).get(),
              expected)
        << name;
    EXPECT_EQ((proxy ? p->GetPartitionPinByProxyName(name) : p->GetPartitionPin(name)).get(),
              expected)
        << name;
  }
}

TEST_F(PartitionHierarchy, FindingWalksWhileAPinOfAnotherImplementationIsListed) {
  auto p = NewPartition();
  for (const char* name : {"a", "b", "c"}) ASSERT_EQ(p->AddPartitionPin(name), 1);
  FakeServices::ForeignPinFactory foreignPins;
  {
    FakeServices::EmptiedRegistry emptied;
    CitP::Factory::RegisterFactory(Port::XUID(Xuids::ZorE_PartitionPin), &foreignPins);
    ASSERT_EQ(p->AddPartitionPin("x"), 1);
  }
  const auto& pins = PartitionProbe(p).Pins();
  pins[3]->SetName("b");  // unseen by the partition: only the walk finds the first b
  pins[1]->SetName("y");
  for (auto [name, at] : {std::pair{"a", 0}, {"b", 3}, {"c", 2}, {"y", 1}, {"x", -1}}) {
    EXPECT_EQ(p->FindPartitionPin(name).get(), at < 0 ? nullptr : pins[at].get()) << name;
  }
}

TEST_F(PartitionHierarchy, FindingAnswersAsTheWalkAfterRenamesAdditionsAndLoads) {
  // Renames behind the partition's back, additions and replaced lists in a
  // random (but fixed) order, each followed by a lookup of every name.
  auto p = NewPartition();
  PartitionProbe own(p);
  CapturingSink quiet;  // the refused additions
  std::mt19937 random(7);
  const int kPool = 25;
  auto poolName = [](unsigned i) { return "p" + std::to_string(i % kPool); };
  for (int step = 0; step < 500; ++step) {
    const std::string name = poolName(random());
    const unsigned what = random() % 16;
    if (what < 4 || own.Pins().empty()) {
      EXPECT_EQ(p->AddPartitionPin(name.c_str()), Walk(p, name) ? 0 : 1) << name;
    } else if (what == 4) {
      StoredState state;  // a record load replaces the list
      for (unsigned n = random() % 20; n > 0; --n) state.pins.push_back(poolName(random()));
      state.LoadInto(p.get());
    } else {
      own.Pins()[random() % own.Pins().size()]->SetName(name.c_str());
    }
    for (int i = 0; i < kPool; ++i) {
      const std::string asked = poolName(i);
      ASSERT_EQ(p->FindPartitionPin(asked.c_str()).get(), Walk(p, asked)) << step << " " << asked;
      ASSERT_EQ(p->FindPartitionPinByProxyName((asked + "_PROXY").c_str()).get(), Walk(p, asked));
    }
  }
}

struct RenameCase {
  const char* loadedName;  // the name in the record loaded into pin "b"
  // What finding each of the names a, b, c, z answers afterwards: the index
  // of the pin in the list (a, b, c), or -1 for none.
  int a, b, c, z;
};

// A record loaded into a pin the partition has indexed renames it in the
// lookups as SetName would; a record that keeps the name changes nothing.
TEST_F(PartitionHierarchy, FindingFollowsTheNameARecordLoadedIntoAPinBrings) {
  const RenameCase cases[] = {
      {"z", 0, -1, 2, 1},   // a new name: found under it, no longer under the old
      {"b", 0, 1, 2, -1},   // the same name: nothing moves
      {"a", 0, -1, 2, -1},  // an earlier pin's name: that pin stays first
      {"c", 0, -1, 1, -1},  // a later pin's name: this pin is now the first
  };
  for (const RenameCase& c : cases) {
    auto p = NewPartition();
    for (const char* name : {"a", "b", "c"}) ASSERT_EQ(p->AddPartitionPin(name), 1);
    const auto& pins = PartitionProbe(p).Pins();
    // Every name is found once, so the partition has indexed every pin.
    for (const char* name : {"a", "b", "c"}) ASSERT_TRUE(p->FindPartitionPin(name)) << name;

    ScriptedStream record;
    record.UInt(2).UInt(0).Xuid(Port::XUID()).Str(c.loadedName).Str("").Str("");
    auto* persist = CitI::QueryAs<Prjrep::IPersist>(pins[1].get());
    ASSERT_EQ(persist->PersistLoad(&record), 1) << c.loadedName;

    const std::pair<const char*, int> expected[] = {{"a", c.a}, {"b", c.b}, {"c", c.c}, {"z", c.z}};
    for (const auto& [name, at] : expected) {
      EXPECT_EQ(p->FindPartitionPin(name).get(), at < 0 ? nullptr : pins[at].get())
          << "loaded " << c.loadedName << ", finding " << name;
    }
  }
}

TEST_F(PartitionHierarchy, PinListsAreSnapshotsCountedOnThePartition) {
  auto p = NewPartition();
  auto empty = p->GetPartitionPins();
  empty->First();
  EXPECT_TRUE(empty->IsDone());
  EXPECT_EQ(RefCount(p.get()), 2) << "an iterator keeps its partition alive";
  p->AddPartitionPin("a");
  auto before = p->GetPartitionPins();
  p->AddPartitionPin("b");
  before->First();
  ZavU::PinRef first;
  EXPECT_EQ(before->CurrentItem(first), 1);
  EXPECT_EQ(first.get(), PartitionProbe(p).Pins()[0].get());
  EXPECT_EQ(RefCount(first.get()), 3) << "partition, list and caller";
  before->Next();
  EXPECT_TRUE(before->IsDone()) << "b was added after the snapshot";
  EXPECT_EQ(before->CurrentItem(first), 0);
  EXPECT_FALSE(first) << "past the end reads nothing";
  EXPECT_EQ(PinNames(p), (Strings{"a", "b"}));
}

}  // namespace
