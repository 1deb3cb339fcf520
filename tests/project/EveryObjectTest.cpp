// Every kind of object the library and the host hand out, walked alike: its
// own identity answers itself, an unknown identity answers null, its root
// identity leads to the same object from wherever it is asked, and a
// reference taken and dropped through each counting interface it answers
// leaves its one counter as it was.
#include <functional>
#include <memory>

#include "CitP/TFactory.h"
#include "HostTest.h"
#include "MemoryStream.h"
#include "Partition/Partition.h"
#include "PartitionPin/PartitionPin.h"
#include "Prjrep/IPersist.h"
#include "UtilI/ITclCollectable.h"
#include "ZavU/IPartitionHierarchy.h"
#include "ZavU/IPartitionTracking.h"
#include "ZavU/IReconfigAssocInfo.h"
#include "ZavU/IXPartition.h"
#include "project/PRSolution.h"

namespace {

using namespace HostTest;

/// One of everything, alive for the length of a test.
struct World {
  ProjectRef project = NewProject({"top", "top/a"});
  PartitionRef partition = project->Find("top/a");
  CommonI::RefCountPtr<ZavU::IPartitionPin> pin = ZoreTest::NewPin();
  std::unique_ptr<Dpm::IStringIterator> strings{partition->GetTraitNames()};
  CommonI::RefCountPtr<ZavU::IPartitionPinIterator> pins;
  Prjrep::AutoRelease<Dpm::IPartitionIterator> iterator;
  Prjrep::AutoRelease<Dpm::IPRModule> module;
  Prjrep::AutoRelease<CitI::IInterface> current, solution;
  HostPersist::MemoryStream stream;
  template <class T>
  static CommonI::RefCountPtr<CitI::IFactory> Factory() {
    return CommonI::RefCountPtr<CitI::IFactory>::Adopt(new CitP::TFactory<T>());
  }
  CommonI::RefCountPtr<CitI::IFactory> factories[4] = {
      Factory<ZorE::Partition>(), Factory<ZorE::PartitionPin>(),
      Factory<HostProject::CurrentProjectService>(), Factory<HostProject::PRSolutionHelper>()};

  World() {
    partition->AddPartitionPin("clk");
    pins = partition->GetPartitionPins();
    project->AsHDProject()->GetPartitions(iterator.Out());
    project->ModuleManager().AssignModule("top/a", "blinker");
    project->ModuleManager().FindModule("top/a", module.Out());
    current.Adopt(CitP::Factory::CreateInstance(HostProject::CurrentProjectService::ClassXuid()));
    solution.Adopt(CitP::Factory::CreateInstance(HostProject::PRSolutionHelper::ClassXuid()));
  }
};

template <class I>
std::function<CitI::IInterface*(World&)> Partition() {
  return [](World& w) { return CitI::QueryAs<I>(w.partition.get()); };
}
template <class I>
std::function<CitI::IInterface*(World&)> Pin() {
  return [](World& w) { return CitI::QueryAs<I>(w.pin.get()); };
}

struct Kind {
  const char* name;
  Port::XuidWords own;
  std::function<CitI::IInterface*(World&)> object;
};

const Kind kKinds[] = {
    {"partition", ZavU::IPartition::kIID, Partition<ZavU::IPartition>()},
    {"partition IXPartition", ZavU::IXPartition::kIID, Partition<ZavU::IXPartition>()},
    {"partition IPersist", Prjrep::IPersist::kIID, Partition<Prjrep::IPersist>()},
    {"partition Tcl", UtilI::ITclCollectable::kIID, Partition<UtilI::ITclCollectable>()},
    {"partition files", ZavU::IPartitionFileTracking::kIID,
     Partition<ZavU::IPartitionFileTracking>()},
    {"partition hierarchy", ZavU::IPartitionHierarchy::kIID,
     Partition<ZavU::IPartitionHierarchy>()},
    {"partition links", ZavU::IPartitionHierarchySettable::kIID,
     Partition<ZavU::IPartitionHierarchySettable>()},
    {"partition times", ZavU::IPartitionTimeTracking::kIID,
     Partition<ZavU::IPartitionTimeTracking>()},
    {"partition modules", ZavU::IReconfigAssocInfo::kIID, Partition<ZavU::IReconfigAssocInfo>()},
    {"partition counter", CommonI::IRefCount::kIID, Partition<CommonI::IRefCount>()},
    {"pin", ZavU::IPartitionPin::kIID, Pin<ZavU::IPartitionPin>()},
    {"pin IPPXPartition", ZavU::IPPXPartition::kIID, Pin<ZavU::IPPXPartition>()},
    {"pin IPersist", Prjrep::IPersist::kIID, Pin<Prjrep::IPersist>()},
    {"pin counter", CommonI::IRefCount::kIID, Pin<CommonI::IRefCount>()},
    {"string list", Dpm::IStringIterator::kIID, [](World& w) { return w.strings.get(); }},
    {"string", Dpm::IString::kIID, [](World& w) { return w.strings->CurrentItem(); }},
    {"pin list", ZavU::IPartitionPinIterator::kIID, [](World& w) { return w.pins.get(); }},
    {"design project", Dpm::IHDProject::kIID, [](World& w) { return w.project->AsHDProject(); }},
    {"design project IPRProject", Dpm::IPRProject::kIID,
     [](World& w) { return CitI::QueryAs<Dpm::IPRProject>(w.project->AsHDProject()); }},
    {"partition iterator", Dpm::IPartitionIterator::kIID,
     [](World& w) { return w.iterator.get(); }},
    {"current project", Dpm::ICurrentProject::kIID, [](World& w) { return w.current.get(); }},
    {"solution helper", Dpm::IPRSolutionHelper::kIID, [](World& w) { return w.solution.get(); }},
    {"module manager", Dpm::IPRModuleManager::kIID,
     [](World& w) { return static_cast<Dpm::IPRModuleManager*>(&w.project->ModuleManager()); }},
    {"module", Dpm::IPRModule::kIID, [](World& w) { return w.module.get(); }},
    {"memory stream", Prjrep::IPersistStream::kIID, [](World& w) { return &w.stream; }},
    {"partition factory", CitI::IFactory::kIID, [](World& w) { return w.factories[0].get(); }},
    {"pin factory", CitI::IFactory::kIID, [](World& w) { return w.factories[1].get(); }},
    {"current project factory", CitI::IFactory::kIID,
     [](World& w) { return w.factories[2].get(); }},
    {"solution helper factory", CitI::IFactory::kIID,
     [](World& w) { return w.factories[3].get(); }},
};

class EveryObject : public HostProjectTest, public ::testing::WithParamInterface<Kind> {};

int Count(CitI::IInterface* object) { return ZoreTest::RefCount(object); }

template <class Counter>
void ExpectBalanced(CitI::IInterface* object, CitI::IInterface* root) {
  auto* counter = CitI::QueryAs<Counter>(object);
  if (!counter) return;
  const int before = Count(root);
  EXPECT_EQ(counter->AddRef(), 1);
  EXPECT_EQ(Count(root), before + 1) << "counts on the object's one counter";
  EXPECT_EQ(counter->Release(), 1);
  EXPECT_EQ(Count(root), before);
}

TEST_P(EveryObject, AnswersItselfNothingUnknownAndBalancesItsReferences) {
  World world;
  CitI::IInterface* object = GetParam().object(world);
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(object->QueryInterface(Port::XUID(GetParam().own)), object);
  EXPECT_EQ(object->QueryInterface(Port::XUID(Xuids::ZorE_Partition)), nullptr);
  EXPECT_EQ(object->QueryInterface(Port::XUID(1, 2)), nullptr);
  CitI::IInterface* root = CitI::QueryAs<CitI::IInterface>(object);
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(CitI::QueryAs<CitI::IInterface>(root), root);
  EXPECT_EQ(CitI::QueryAs<CitI::IInterface>(CitI::QueryAs<CommonI::IRefCount>(object)), root)
      << "the counter leads back to the object";
  ExpectBalanced<CommonI::IRefCount>(object, root);
  ExpectBalanced<Prjrep::IRefCount>(object, root);
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryObject, ::testing::ValuesIn(kKinds), [](const auto& info) {
  std::string name = info.param.name;
  for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
});

TEST_F(HostProjectTest, ListCursorsStayDonePastTheEnd) {
  World world;
  for (int i = 0; i < 10; ++i) world.strings->Next();  // five trait names
  EXPECT_TRUE(world.strings->IsDone());
  EXPECT_EQ(world.strings->CurrentItem(), nullptr);
  for (int i = 0; i < 3; ++i) world.pins->Next();
  EXPECT_TRUE(world.pins->IsDone());
  world.pins->First();
  EXPECT_FALSE(world.pins->IsDone());
}

}  // namespace
