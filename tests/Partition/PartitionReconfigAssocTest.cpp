// Which partition decides a partition's reconfigurable module (the
// association), and the module's name and project location as the design
// project's configuration answers them, by both routes to the configuration.
#include <gtest/gtest.h>

#include "Partition/FakeConfiguration.h"
#include "Partition/StoredState.h"
#include "ZavU/IReconfigAssocInfo.h"
#include "ZavU/IXPartition.h"
#include "support/ZoreTest.h"

namespace {

using FakeConfiguration::ModuleObject;
using FakeConfiguration::Repository;
using PartitionRef = CommonI::RefCountPtr<ZavU::IPartition>;

class ReconfigAssoc : public FakeServices::FakeServicesTest {
 protected:
  void SetUp() override {
    FakeServicesTest::SetUp();
    FakeConfiguration::Install();
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
  Port::StringBase name("stale");
  EXPECT_TRUE(Info(p)->GetReconfigModuleName(&name));
  EXPECT_EQ(name.str(), "");
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
  FakeConfiguration::Element staticElement{true, &staticPR, &staticModule};
  FakeConfiguration::Element rpElement{false, &rpPR, &rpModule};
  FakeConfiguration::Configuration configuration;
  FakeConfiguration::Helper helper;
  FakeServices::Project project;

  ConfiguredProject() {
    staticProject.location = "/proj/static";
    staticModule.referenced = &staticProject;
    rpModule.location = "/proj/r";
    configuration.elements = {&staticElement, &rpElement};
    helper.configuration = static_cast<Dpm::IConfiguration*>(&configuration);
    project.helper = static_cast<Dpm::IProjectHelper*>(&helper);
  }
};

/// The module name, or "-" after a false status.
std::string ModuleName(const PartitionRef& p) {
  Port::StringBase out("stale");
  return Info(p)->GetReconfigModuleName(&out) ? out.str() : "-" + out.str();
}
/// The module project location, "-" first after a false status.
std::string Location(const PartitionRef& p) {
  Port::StringBase out("stale");
  return Info(p)->GetReconfigModuleProjectLocation(&out) ? out.str() : "-" + out.str();
}

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
  EXPECT_EQ(cp.helper.looked.front(), "Configuration");
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
  Repository().lookupCreatable = Repository().saverCreatable = true;
  Repository().configuration = static_cast<Dpm::IConfiguration*>(&cp.configuration);

  EXPECT_EQ(ModuleName(rp), "R");
  EXPECT_EQ(Repository().autonymNames, std::vector<std::string>{"/work/proj"});
  EXPECT_EQ(Repository().creates, 1);  // not known yet: created
  EXPECT_EQ(Repository().savedFrom,
            std::vector<CitI::IInterface*>{FakeConfiguration::TheRepository()});
  Repository().repositoryExists = true;
  EXPECT_EQ(ModuleName(rp), "R");
  EXPECT_EQ(Repository().creates, 1);
  // No repository service: the saver is asked with no repository.
  Repository().lookupCreatable = false;
  EXPECT_EQ(ModuleName(rp), "R");
  EXPECT_EQ(Repository().savedFrom.back(), nullptr);
  // No saver (its library cannot be loaded either): no module.
  Repository().saverCreatable = false;
  EXPECT_EQ(ModuleName(rp), "-");
  EXPECT_EQ(ZoreTest::RefCount(FakeConfiguration::TheRepository()), 0);
  // No design project at all: no module, no location.
  ZoreTest::LinkProject(rp.get(), nullptr);
  Repository().saverCreatable = true;
  EXPECT_EQ(ModuleName(rp) + Location(rp), "--");
}

}  // namespace
