// The partition as a Tcl collectable object: its identifier, the property
// map built on the first request, what each property sets on its value
// object, and the answers when the Tcl helpers, the partition helper or the
// project's services are missing. The Tcl helper classes and the partition
// helper are light fakes registered for each test; the registry gets the
// library's own classes back afterwards.
#include <gtest/gtest.h>

#include "Partition/FakeServices.h"
#include "Partition/StoredState.h"
#include "ZavU/IReconfigAssocInfo.h"
#include "support/FakeAnswer.h"
#include "support/Probe.h"
#include "support/SelfCounted.h"
#include "support/ZoreTest.h"

namespace {

using ZoreTest::NewPartition;
using PartitionRef = CommonI::RefCountPtr<ZavU::IPartition>;
using Strings = std::vector<std::string>;

/// What the fake Tcl helper and partition helper classes do, and what they saw.
struct TclSettings {
  bool registryCreatable = true;
  int valuesLeft = -1;  // value objects still creatable; -1 without limit
  bool collectionCreatable = true;
  bool collectionResults = true;
  bool helperCreatable = true;
  int registryAttempts = 0;
  int valueAttempts = 0;
  int collectionAttempts = 0;
  int helperAttempts = 0;
  Strings registered;
  CitI::IInterface* queried = nullptr;
  ZavU::IPartition* helperPartition = nullptr;
  CitI::IInterface* helperProject = nullptr;
};
TclSettings g_tcl;
int g_liveFakes = 0;

/// A heap fake standing for interface I, freed by its last reference and
/// counted while alive.
template <class I>
class Fake : public I, public ZoreTest::SelfCounted {
 public:
  Fake() { ++g_liveFakes; }
  ~Fake() override { --g_liveFakes; }
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return ZoreTest::AnswerAs<I>(this, iid);
  }
};

class Registry final : public Fake<Tcltask::ITclPropertyRegistry> {
 public:
  CitI::Status RegisterProperty(const Port::StringBase& name) override {
    g_tcl.registered.push_back(name.str());
    return 1;
  }
  CitI::Status Query(CitI::IInterface* query) override {
    g_tcl.queried = query;
    return 7;  // whatever the registry answers goes back unchanged
  }
};

struct Result final : public Fake<Tcltask::ITclCollectionResult> {
  explicit Result(Strings members) : members(std::move(members)) {}
  Strings members;
};

/// Records the last value set, by kind.
class Value final : public Fake<Tcltask::ITclPropertyValue> {
 public:
  CitI::Status SetString(const Port::StringBase& value) override {
    return Set("string", value.str());
  }
  CitI::Status SetBool(bool value) override { return Set("bool", value ? "1" : "0"); }
  CitI::Status SetCollection(CitI::IInterface* result) override {
    members = dynamic_cast<Result&>(*result).members;
    return Set("collection", "");
  }
  CitI::Status Set(const char* k, const std::string& t) {
    kind = k;
    text = t;
    return 1;
  }
  std::string kind;
  std::string text;
  Strings members;
};

/// Collects the identifiers of its members.
class Collection final : public Fake<Tcltask::ITclCollection> {
 public:
  CitI::Status Add(UtilI::ITclCollectable* member) override {
    m_members.push_back(member->GetIdentifier().str());
    return 1;
  }
  CitI::Status GetResult(CitI::IInterface*& out) override {
    out = g_tcl.collectionResults
              ? static_cast<Tcltask::ITclCollectionResult*>(new Result(m_members))
              : nullptr;
    return out ? 1 : 0;
  }

 private:
  Strings m_members;
};

class PartitionHelper final : public Fake<ZavU::IPartitionHelper> {
 public:
  Port::StringBase GetEffectiveTraitValue(const Port::StringBase& trait,
                                          ZavU::IPartition* partition,
                                          CitI::IInterface* project) override {
    g_tcl.helperPartition = partition;
    g_tcl.helperProject = project;
    return ("effective " + trait.str()).c_str();
  }
};

/// Makes whichever fake the settings allow, as a registry would.
class TclFactory final : public CitI::IFactory, public FakeServices::StackCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return ZoreTest::AnswerAs<CitI::IFactory>(this, iid);
  }
  CitI::IInterface* CreateInstance(const Port::XUID& classXuid) override {
    if (classXuid == Port::XUID(Xuids::Class_TclPropertyRegistry)) {
      ++g_tcl.registryAttempts;
      return g_tcl.registryCreatable ? static_cast<Tcltask::ITclPropertyRegistry*>(new Registry)
                                     : nullptr;
    }
    if (classXuid == Port::XUID(Xuids::Class_TclPropertyValue)) {
      ++g_tcl.valueAttempts;
      if (g_tcl.valuesLeft == 0) return nullptr;
      if (g_tcl.valuesLeft > 0) --g_tcl.valuesLeft;
      return static_cast<Tcltask::ITclPropertyValue*>(new Value);
    }
    if (classXuid == Port::XUID(Xuids::Class_TclCollection)) {
      ++g_tcl.collectionAttempts;
      return g_tcl.collectionCreatable ? static_cast<Tcltask::ITclCollection*>(new Collection)
                                       : nullptr;
    }
    if (classXuid == Port::XUID(Xuids::Class_PartitionHelper)) {
      ++g_tcl.helperAttempts;
      return g_tcl.helperCreatable ? static_cast<ZavU::IPartitionHelper*>(new PartitionHelper)
                                   : nullptr;
    }
    return nullptr;
  }
};

/// A project with entries, an up-to-date query and children.
class Project final : public Dpm::IHDProject,
                      public Dpm::IUpToDate,
                      public Dpm::IHDProjectData,
                      public FakeServices::StackCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    if (iid == Dpm::IUpToDate::kIID) {
      return answersUpToDate ? static_cast<Dpm::IUpToDate*>(this) : nullptr;
    }
    if (iid == Dpm::IHDProjectData::kIID) return static_cast<Dpm::IHDProjectData*>(this);
    if (iid == Dpm::IHDProject::kIID || iid == CitI::IInterface::kIID) {
      return static_cast<Dpm::IHDProject*>(this);
    }
    if (iid == CommonI::IRefCount::kIID) return static_cast<CommonI::IRefCount*>(this);
    if (iid == Prjrep::IRefCount::kIID) return static_cast<Prjrep::IRefCount*>(this);
    return nullptr;
  }
  Port::StringBase GetLocation() override { return "/fake/project"; }
  CitI::IInterface* GetHelper() override { return nullptr; }
  CitI::Status GetPartitionEntry(CitI::IInterface*& out, const Port::StringBase& name) override {
    entriesAsked.push_back(name.str());
    // Only the entry's presence matters: any counted fake will do.
    out = hasEntry ? static_cast<Tcltask::ITclCollectionResult*>(new Result({})) : nullptr;
    return out ? 1 : 0;
  }
  CitI::Status GetPartitions(Dpm::IPartitionIterator*& out) override {
    out = nullptr;
    return 0;
  }
  CitI::Status GetParentPartition(ZavU::IPartition*& out, ZavU::IPartition*) override {
    out = nullptr;
    return 1;
  }
  CitI::Status GetChildPartitions(Dpm::IPartitionIterator*& out,
                                  ZavU::IPartition* partition) override {
    childrenAskedFor = partition;
    out = FakeServices::NewPartitionIterator(children);
    return 1;
  }
  std::int32_t IsUpToDate(const Port::StringBase& name, std::int32_t synthesis,
                          Port::StringBase& reason) override {
    upToDateAsked.push_back(name.str() + "/" + std::to_string(synthesis));
    reason = "sources changed";
    return upToDateStatus;
  }

  bool hasEntry = true;
  bool answersUpToDate = true;
  std::int32_t upToDateStatus = 2;
  std::vector<PartitionRef> children;
  Strings entriesAsked;
  Strings upToDateAsked;
  ZavU::IPartition* childrenAskedFor = nullptr;
};

class PartitionTclView : public FakeServices::FakeServicesTest {
 protected:
  void SetUp() override {
    FakeServicesTest::SetUp();
    g_tcl = TclSettings();
    for (Port::XuidWords cls : {Xuids::Class_TclPropertyRegistry, Xuids::Class_TclPropertyValue,
                                Xuids::Class_TclCollection, Xuids::Class_PartitionHelper}) {
      CitP::Factory::RegisterFactory(Port::XUID(cls), &factory);
    }
  }
  void TearDown() override {
    FakeServices::RestoreRegistry();  // drops the fake Tcl classes
    EXPECT_EQ(g_liveFakes, 0) << "a fake Tcl object leaked";
    EXPECT_EQ(FakeServices::LiveFakes(), 0) << "a fake enumeration leaked";
    FakeServicesTest::TearDown();
  }

  /// A partition "u1" under "top", linked to the test's project.
  PartitionRef Linked() {
    PartitionRef p = NewPartition();
    ZoreTest::StoredState state;
    state.name = "u1";
    state.hierarchicalName = "top/u1";
    state.LoadInto(p.get());
    ZoreTest::LinkProject(p.get(), &project);
    return p;
  }

  TclFactory factory;
  Project project;
};

UtilI::ITclCollectable& View(const PartitionRef& p) {
  return *CitI::QueryAs<UtilI::ITclCollectable>(p.get());
}

/// The property's value object, held; empty when the request answers false.
CommonI::RefCountPtr<CitI::IInterface> Ask(const PartitionRef& p, const char* name) {
  CitI::IInterface* out = nullptr;
  const bool ok = View(p).GetPropertyValue(name, out);
  auto held = CommonI::RefCountPtr<CitI::IInterface>::Adopt(out);
  EXPECT_EQ(ok, out != nullptr) << name << ": an object exactly when the answer is true";
  return held;
}

const Value& Seen(const CommonI::RefCountPtr<CitI::IInterface>& value) {
  return dynamic_cast<const Value&>(*value.get());
}

/// "kind:text" of what a property request set, or "refused".
std::string Shown(const PartitionRef& p, const char* name) {
  auto value = Ask(p, name);
  return value ? Seen(value).kind + ":" + Seen(value).text : "refused";
}

TEST_F(PartitionTclView, PropertiesAreBuiltOnceAndHandOutOneValueObjectEach) {
  PartitionRef p = NewPartition();
  p->SetHierarchicalName("u1");
  EXPECT_EQ(View(p).GetIdentifier().str(), "partition:u1");

  // Without a project nothing is produced, but the map is built already.
  EXPECT_FALSE(Ask(p, "name"));
  EXPECT_EQ(g_tcl.registered,
            (Strings{"name", "full_name", "preserve", "preserve_effective", "up_to_date_synthesis",
                     "up_to_date_implementation", "parent", "children", "reconfigurable",
                     "dependency_management_mode", "dependency_management_mode_effective",
                     "fleetmatch", "fleetmatch_effective"}));
  EXPECT_EQ(ZoreTest::PartitionProbe(p).TclPropertyCount(), 13u);

  ZoreTest::StoredState state;  // values as a project file may hold them
  state.name = "u1";
  state.hierarchicalName = "top/u1";
  state.reconfigurable = true;
  state.traits = {
      {"dependency_management_mode", "strict"}, {"fleetmatch", "yes"}, {"preserve", "routing"}};
  state.LoadInto(p.get());
  ZoreTest::LinkProject(p.get(), &project);
  project.hasEntry = false;
  EXPECT_EQ(Shown(p, "name"), "refused") << "no project entry for the partition";
  project.hasEntry = true;

  EXPECT_EQ(Shown(p, "name"), "string:u1");
  EXPECT_EQ(Shown(p, "full_name"), "string:top/u1");
  EXPECT_EQ(Shown(p, "preserve"), "string:routing");
  EXPECT_EQ(Shown(p, "dependency_management_mode"), "string:strict");
  EXPECT_EQ(Shown(p, "fleetmatch"), "string:yes");
  EXPECT_EQ(Shown(p, "reconfigurable"), "bool:1");
  p->SetReconfigurable(false);
  EXPECT_EQ(Shown(p, "reconfigurable"), "bool:0");
  EXPECT_EQ(project.entriesAsked.back(), "top/u1");

  for (const char* name : {"guide", "Name", "bogus", ""}) {
    EXPECT_EQ(Shown(p, name), "refused") << name;
  }

  {
    auto first = Ask(p, "full_name");
    p->SetHierarchicalName("top/u2");
    auto second = Ask(p, "full_name");
    EXPECT_EQ(first.get(), second.get());
    EXPECT_EQ(Seen(first).text, "top/u2") << "the second request overwrote the value";
    EXPECT_EQ(ZoreTest::RefCount(first.get()), 3) << "the partition's and the two requests'";
  }

  int query = 0;
  auto* marker = reinterpret_cast<CitI::IInterface*>(&query);
  EXPECT_EQ(View(p).QueryProperties(marker), 7);
  EXPECT_EQ(g_tcl.queried, marker);
  EXPECT_EQ(g_tcl.registryAttempts, 1);
  EXPECT_EQ(g_tcl.valueAttempts, 13);
}

TEST_F(PartitionTclView, EffectiveValuesComeFromThePartitionHelper) {
  PartitionRef p = Linked();
  EXPECT_EQ(Shown(p, "preserve_effective"), "string:effective preserve");
  EXPECT_EQ(g_tcl.helperPartition, p.get());
  EXPECT_EQ(g_tcl.helperProject, static_cast<Dpm::IHDProjectData*>(&project));
  EXPECT_EQ(Shown(p, "dependency_management_mode_effective"),
            "string:effective dependency_management_mode");
  EXPECT_EQ(Shown(p, "fleetmatch_effective"), "string:effective fleetmatch");

  // Without the helper the request fails and the value keeps its text.
  g_tcl.helperCreatable = false;
  g_tcl.helperAttempts = 0;
  EXPECT_EQ(Shown(p, "fleetmatch_effective"), "refused");
  EXPECT_EQ(g_tcl.helperAttempts, 2) << "tried again after loading the helper's library";
  EXPECT_EQ(Seen(CommonI::RefCountPtr<CitI::IInterface>(
                     ZoreTest::PartitionProbe(p).TclValue("fleetmatch_effective")))
                .text,
            "effective fleetmatch");
}

TEST_F(PartitionTclView, UpToDateStatesAreStringsAndTraceTheReason) {
  PartitionRef p = Linked();
  ZoreTest::CapturingSink sink;
  EXPECT_EQ(Shown(p, "up_to_date_synthesis"), "string:true");
  project.upToDateStatus = 1;
  EXPECT_EQ(Shown(p, "up_to_date_implementation"), "string:false");
  EXPECT_EQ(project.upToDateAsked, (Strings{"u1/1", "u1/0"})) << "the simple name and the flag";
  EXPECT_EQ(sink.Texts(Port_Severity::Debug),
            (Strings{"Reason : sources changed\n", "Reason : sources changed\n"}));
  EXPECT_TRUE(sink.All().empty());

  project.answersUpToDate = false;
  EXPECT_EQ(Shown(p, "up_to_date_synthesis"), "refused");
}

TEST_F(PartitionTclView, ParentAndChildrenAreCollectionsOfCollectables) {
  PartitionRef p = Linked();
  auto members = [&](const char* name) {
    auto value = Ask(p, name);
    EXPECT_TRUE(value && Seen(value).kind == "collection") << name;
    return value ? Seen(value).members : Strings{"refused"};
  };
  EXPECT_EQ(members("parent"), Strings{}) << "no parent: an empty collection";

  PartitionRef top = NewPartition();
  top->SetHierarchicalName("top");
  ZoreTest::LinkParent(p.get(), top.get());
  EXPECT_EQ(members("parent"), Strings{"partition:top"});

  EXPECT_EQ(members("children"), Strings{});
  for (const char* name : {"top/u1/a", "top/u1/b"}) {
    project.children.push_back(NewPartition());
    project.children.back()->SetHierarchicalName(name);
  }
  EXPECT_EQ(members("children"), (Strings{"partition:top/u1/a", "partition:top/u1/b"}));
  EXPECT_EQ(project.childrenAskedFor, p.get());
  project.children.clear();

  g_tcl.collectionResults = false;
  EXPECT_EQ(Shown(p, "children"), "refused");
  g_tcl.collectionResults = true;
  g_tcl.collectionCreatable = false;
  g_tcl.collectionAttempts = 0;
  EXPECT_EQ(Shown(p, "parent"), "refused");
  EXPECT_EQ(g_tcl.collectionAttempts, 1) << "no library is loaded for collections";
}

TEST_F(PartitionTclView, MissingHelperClassesLeaveNoProperties) {
  PartitionRef p = Linked();
  g_tcl.registryCreatable = false;
  EXPECT_EQ(Shown(p, "name"), "refused");
  EXPECT_EQ(View(p).QueryProperties(nullptr), 0);
  EXPECT_EQ(g_tcl.registryAttempts, 4) << "each call tries, loads the library and tries again";
  EXPECT_EQ(ZoreTest::PartitionProbe(p).TclPropertyCount(), 0u);

  // The value class runs out after three objects: the fourth row is
  // registered, and it and every later row get no entry.
  g_tcl.registryCreatable = true;
  g_tcl.valuesLeft = 3;
  ASSERT_EQ(p->SetTrait("preserve", "routing", true), 1);
  EXPECT_EQ(Shown(p, "preserve"), "string:routing");
  EXPECT_EQ(g_tcl.registered, (Strings{"name", "full_name", "preserve", "preserve_effective"}));
  EXPECT_EQ(g_tcl.valueAttempts, 5);
  EXPECT_EQ(ZoreTest::PartitionProbe(p).TclPropertyCount(), 3u);
  EXPECT_EQ(Shown(p, "preserve_effective"), "refused");
  EXPECT_EQ(g_tcl.registryAttempts, 5) << "the registry, once created, is kept";
}

}  // namespace
