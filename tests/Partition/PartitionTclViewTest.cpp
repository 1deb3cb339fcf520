// The partition as a Tcl collectable object, in what the host's Tcl face
// never shows: the value objects reused, the up-to-date reason traced, and
// the answers when the Tcl helpers, the partition helper or the project's
// services are missing. The property values themselves are checked through
// the real host by tests/tcl/scripts/properties.tcl. The helper classes are
// one light fake registered for each test; the registry gets the library's
// classes back.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "Partition/FakeServices.h"
#include "Partition/StoredState.h"
#include "ZavU/IReconfigAssocInfo.h"
#include "support/Probe.h"

namespace {

using namespace ZoreTest;
using Held = CommonI::RefCountPtr<CitI::IInterface>;
using namespace Tcltask;

/// One fake class: objects it may still make (-1 without limit), and how
/// often it was asked.
struct FakeClass {
  int left = -1;
  int attempts = 0;
};
/// What the fake classes do, and what their objects saw.
struct TclSettings {
  FakeClass registry, value, collection, helper;
  bool collectionResults = true;
  bool resultAnswers = true;  // the result answers ITclCollectionResult
  Strings registered;
  CitI::IInterface* queried = nullptr;
  ZavU::IPartition* helperPartition = nullptr;
  CitI::IInterface* helperProject = nullptr;
} g_tcl;

/// A Tcl helper object of any kind: answers only the interface `role` it was
/// made for, and records what it was given.
class TclObject final : public ITclPropertyRegistry,
                        public ITclPropertyValue,
                        public ITclCollection,
                        public ITclCollectionResult,
                        public ZavU::IPartitionHelper,
                        public FakeServices::HeapCounted {
 public:
  explicit TclObject(const Port::XUID& role) : role(role) {}
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return As<ITclPropertyRegistry, ITclPropertyValue, ITclCollection, ITclCollectionResult,
              ZavU::IPartitionHelper>(iid);
  }
  template <class... I>
  CitI::IInterface* As(const Port::XUID& iid) {
    CitI::IInterface* found = nullptr;
    (void)((role == I::kIID && (found = AnswerAs<I>(this, iid))) || ...);
    return found;
  }
  CitI::Status RegisterProperty(const Port::StringBase& name) override {
    g_tcl.registered.push_back(name.str());
    return 1;
  }
  CitI::Status Query(CitI::IInterface* query) override {
    g_tcl.queried = query;
    return 7;  // whatever the registry answers goes back unchanged
  }
  CitI::Status SetString(const Port::StringBase& value) override { return Set("string", value); }
  CitI::Status SetBool(bool value) override { return Set("bool", value ? "1" : "0"); }
  CitI::Status SetCollection(CitI::IInterface*) override { return Set("collection", ""); }
  CitI::Status Set(const char* kind, const Port::StringBase& text) {
    shown = kind + (":" + text.str());
    return 1;
  }
  CitI::Status Add(UtilI::ITclCollectable*) override { return 1; }
  CitI::Status GetResult(CitI::IInterface*& out) override {
    const Port::XUID role =
        g_tcl.resultAnswers ? ITclCollectionResult::kIID : ITclPropertyValue::kIID;
    out =
        g_tcl.collectionResults ? static_cast<ITclCollectionResult*>(new TclObject(role)) : nullptr;
    return out ? 1 : 0;
  }
  Port::StringBase GetEffectiveTraitValue(const Port::StringBase& trait,
                                          ZavU::IPartition* partition,
                                          CitI::IInterface* project) override {
    g_tcl.helperPartition = partition;
    g_tcl.helperProject = project;
    return ("effective " + trait.str()).c_str();
  }

  Port::XUID role;
  std::string shown;  // "kind:text" of the last value set
};

/// Makes the fake of whichever class it is asked for, while that class may.
class TclFactory final : public CitI::IFactory, public FakeServices::StackCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return AnswerAs<CitI::IFactory>(this, iid);
  }
  CitI::IInterface* CreateInstance(const Port::XUID& classXuid) override {
    for (const auto& [cls, fake, role] : kClasses) {
      if (classXuid != Port::XUID(cls)) continue;
      ++fake->attempts;
      if (fake->left == 0) return nullptr;
      if (fake->left > 0) --fake->left;
      return static_cast<ITclPropertyValue*>(new TclObject(role));
    }
    return nullptr;
  }
  const std::tuple<Port::XuidWords, FakeClass*, Port::XUID> kClasses[4] = {
      {Xuids::Class_TclPropertyRegistry, &g_tcl.registry, ITclPropertyRegistry::kIID},
      {Xuids::Class_TclPropertyValue, &g_tcl.value, ITclPropertyValue::kIID},
      {Xuids::Class_TclCollection, &g_tcl.collection, ITclCollection::kIID},
      {Xuids::Class_PartitionHelper, &g_tcl.helper, ZavU::IPartitionHelper::kIID}};
};

class PartitionTclView : public FakeServices::FakeServicesTest {
 protected:
  void SetUp() override {
    FakeServicesTest::SetUp();
    g_tcl = TclSettings();
    for (const auto& row : factory.kClasses) {
      CitP::Factory::RegisterFactory(Port::XUID(std::get<0>(row)), &factory);
    }
    project.entry = static_cast<Dpm::IHDProjectData*>(&project);
  }
  void TearDown() override {
    FakeServices::RestoreRegistry();  // drops the fake Tcl classes
    FakeServicesTest::TearDown();
  }

  /// A partition "u1" under "top" as a project file may hold it, linked to
  /// the test's project.
  PartitionRef Linked() {
    PartitionRef p = NewPartition();
    StoredState state;
    state.name = "u1";
    state.hierarchicalName = "top/u1";
    state.traits = {{"preserve", "routing"}};
    state.LoadInto(p.get());
    LinkProject(p.get(), &project);
    return p;
  }

  TclFactory factory;
  FakeServices::Project project;
};

UtilI::ITclCollectable& View(const PartitionRef& p) {
  return *CitI::QueryAs<UtilI::ITclCollectable>(p.get());
}

/// The property's value object, held; empty when the request answers false.
Held Ask(const PartitionRef& p, const char* name) {
  CitI::IInterface* out = nullptr;
  const bool ok = View(p).GetPropertyValue(name, out);
  EXPECT_EQ(ok, out != nullptr) << name << ": an object exactly when the answer is true";
  return Held::Adopt(out);
}

const std::string& Seen(const Held& value) { return dynamic_cast<TclObject&>(*value.get()).shown; }

/// "kind:text" of what a property request set, or "refused".
std::string Shown(const PartitionRef& p, const char* name) {
  Held value = Ask(p, name);
  return value ? Seen(value) : "refused";
}

TEST_F(PartitionTclView, ValueObjectsAreReusedAndTheRegistryAnswersQueries) {
  PartitionRef p = NewPartition();
  p->SetHierarchicalName("u1");
  EXPECT_EQ(View(p).GetIdentifier().str(), "partition:u1");
  Port::StringBase name, type;
  EXPECT_EQ(View(p).GetName(name) + View(p).GetType(type), 2);
  EXPECT_EQ(name.str() + " " + type.str(), "u1 partition");
  EXPECT_EQ(View(p).IsReserved5() || View(p).IsReserved6(), false);
  EXPECT_EQ(View(p).GetReserved9(), -1) << "the reserved slots answer as nothing there";
  EXPECT_EQ(View(p).GetReserved10(), 0);
  EXPECT_FALSE(Ask(p, "name")) << "without a project nothing is produced";
  EXPECT_EQ(PartitionProbe(p).TclPropertyCount(), 13u) << "but the map is built";

  p = Linked();
  CapturingSink sink;
  EXPECT_EQ(Shown(p, "up_to_date_implementation"), "string:true");
  EXPECT_EQ(project.upToDateAsked, Strings{"u1/0"}) << "the simple name and the flag";
  EXPECT_EQ(sink.Texts(Port_Severity::Debug), Strings{"Reason : sources changed\n"});
  EXPECT_EQ(Shown(p, "preserve_effective"), "string:effective preserve");
  EXPECT_EQ(g_tcl.helperPartition, p.get());
  EXPECT_EQ(g_tcl.helperProject, static_cast<Dpm::IHDProjectData*>(&project));
  {
    Held first = Ask(p, "full_name");
    p->SetHierarchicalName("top/u2");
    Held second = Ask(p, "full_name");
    EXPECT_EQ(first.get(), second.get());
    EXPECT_EQ(Seen(first), "string:top/u2") << "the second request overwrote the value";
    EXPECT_EQ(RefCount(first.get()), 3) << "the partition's and the two requests'";
  }
  int query = 0;
  auto* marker = reinterpret_cast<CitI::IInterface*>(&query);
  EXPECT_EQ(View(p).QueryProperties(marker), 7);
  EXPECT_EQ(g_tcl.queried, marker);
  EXPECT_EQ(g_tcl.registry.attempts, 2) << "once for each partition";
  EXPECT_EQ(g_tcl.value.attempts, 26);
}

TEST_F(PartitionTclView, MissingServicesRefuseTheRequest) {
  PartitionRef p = Linked();
  EXPECT_EQ(Shown(p, "fleetmatch_effective"), "string:effective fleetmatch");
  struct Row {
    const char* property;
    std::function<void()> take;  // takes a service away
    int* attempts;               // of the class taken away, when counted
    int expectedAttempts;
  };
  const Row rows[] = {
      {"name", [&] { project.entry = nullptr; }, nullptr, 0},  // no entry for the partition
      {"up_to_date_synthesis", [&] { project.upToDate = false; }, nullptr, 0},
      {"children", [] { g_tcl.collectionResults = false; }, nullptr, 0},
      {"children", [] { g_tcl.resultAnswers = false; }, nullptr, 0},  // a result of another kind
      // The helper is tried again after loading its library; none is loaded
      // for collections.
      {"fleetmatch_effective", [] { g_tcl.helper.left = 0; }, &g_tcl.helper.attempts, 2},
      {"parent", [] { g_tcl.collection.left = 0; }, &g_tcl.collection.attempts, 1},
  };
  for (const Row& row : rows) {
    row.take();
    if (row.attempts) *row.attempts = 0;
    EXPECT_EQ(Shown(p, row.property), "refused") << row.property;
    if (row.attempts) {
      EXPECT_EQ(*row.attempts, row.expectedAttempts) << row.property;
    }
    project.entry = static_cast<Dpm::IHDProjectData*>(&project);  // all back for the next row
    project.upToDate = g_tcl.collectionResults = g_tcl.resultAnswers = true;
    g_tcl.helper.left = g_tcl.collection.left = -1;
  }
  EXPECT_EQ(Seen(Held(PartitionProbe(p).TclValue("fleetmatch_effective"))),
            "string:effective fleetmatch")
      << "a refused request leaves the value as it was";
}

TEST_F(PartitionTclView, MissingHelperClassesLeaveNoProperties) {
  PartitionRef p = Linked();
  g_tcl.registry.left = 0;
  EXPECT_EQ(Shown(p, "name"), "refused");
  EXPECT_EQ(View(p).QueryProperties(nullptr), 0);
  EXPECT_EQ(g_tcl.registry.attempts, 4) << "each call tries, loads the library and tries again";
  EXPECT_EQ(PartitionProbe(p).TclPropertyCount(), 0u);

  // The value class runs out after three objects: the fourth row is
  // registered, and it and every later row get no entry.
  g_tcl.registry.left = -1;
  g_tcl.value.left = 3;
  EXPECT_EQ(Shown(p, "preserve"), "string:routing");
  EXPECT_EQ(g_tcl.registered, (Strings{"name", "full_name", "preserve", "preserve_effective"}));
  EXPECT_EQ(g_tcl.value.attempts, 5);
  EXPECT_EQ(PartitionProbe(p).TclPropertyCount(), 3u);
  EXPECT_EQ(Shown(p, "preserve_effective"), "refused");
  EXPECT_EQ(g_tcl.registry.attempts, 5) << "the registry, once created, is kept";
}

}  // namespace
