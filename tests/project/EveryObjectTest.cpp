// Every kind of object the library and the host hand out, walked alike: its
// own identity answers itself, an unknown identity answers null, its root
// identity leads to the same object from wherever it is asked, and a
// reference taken and dropped through each counting interface it answers
// leaves its one counter as it was. (The string lists a partition hands
// out answer no identity of their own: PartitionBasicsTest walks them.)
#include <functional>
#include <ostream>

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

struct Kind {
  const char* name;
  Port::XuidWords own;
  std::function<CitI::IInterface*(World&)> object;
};
void PrintTo(const Kind& kind, std::ostream* out) { *out << kind.name; }

// Each object of the world as the interface I it answers first.
// clang-format off
#define NAMED(n, I, expr) Kind{n, I::kIID, [](World& w) -> I* { return static_cast<I*>(expr); }}
#define OBJECT(I, expr) NAMED(#expr, I, expr)
#define PART(I) NAMED(#I, I, CitI::QueryAs<I>(w.partition.get()))
#define PIN(I) NAMED("pin " #I, I, CitI::QueryAs<I>(w.pin.get()))
const Kind kKinds[] = {
    PART(ZavU::IPartition), PART(ZavU::IXPartition), PART(Prjrep::IPersist),
    PART(UtilI::ITclCollectable), PART(ZavU::IPartitionFileTracking),
    PART(ZavU::IPartitionHierarchy), PART(ZavU::IPartitionHierarchySettable),
    PART(ZavU::IPartitionTimeTracking), PART(ZavU::IReconfigAssocInfo), PART(CommonI::IRefCount),
    PIN(ZavU::IPartitionPin), PIN(ZavU::IPPXPartition), PIN(Prjrep::IPersist),
    PIN(CommonI::IRefCount), OBJECT(Dpm::IPRModule, w.module.get()),
    OBJECT(ZavU::IPartitionPinIterator, w.pins.get()),
    OBJECT(Dpm::IHDProject, w.project->AsHDProject()),
    OBJECT(Dpm::IPRProject, CitI::QueryAs<Dpm::IPRProject>(w.project->AsHDProject())),
    OBJECT(Dpm::IPartitionIterator, w.iterator.get()), OBJECT(Prjrep::IPersistStream, &w.stream),
    OBJECT(Dpm::ICurrentProject, w.current.get()), OBJECT(Dpm::IPRSolutionHelper, w.solution.get()),
    OBJECT(Dpm::IPRModuleManager, &w.project->ModuleManager()),
    OBJECT(CitI::IFactory, w.factories[0].get()), OBJECT(CitI::IFactory, w.factories[1].get()),
    OBJECT(CitI::IFactory, w.factories[2].get()), OBJECT(CitI::IFactory, w.factories[3].get())};
// clang-format on

class EveryObject : public HostProjectTest, public ::testing::WithParamInterface<Kind> {};

template <class Counter>
void ExpectBalanced(CitI::IInterface* object, CitI::IInterface* root) {
  auto* counter = CitI::QueryAs<Counter>(object);
  if (!counter) return;
  const int before = ZoreTest::RefCount(root);
  EXPECT_EQ(counter->AddRef(), 1);
  EXPECT_EQ(ZoreTest::RefCount(root), before + 1) << "counts on the object's one counter";
  EXPECT_EQ(counter->Release(), 1);
  EXPECT_EQ(ZoreTest::RefCount(root), before);
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

}  // namespace
