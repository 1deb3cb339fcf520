// Which partition decides a partition's reconfigurable module (the
// association) along parent links the host never builds, and the answers
// about the module when the configuration cannot be found. The module names
// and locations a configuration gives, through the project's helper and
// through the repository, are checked with the host's own services in
// tests/designdata.
#include <gtest/gtest.h>

#include "Partition/FakeServices.h"
#include "Partition/StoredState.h"
#include "ZavU/IReconfigAssocInfo.h"
#include "ZavU/IXPartition.h"

namespace {

using namespace ZoreTest;
using ReconfigAssoc = FakeServices::FakeServicesTest;

/// A partition named `name` under `parent` (may be empty).
PartitionRef Make(const char* name, const PartitionRef& parent, bool reconfigurable = false) {
  PartitionRef p = NewPartition();
  StoredState state;
  state.name = state.hierarchicalName = name;
  state.reconfigurable = reconfigurable;
  state.LoadInto(p.get());
  LinkParent(p.get(), parent.get());
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

/// Module name and location, each as the text or "-" and what was left
/// after a false status.
std::string Module(const PartitionRef& p) {
  Port::StringBase name("stale"), location("stale");
  const bool named = Info(p)->GetReconfigModuleName(&name);
  const bool located = Info(p)->GetReconfigModuleProjectLocation(&location);
  return (named ? "" : "-") + name.str() + "|" + (located ? "" : "-") + location.str();
}

TEST_F(ReconfigAssoc, TheNearestReconfigurableAncestorOrTheBranchTopDecides) {
  PartitionRef root = Make("top", nullptr);
  root->SetRoot(true);
  PartitionRef a = Make("top/a", root, true);
  PartitionRef b = Make("top/a/b", a);
  PartitionRef d = Make("top/a/b/d", b);
  PartitionRef orphan = Make("lost", nullptr);
  // An ancestor's root flag does not stop the walk; only reconfigurable does.
  PartitionRef above = Make("above", nullptr, true);
  PartitionRef midRoot = Make("mid", above);
  midRoot->SetRoot(true);
  PartitionRef leaf = Make("mid/leaf", midRoot);
  const std::pair<const PartitionRef*, const char*> cases[] = {
      {&root, "top:S"},  // the root, though it has a reconfigurable child
      {&a, "top/a:R"},  {&d, "top/a:R"}, {&orphan, "lost:S"}, {&leaf, "above:R"},
  };
  for (auto [p, expected] : cases) EXPECT_EQ(Association(*p), expected);

  // Parent links that loop end the walk instead of hanging it.
  PartitionRef x = Make("x", nullptr);
  PartitionRef y = Make("y", x);
  LinkParent(x.get(), y.get());
  EXPECT_EQ(Association(x).substr(1), ":S");

  // An association replaces the one the caller held.
  const int before = RefCount(a.get());
  CitI::IInterface* assoc = nullptr;
  EXPECT_TRUE(Info(b)->GetReconfigAssociation(assoc));
  EXPECT_TRUE(Info(b)->GetReconfigAssociation(assoc));
  EXPECT_EQ(RefCount(a.get()), before + 1);
  CommonI::ReleaseFrom(assoc);
}

TEST_F(ReconfigAssoc, WithoutAConfigurationOnlyTheDescriptionNamesAModule) {
  FakeServices::Settings().currentProjectCreatable = true;
  PartitionRef p = Make("p", nullptr, true);
  EXPECT_EQ(Module(p), "-|-") << "no design project";
  FakeServices::Project project;  // without helper and repository services
  LinkProject(p.get(), &project);
  EXPECT_EQ(Module(p), "-|-/fake/project") << "false, with the design project's location";
  p.As<ZavU::IXPartition>()->SetXmlDefined(true);
  const int calls = FakeServices::Settings().currentProjectCalls;
  Port::StringBase name("stale");
  EXPECT_TRUE(Info(p)->GetReconfigModuleName(&name));
  EXPECT_EQ(name.str(), "") << "its own name, without asking any project";
  EXPECT_EQ(FakeServices::Settings().currentProjectCalls, calls);
  EXPECT_FALSE(Info(p)->GetReconfigModuleName(nullptr));
  EXPECT_FALSE(Info(p)->GetReconfigModuleProjectLocation(nullptr));
  LinkProject(p.get(), nullptr);
}

}  // namespace
