// A partition's parent and project links, the project and parent lookups,
// and its pin collection: adding, finding by name and proxy name (also after
// renames and replaced lists), and pin-list snapshots.
#include <gtest/gtest.h>

#include <random>

#include "Partition/FakeServices.h"
#include "Partition/StoredState.h"
#include "Prjrep/IPersist.h"
#include "ZavU/IPartitionHierarchy.h"
#include "support/Probe.h"
#include "support/ScriptedStream.h"
#include "support/ZoreTest.h"

namespace {

using FakeServices::Settings;
using ZoreTest::CapturingSink;
using ZoreTest::NewPartition;
using ZoreTest::NewPin;
using Strings = std::vector<std::string>;

class PartitionHierarchy : public FakeServices::FakeServicesTest {};
class PartitionPins : public FakeServices::FakeServicesTest {};

/// The pins' names in list order, read through a pin list.
Strings PinNames(const CommonI::RefCountPtr<ZavU::IPartition>& p) {
  Strings names;
  auto pins = p->GetPartitionPins();
  for (pins->First(); !pins->IsDone(); pins->Next()) {
    ZavU::PinRef pin;
    pins->CurrentItem(pin);
    names.push_back(pin->GetName().str());
  }
  return names;
}

/// The answer finding must give: the first pin in list order whose current
/// name is `name`.
ZavU::IPartitionPin* Walk(const CommonI::RefCountPtr<ZavU::IPartition>& p,
                          const std::string& name) {
  for (const ZavU::PinRef& pin : ZoreTest::PartitionProbe(p).Pins()) {
    if (pin && pin->GetName().str() == name) return pin.get();
  }
  return nullptr;
}

TEST_F(PartitionHierarchy, ParentComesFromTheLinkElseFromTheProject) {
  FakeServices::Project current, linked;
  auto parent = NewPartition();
  auto other = NewPartition();
  auto child = NewPartition();
  auto settable = child.As<ZavU::IPartitionHierarchySettable>();
  auto hierarchy = child.As<ZavU::IPartitionHierarchy>();
  CapturingSink sink;

  // Neither link set and no current-project service: no parent.
  EXPECT_FALSE(hierarchy->GetParentPartition());
  // A service that has no current project, or does not answer its interface.
  Settings().currentProjectCreatable = true;
  EXPECT_FALSE(hierarchy->GetParentPartition());
  EXPECT_EQ(Settings().currentProjectCalls, 1);
  Settings().currentProjectAnswers = false;
  EXPECT_FALSE(hierarchy->GetParentPartition());
  EXPECT_EQ(Settings().currentProjectCalls, 1);

  // The current project is asked with the partition's own IPartition.
  Settings().currentProjectAnswers = true;
  Settings().current = &current;
  current.parent = other;
  EXPECT_EQ(hierarchy->GetParentPartition().get(), other.get());
  EXPECT_EQ(current.parentAskedFor, std::vector<ZavU::IPartition*>{child.get()});

  // A linked project is asked instead of the current one. The caller hands
  // over its own reference, by reference; the partition keeps the pointer
  // and no reference of its own.
  linked.parent = parent;
  {
    Prjrep::AutoRelease<Dpm::IHDProject> held;
    held.Share(&linked);
    EXPECT_EQ(settable->SetHDProject(held), 1);
    EXPECT_EQ(linked.refs, 1) << "only the caller's";
  }
  EXPECT_EQ(linked.refs, 0);
  EXPECT_EQ(ZoreTest::PartitionProbe(child).Project(), &linked);
  EXPECT_EQ(hierarchy->GetParentPartition().get(), parent.get());
  EXPECT_EQ(linked.refs, 0) << "the lookup's reference was dropped";
  EXPECT_EQ(current.parentAskedFor.size(), 1u);
  EXPECT_EQ(linked.parentAskedFor.size(), 1u);

  // A linked parent is returned even when a project is set; it holds no
  // reference of the partition's.
  EXPECT_EQ(settable->SetParent(other), 1);
  EXPECT_EQ(ZoreTest::RefCount(other.get()), 2) << "the test's and the fake project's";
  EXPECT_EQ(hierarchy->GetParentPartition().get(), other.get());
  EXPECT_EQ(linked.parentAskedFor.size(), 1u);

  EXPECT_FALSE(hierarchy->GetChildPartitions());
  EXPECT_EQ(settable->ReservedSlot4(), 0);
  EXPECT_TRUE(sink.All().empty());
  current.parent.Reset();
  linked.parent.Reset();
}

TEST_F(PartitionPins, AddingRefusesOnlyAnExistingName) {
  auto p = NewPartition();
  CapturingSink sink;
  EXPECT_EQ(p->AddPartitionPin("clk"), 1);
  EXPECT_EQ(p->AddPartitionPin("CLK"), 1) << "names differing in case are different pins";
  EXPECT_EQ(p->AddPartitionPin(""), 1);
  EXPECT_EQ(p->AddPartitionPin("clk"), 0);
  EXPECT_EQ(p->AddPartitionPin(""), 0);
  EXPECT_EQ(sink.All(), (Strings{"ERROR: AddPartitionPin called with existing Partition Pin.\n",
                                 "ERROR: AddPartitionPin called with existing Partition Pin.\n"}));
  EXPECT_EQ(ZoreTest::RefCount(ZoreTest::PartitionProbe(p).Pins()[0].get()), 1)
      << "the partition's own reference";
  EXPECT_EQ(PinNames(p), (Strings{"clk", "CLK", ""}));
}

TEST_F(PartitionPins, PinsThatCannotBeCreatedAreReported) {
  auto p = NewPartition();
  FakeServices::NotAPinFactory notAPins;
  {
    // Whatever happens, the registry gets the library's classes back.
    struct Restore {
      ~Restore() { FakeServices::RestoreRegistry(); }
    } restore;
    CapturingSink sink;
    CitP::Factory::Shutdown();
    EXPECT_EQ(p->AddPartitionPin("clk"), 0);
    CitP::Factory::RegisterFactory(Port::XUID(Xuids::ZorE_PartitionPin), &notAPins);
    EXPECT_EQ(p->AddPartitionPin("clk"), 0);
    EXPECT_EQ(FakeServices::NotAPin::live, 0) << "the object that is not a pin is dropped";
    EXPECT_EQ(sink.All(), (Strings{"ERROR: Can't create ZorE:PartitionPin Interface\n",
                                   "ERROR: Can't create ZorE:PartitionPin component\n"}));
    EXPECT_TRUE(ZoreTest::PartitionProbe(p).Pins().empty());
  }
  EXPECT_EQ(p->AddPartitionPin("clk"), 1);
}

TEST_F(PartitionPins, FindingByNameAndByProxyName) {
  auto p = NewPartition();
  for (const char* name : {"d", "a", "d_PROXY", "D"}) ASSERT_EQ(p->AddPartitionPin(name), 1);
  ZoreTest::PartitionProbe own(p);
  ZavU::IPartitionPin* d = own.Pins()[0].get();
  ZavU::IPartitionPin* a = own.Pins()[1].get();

  EXPECT_EQ(p->FindPartitionPin("d").get(), d);
  EXPECT_EQ(p->GetPartitionPin("d").get(), d);
  EXPECT_EQ(p->FindPartitionPin("D").get(), own.Pins()[3].get());
  EXPECT_EQ(p->GetPartitionPin("d").get(), d);
  EXPECT_FALSE(p->FindPartitionPin("e"));
  EXPECT_FALSE(p->GetPartitionPin("e"));

  // A proxy name is cut at its first "_PROXY": d_PROXY finds d, not the pin
  // named d_PROXY.
  EXPECT_EQ(p->FindPartitionPinByProxyName("d_PROXY").get(), d);
  EXPECT_EQ(p->GetPartitionPinByProxyName("a_PROXY_PROXY").get(), a);
  EXPECT_EQ(p->GetPartitionPinByProxyName("a").get(), a) << "no suffix: the name";
  EXPECT_FALSE(p->FindPartitionPinByProxyName("d_proxy"));

  {
    ZavU::PinRef found = p->FindPartitionPin("a");
    EXPECT_EQ(ZoreTest::RefCount(found.get()), 2) << "the caller's and the partition's";
  }
  EXPECT_EQ(ZoreTest::RefCount(a), 1);
}

TEST_F(PartitionPins, APinRenamedByItsOwnRecordLoadIsFoundByItsNewName) {
  auto p = NewPartition();
  ASSERT_EQ(p->AddPartitionPin("old"), 1);
  ASSERT_TRUE(p->FindPartitionPin("old"));  // the partition has indexed it
  ZoreTest::ScriptedStream record;
  record.UInt(2).UInt(0).Xuid(Port::XUID()).Str("new").Str("").Str("");
  ZavU::PinRef pin = p->FindPartitionPin("old");
  ASSERT_EQ(pin.As<Prjrep::IPersist>()->PersistLoad(&record), 1);
  EXPECT_EQ(p->FindPartitionPin("new").get(), pin.get());
  EXPECT_FALSE(p->FindPartitionPin("old"));
}

TEST_F(PartitionPins, RenamedPinsAreFoundAsTheWalkFindsThem) {
  auto p = NewPartition();
  ZoreTest::PartitionProbe own(p);
  for (int i = 0; i < 10; ++i) ASSERT_EQ(p->AddPartitionPin(("n" + std::to_string(i)).c_str()), 1);
  ZavU::IPartitionPin* pin1 = own.Pins()[1].get();
  ZavU::IPartitionPin* pin3 = own.Pins()[3].get();
  ZavU::IPartitionPin* pin7 = own.Pins()[7].get();
  EXPECT_EQ(p->FindPartitionPin("n3").get(), pin3);
  CapturingSink quiet;  // the refused additions below

  pin7->SetName("n3");  // behind the partition's back
  EXPECT_EQ(p->FindPartitionPin("n3").get(), pin3) << "the earlier pin stays first";
  EXPECT_FALSE(p->FindPartitionPin("n7"));
  pin3->SetName("x");
  EXPECT_EQ(p->FindPartitionPin("n3").get(), pin7);
  EXPECT_EQ(p->FindPartitionPin("x").get(), pin3);
  pin1->SetName("n3");
  EXPECT_EQ(p->FindPartitionPinByProxyName("n3_PROXY").get(), pin1);
  EXPECT_EQ(p->AddPartitionPin("n3"), 0);
  EXPECT_EQ(p->AddPartitionPin("n1"), 1) << "the name was given up";

  // Many renames and additions in a random (but fixed) order, each followed
  // by a lookup of every name of the pool.
  std::mt19937 random(7);
  const int kPool = 25;
  auto poolName = [&](int i) { return "p" + std::to_string(i); };
  for (int step = 0; step < 400; ++step) {
    int name = static_cast<int>(random() % kPool);
    if (random() % 4 == 0) {
      p->AddPartitionPin(poolName(name).c_str());
    } else {
      own.Pins()[random() % own.Pins().size()]->SetName(poolName(name).c_str());
    }
    for (int i = 0; i < kPool; ++i) {
      ASSERT_EQ(p->FindPartitionPin(poolName(i).c_str()).get(), Walk(p, poolName(i)))
          << "step " << step << ", name " << poolName(i);
    }
  }
}

TEST_F(PartitionPins, ReplacedAndGrownListsAreFoundAsTheWalkFindsThem) {
  auto p = NewPartition();
  ZoreTest::PartitionProbe own(p);
  for (const char* name : {"a", "b", "c"}) ASSERT_EQ(p->AddPartitionPin(name), 1);
  EXPECT_TRUE(p->FindPartitionPin("a"));
  // A record load replaces the list.
  ZoreTest::StoredState state;
  state.pins = {"z", "c", "y"};
  state.LoadInto(p.get());
  EXPECT_EQ(p->FindPartitionPin("z").get(), own.Pins()[0].get());
  EXPECT_FALSE(p->FindPartitionPin("a"));
  EXPECT_EQ(p->FindPartitionPin("c").get(), own.Pins()[1].get());
  // Pins added later are found; a shorter list loaded over them is noticed.
  ASSERT_EQ(p->AddPartitionPin("q"), 1);
  EXPECT_EQ(p->FindPartitionPin("q").get(), own.Pins()[3].get());
  state.pins = {"z", "r"};
  state.LoadInto(p.get());
  EXPECT_FALSE(p->FindPartitionPin("q"));
  EXPECT_FALSE(p->FindPartitionPin("c"));
  EXPECT_EQ(p->FindPartitionPin("r").get(), own.Pins()[1].get());
  EXPECT_FALSE(p->FindPartitionPin(""));
}

TEST_F(PartitionPins, PinListsAreSnapshotsCountedOnThePartition) {
  auto p = NewPartition();
  auto empty = p->GetPartitionPins();
  empty->First();
  EXPECT_TRUE(empty->IsDone());
  EXPECT_EQ(ZoreTest::RefCount(p.get()), 2) << "an iterator keeps its partition alive";
  EXPECT_EQ(empty->QueryInterface(Port::XUID(ZavU::IPartitionPinIterator::kIID)), empty.get());
  EXPECT_EQ(empty->QueryInterface(Port::XUID(ZavU::IPartition::kIID)), p.get());

  ASSERT_EQ(p->AddPartitionPin("a"), 1);
  auto before = p->GetPartitionPins();
  ASSERT_EQ(p->AddPartitionPin("b"), 1);
  before->First();
  ZavU::PinRef first;
  EXPECT_EQ(before->CurrentItem(first), 1);
  EXPECT_EQ(first.get(), ZoreTest::PartitionProbe(p).Pins()[0].get());
  EXPECT_EQ(ZoreTest::RefCount(first.get()), 3) << "partition, list and caller";
  before->Next();
  EXPECT_TRUE(before->IsDone()) << "b was added after the snapshot";
  EXPECT_EQ(before->CurrentItem(first), 0);
  EXPECT_FALSE(first) << "past the end reads nothing";
  EXPECT_EQ(PinNames(p), (Strings{"a", "b"}));
}

}  // namespace
