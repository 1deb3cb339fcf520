// Which partition decides a partition's reconfigurable module (the
// association), and the module's name and project location as the design
// project's configuration answers them, through the project's helper or
// through the autonym services of the repository at its location.
#include <gtest/gtest.h>

#include "CitP/Factory.h"
#include "Dpm/IConfiguration.h"
#include "Partition/FakeServices.h"
#include "Partition/StoredState.h"
#include "Prjrep/IAutonym.h"
#include "ZavU/IReconfigAssocInfo.h"
#include "ZavU/IXPartition.h"

namespace {

using FakeServices::Answer;
using FakeServices::HandOut;
using FakeServices::StackCounted;
using PartitionRef = CommonI::RefCountPtr<ZavU::IPartition>;
using ZoreTest::AnswerAs;

/// A module object: always named; a project itself, or a reference to one.
struct ModuleObject final : Prjrep::IName, Dpm::IProject, Dpm::IProjectCompReference, StackCounted {
  enum Kind { kNameOnly, kProject, kReference };
  ModuleObject(std::string name, Kind kind) : name(std::move(name)), kind(kind) {}
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    if (iid == Dpm::IProject::kIID && kind == kProject) return static_cast<Dpm::IProject*>(this);
    if (iid == Dpm::IProjectCompReference::kIID && kind == kReference) {
      return static_cast<Dpm::IProjectCompReference*>(this);
    }
    return AnswerAs<Prjrep::IName>(this, iid);
  }
  CitI::Status SetName(const Port::StringBase& n) override { return Answer(name, n.str()); }
  CitI::Status GetName(Port::StringBase& out) override { return Answer(out, name.c_str()); }
  CitI::Status GetLocation(Port::StringBase& out) override { return Answer(out, location.c_str()); }
  CitI::Status GetProject(Dpm::IProject*& out) override { return HandOut(out, referenced); }

  std::string name;
  Kind kind;
  std::string location;                 // as a project
  Dpm::IProject* referenced = nullptr;  // as a reference
};

/// A project's design data: its own helper, the configuration it holds
/// under "Configuration", and that configuration's elements, walked in place
/// (the iterator answers for the current element itself).
struct DesignData final : Dpm::IProjectHelper,
                          IDesignDataLookup,
                          Dpm::IConfiguration,
                          Dpm::IConfigurationElementIterator,
                          Dpm::IConfigurationElement,
                          StackCounted {
  struct Element {
    bool isStatic;
    FakeServices::Module* prModule;
    ModuleObject* module;
  };
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    if (iid == IDesignDataLookup::kIID) return static_cast<IDesignDataLookup*>(this);
    if (iid == Dpm::IConfiguration::kIID) return static_cast<Dpm::IConfiguration*>(this);
    if (iid == Dpm::IConfigurationElementIterator::kIID) {
      return static_cast<Dpm::IConfigurationElementIterator*>(this);
    }
    return AnswerAs<Dpm::IProjectHelper>(this, iid);
  }
  CitI::Status GetDesignData(CitI::IInterface*& out) override {
    return HandOut(out, static_cast<IDesignDataLookup*>(this));
  }
  CitI::Status Lookup(const Port::StringBase& name, CitI::IInterface*& out) override {
    looked.push_back(name.str());
    return HandOut(out, name.str() == "Configuration" ? Configuration() : nullptr);
  }
  CitI::IInterface* Configuration() { return static_cast<Dpm::IConfiguration*>(this); }
  CitI::Status GetElements(Dpm::IConfigurationElementIterator*& out) override {
    return HandOut(out, static_cast<Dpm::IConfigurationElementIterator*>(this));
  }
  Dpm::IConfigurationElement* GetCurrent() override { return this; }
  CitI::Status First() override { return Answer(at, 0u); }
  CitI::Status Next() override { return Answer(at, at + 1); }
  bool IsDone() override { return at >= elements.size(); }
  CitI::Status GetStaticLogic(bool& out) override { return Answer(out, elements[at].isStatic); }
  CitI::Status GetPRModule(Dpm::IPRModule*& out) override {
    return HandOut(out, elements[at].prModule);
  }
  CitI::Status GetModule(CitI::IInterface*& out) override {
    return HandOut(out, static_cast<Prjrep::IName*>(elements[at].module));
  }

  std::vector<Element> elements;
  std::size_t at = 0;
  std::vector<std::string> looked;  // names asked of the design data
};

/// What the registered autonym services do; reset before every test.
struct RepositorySettings {
  bool lookupCreatable = false;
  bool saverCreatable = false;
  bool repositoryExists = false;              // the lookup finds it; else only Create yields it
  CitI::IInterface* configuration = nullptr;  // what the saver yields
  std::vector<std::string> autonymNames;      // names given to autonyms
  int creates = 0;                            // repositories created by the lookup
  std::vector<CitI::IInterface*> savedFrom;   // repositories passed to the saver
} g_repository;

struct RepositoryObject final : Prjrep::IProjectRepository, StackCounted {
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return AnswerAs<Prjrep::IProjectRepository>(this, iid);
  }
};
/// The one repository the lookup hands out; lives for the process.
CitI::IInterface* const g_theRepository =
    static_cast<Prjrep::IProjectRepository*>(new RepositoryObject());

/// One of the three autonym services, as the class it was made for: an
/// autonym, the repository lookup, or the saver that reads a repository's
/// configuration.
struct AutonymService final : Prjrep::IAutonym,
                              Prjrep::IName,
                              Prjrep::IAutonymLookup,
                              Prjrep::ISaveAutonym,
                              ZoreTest::SelfCounted {
  explicit AutonymService(const Port::XUID& role) : role(role) {}
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    if (role == Port::XUID(Xuids::Class_AutonymLookup)) {
      return AnswerAs<Prjrep::IAutonymLookup>(this, iid);
    }
    if (role == Port::XUID(Xuids::Class_AutonymSaver)) {
      return AnswerAs<Prjrep::ISaveAutonym>(this, iid);
    }
    if (iid == Prjrep::IName::kIID) return static_cast<Prjrep::IName*>(this);
    return AnswerAs<Prjrep::IAutonym>(this, iid);
  }
  CitI::Status SetName(const Port::StringBase& name) override {
    g_repository.autonymNames.push_back(name.str());
    return 1;
  }
  CitI::Status GetName(Port::StringBase&) override { return 0; }
  CitI::Status Find(Prjrep::IAutonym*, CitI::IInterface*& out) override {
    return HandOut(out, g_repository.repositoryExists ? g_theRepository : nullptr);
  }
  CitI::Status Create(Prjrep::IAutonym*, CitI::IInterface*, CitI::IInterface*& out) override {
    ++g_repository.creates;
    return HandOut(out, g_theRepository);
  }
  CitI::Status GetConfiguration(CitI::IInterface* repository, CitI::IInterface*& out) override {
    g_repository.savedFrom.push_back(repository);
    return HandOut(out, g_repository.configuration);
  }
  Port::XUID role;
};

struct AutonymFactory final : CitI::IFactory, ZoreTest::SelfCounted {
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return AnswerAs<CitI::IFactory>(this, iid);
  }
  CitI::IInterface* CreateInstance(const Port::XUID& role) override {
    const bool creatable =
        role == Port::XUID(Xuids::Class_Autonym) ||
        (role == Port::XUID(Xuids::Class_AutonymLookup) && g_repository.lookupCreatable) ||
        (role == Port::XUID(Xuids::Class_AutonymSaver) && g_repository.saverCreatable);
    return creatable ? static_cast<Prjrep::IAutonym*>(new AutonymService(role)) : nullptr;
  }
};

class ReconfigAssoc : public FakeServices::FakeServicesTest {
 protected:
  void SetUp() override {
    FakeServicesTest::SetUp();
    g_repository = RepositorySettings();
    if (CitP::Factory::IsRegistered(Port::XUID(Xuids::Class_Autonym))) return;
    auto* factory = new AutonymFactory();
    for (Port::XuidWords cls :
         {Xuids::Class_Autonym, Xuids::Class_AutonymLookup, Xuids::Class_AutonymSaver}) {
      CitP::Factory::RegisterFactory(Port::XUID(cls), factory);
    }
    factory->Release();  // the registry holds it now
  }
};

/// A partition named `name` under `parent` (may be empty).
PartitionRef Make(const char* name, const PartitionRef& parent, bool reconfigurable = false) {
  PartitionRef p = ZoreTest::NewPartition();
  ZoreTest::StoredState state;
  state.name = state.hierarchicalName = name;
  state.reconfigurable = reconfigurable;
  state.LoadInto(p.get());
  ZoreTest::LinkParent(p.get(), parent.get());
  return p;
}

ZavU::IReconfigAssocInfo* Info(const PartitionRef& p) {
  return CitI::QueryAs<ZavU::IReconfigAssocInfo>(p.get());
}

/// The association partition's hierarchical name, and whether it is
/// reconfigurable logic, as "name:R" or "name:S".
std::string Association(const PartitionRef& p) {
  CitI::IInterface* assoc = nullptr;
  Info(p)->GetReconfigAssociation(assoc);
  auto held = CommonI::RefCountPtr<CitI::IInterface>::Adopt(assoc);
  auto* partition = CitI::QueryAs<ZavU::IPartition>(held.get());
  std::string name = partition ? partition->GetHierarchicalName().str() : "<none>";
  EXPECT_NE(Info(p)->IsReconfigurableLogic(), Info(p)->IsStaticLogic());
  return name + (Info(p)->IsReconfigurableLogic() ? ":R" : ":S");
}

/// The module name, or "-" and what was left after a false status.
std::string ModuleName(const PartitionRef& p) {
  Port::StringBase out("stale");
  return Info(p)->GetReconfigModuleName(&out) ? out.str() : "-" + out.str();
}
/// The module project location, likewise.
std::string Location(const PartitionRef& p) {
  Port::StringBase out("stale");
  return Info(p)->GetReconfigModuleProjectLocation(&out) ? out.str() : "-" + out.str();
}

TEST_F(ReconfigAssoc, TheNearestReconfigurableAncestorOrTheBranchTopDecides) {
  PartitionRef root = Make("top", nullptr);
  root->SetRoot(true);
  PartitionRef a = Make("top/a", root, true);
  PartitionRef b = Make("top/a/b", a);
  PartitionRef d = Make("top/a/b/d", b);
  PartitionRef s = Make("top/s", root);
  PartitionRef orphan = Make("lost", nullptr);
  // An ancestor's root flag does not stop the walk; only reconfigurable does.
  PartitionRef above = Make("above", nullptr, true);
  PartitionRef midRoot = Make("mid", above);
  midRoot->SetRoot(true);
  PartitionRef leaf = Make("mid/leaf", midRoot);
  const std::pair<const PartitionRef*, const char*> cases[] = {
      {&root, "top:S"},  // the root, though it has a reconfigurable child
      {&a, "top/a:R"},  {&b, "top/a:R"},     {&d, "top/a:R"},
      {&s, "top:S"},    {&orphan, "lost:S"}, {&leaf, "above:R"},
  };
  for (auto [p, expected] : cases) EXPECT_EQ(Association(*p), expected);

  // Parent links that loop end the walk instead of hanging it.
  PartitionRef x = Make("x", nullptr);
  PartitionRef y = Make("y", x);
  ZoreTest::LinkParent(x.get(), y.get());
  EXPECT_EQ(Association(x).substr(1), ":S");

  // An association replaces the one the caller held.
  const int before = ZoreTest::RefCount(a.get());
  CitI::IInterface* assoc = nullptr;
  EXPECT_TRUE(Info(b)->GetReconfigAssociation(assoc));
  EXPECT_TRUE(Info(b)->GetReconfigAssociation(assoc));
  EXPECT_EQ(ZoreTest::RefCount(a.get()), before + 1);
  CommonI::ReleaseFrom(assoc);
}

TEST_F(ReconfigAssoc, APartitionFromTheDescriptionNamesItsOwnModule) {
  FakeServices::Settings().currentProjectCreatable = true;
  PartitionRef p = Make("p", nullptr, true);
  p.As<ZavU::IXPartition>()->SetXmlDefined(true);
  EXPECT_EQ(ModuleName(p), "");
  EXPECT_EQ(FakeServices::Settings().currentProjectCalls, 0);
  EXPECT_FALSE(Info(p)->GetReconfigModuleName(nullptr));
  EXPECT_FALSE(Info(p)->GetReconfigModuleProjectLocation(nullptr));
}

/// A design project whose helper leads to a configuration of two elements:
/// static logic first, then the reconfigurable partition "top/rp".
struct ConfiguredProject {
  ModuleObject staticProject{"static-impl", ModuleObject::kProject};
  ModuleObject staticModule{"S", ModuleObject::kReference};
  ModuleObject rpModule{"R", ModuleObject::kProject};
  FakeServices::Module staticPR{"static"};
  FakeServices::Module rpPR{"top/rp"};
  DesignData data;
  FakeServices::Project project;

  ConfiguredProject() {
    staticProject.location = "/proj/static";
    staticModule.referenced = &staticProject;
    rpModule.location = "/proj/r";
    data.elements = {{true, &staticPR, &staticModule}, {false, &rpPR, &rpModule}};
    project.helper = static_cast<Dpm::IProjectHelper*>(&data);
  }
};

TEST_F(ReconfigAssoc, TheConfigurationGivesModuleAndProjectThroughTheHelper) {
  ConfiguredProject cp;
  PartitionRef root = Make("top", nullptr);
  root->SetRoot(true);
  PartitionRef rp = Make("top/rp", root, true);
  PartitionRef inner = Make("top/rp/inner", rp);
  PartitionRef stat = Make("top/s", root);
  for (const PartitionRef& p : {root, rp, inner, stat}) ZoreTest::LinkProject(p.get(), &cp.project);

  EXPECT_EQ(ModuleName(inner) + Location(inner), "R/proj/r");
  EXPECT_EQ(ModuleName(stat) + Location(stat), "S/proj/static");  // through the reference
  EXPECT_EQ(cp.data.looked.front(), "Configuration");
  // A module object that is no project: the design project's location, false.
  cp.rpModule.kind = ModuleObject::kNameOnly;
  EXPECT_EQ(Location(rp), "-/fake/project");
  // Names differing only in case do not match: no module for the
  // reconfigurable partition, which is not static logic either.
  cp.rpPR.name = "TOP/RP";
  EXPECT_EQ(ModuleName(inner) + Location(inner), "--/fake/project");
  EXPECT_EQ(ModuleName(stat), "S");
  // An element marked static is still taken by its name for a
  // reconfigurable association partition.
  cp.staticPR.name = "top/rp";
  EXPECT_EQ(ModuleName(inner), "S");
}

TEST_F(ReconfigAssoc, WithoutAHelperTheRepositoryAtTheProjectLocationIsAsked) {
  ConfiguredProject cp;
  cp.project.helper = nullptr;
  cp.project.location = "/work/proj";
  PartitionRef rp = Make("top/rp", nullptr, true);
  ZoreTest::LinkProject(rp.get(), &cp.project);
  g_repository.lookupCreatable = g_repository.saverCreatable = true;
  g_repository.configuration = cp.data.Configuration();

  EXPECT_EQ(ModuleName(rp), "R");
  EXPECT_EQ(g_repository.autonymNames, std::vector<std::string>{"/work/proj"});
  EXPECT_EQ(g_repository.creates, 1);  // not known yet: created
  EXPECT_EQ(g_repository.savedFrom, std::vector<CitI::IInterface*>{g_theRepository});
  g_repository.repositoryExists = true;
  EXPECT_EQ(ModuleName(rp), "R");
  EXPECT_EQ(g_repository.creates, 1);
  // No repository service: the saver is asked with no repository.
  g_repository.lookupCreatable = false;
  EXPECT_EQ(ModuleName(rp), "R");
  EXPECT_EQ(g_repository.savedFrom.back(), nullptr);
  // No saver (its library cannot be loaded either): no module.
  g_repository.saverCreatable = false;
  EXPECT_EQ(ModuleName(rp), "-");
  EXPECT_EQ(ZoreTest::RefCount(g_theRepository), 0);
  // No design project at all: no module, no location.
  ZoreTest::LinkProject(rp.get(), nullptr);
  g_repository.saverCreatable = true;
  EXPECT_EQ(ModuleName(rp) + Location(rp), "--");
}

}  // namespace
