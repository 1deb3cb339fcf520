// The host's design project and its services as the partition library meets
// them: adding and linking partitions, the order of its enumerations, its flow
// rule, a partition that outlives it, the current-project service, the
// solution helper with its module manager, the partition helper's effective
// traits, and the naming service's files.
#include "CitP/Factory.h"
#include "HostTest.h"
#include "ZavU/IReconfigAssocInfo.h"
#include "project/Naming.h"
#include "project/PRSolution.h"

namespace {

using namespace HostTest;

class DesignProjectTest : public HostProjectTest {};

TEST_F(DesignProjectTest, AddsLinksAndEnumeratesInTheOrderAdded) {
  ProjectRef project = NewProject({"top", "top/a", "top/b", "top/a/x", "top/c", "side"});
  PartitionRef top = project->Find("top"), a = project->Find("top/a"),
               ax = project->Find("top/a/x"), stranger = ZoreTest::NewPartition();
  PartitionRef twin = ZoreTest::NewPartition();
  twin->SetHierarchicalName("top/a");
  EXPECT_FALSE(project->AddPartition(nullptr, nullptr));
  EXPECT_FALSE(project->AddPartition(a.get(), top.get())) << "already held";
  EXPECT_FALSE(project->AddPartition(twin.get(), top.get())) << "name held";
  EXPECT_FALSE(project->AddPartition(stranger.get(), stranger.get())) << "unknown parent";
  EXPECT_EQ(project->PartitionCount(), 6u);
  EXPECT_EQ(ZoreTest::RefCount(a.get()), 2) << "the test's and the project's";
  EXPECT_FALSE(project->Find("top/q"));
  Strings depthFirst, walk;
  for (const PartitionRef& p : project->DepthFirst())
    depthFirst.push_back(p->GetHierarchicalName().str());
  EXPECT_EQ(depthFirst, (Strings{"top", "top/a", "top/a/x", "top/b", "top/c", "side"}));
  for (const HostProject::DesignProject::Step& step : project->Walk()) {
    walk.push_back(step.partition->GetHierarchicalName().str() + " " +
                   std::to_string(step.parent) + " " + std::to_string(step.depth));
  }
  EXPECT_EQ(walk, (Strings{"top -1 0", "top/a 0 1", "top/a/x 1 2", "top/b 0 1", "top/c 0 1",
                           "side -1 0"}));

  Dpm::IHDProject* asProject = project->AsHDProject();
  Prjrep::AutoRelease<Dpm::IPartitionIterator> all, children, none;
  EXPECT_EQ(asProject->GetPartitions(all.Out()), 1);
  EXPECT_EQ(Names(all.get()), (Strings{"top", "top/a", "top/b", "top/a/x", "top/c", "side"}));
  EXPECT_EQ(asProject->GetChildPartitions(children.Out(), top.get()), 1);
  EXPECT_EQ(Names(children.get()), (Strings{"top/a", "top/b", "top/c"}));
  EXPECT_EQ(asProject->GetChildPartitions(none.Out(), stranger.get()), 0);
  EXPECT_FALSE(none);
  Prjrep::AutoRelease<CitI::IInterface> entry;
  EXPECT_EQ(asProject->GetPartitionEntry(entry.Out(), "top/q"), 0);
  EXPECT_FALSE(entry);
  ZavU::IPartition* parent = nullptr;
  EXPECT_EQ(asProject->GetParentPartition(parent, ax.get()), 1);
  EXPECT_EQ(PartitionRef::Adopt(parent).get(), a.get());
  EXPECT_EQ(asProject->GetParentPartition(parent, top.get()), 1);
  EXPECT_EQ(parent, nullptr) << "the top partition has none";

  // Unlinked from its parent, a partition still finds it through the project.
  ax.As<ZavU::IPartitionHierarchySettable>()->SetParent(PartitionRef());
  EXPECT_EQ(ax.As<ZavU::IPartitionHierarchy>()->GetParentPartition().get(), a.get());

  // An enumeration is a snapshot and the project unlinks partitions that
  // outlive it.
  all->First();
  project = {};
  ZavU::IPartition* current = nullptr;
  EXPECT_EQ(all->GetCurrent(current), 1);
  EXPECT_EQ(PartitionRef::Adopt(current)->GetHierarchicalName().str(), "top");
  all.Reset();
  EXPECT_EQ(ZoreTest::RefCount(ax.get()), 1);
  EXPECT_FALSE(ax.As<ZavU::IPartitionHierarchy>()->GetParentPartition());
}

TEST_F(DesignProjectTest, TheFlowRuleItsOverrideAndTheModuleHandedBack) {
  ProjectRef project = NewProject({"top", "top/b"});
  HostProject::PRModuleManager& manager = project->ModuleManager();
  manager.AssignModule("top/b", "blinker");
  ZoreTest::CapturingSink sink;  // the reset walk's messages
  PartitionRef b = project->Find("top/b");
  EXPECT_FALSE(project->IsPartialReconfigFlow());
  b->SetReconfigurable(true);
  EXPECT_TRUE(project->IsPartialReconfigFlow()) << "any partition reconfigurable";
  project->SetPartialReconfigFlow(false);
  EXPECT_FALSE(project->IsPartialReconfigFlow());
  EXPECT_EQ(b->SetTrait("reconfigurable", "false", true), 1);
  EXPECT_EQ(manager.ReleasedModuleNames(), Strings{"blinker"}) << "clearing the mark hands it back";
  project->SetPartialReconfigFlow(true);
  EXPECT_TRUE(project->IsPartialReconfigFlow());
  project->SetPartialReconfigFlow(std::nullopt);
  EXPECT_FALSE(project->IsPartialReconfigFlow());
}

template <class Service, class T>
T* Created(Prjrep::AutoRelease<CitI::IInterface>& holder) {
  holder.Adopt(CitP::Factory::CreateInstance(Service::ClassXuid()));
  return CitI::QueryAs<T>(holder.get());
}

TEST_F(DesignProjectTest, TheCurrentProjectIsWhatTheHostSet) {
  EXPECT_TRUE(HostProject::RegisterClasses()) << "registering again changes nothing";
  Prjrep::AutoRelease<CitI::IInterface> service;
  auto* current = Created<HostProject::CurrentProjectService, Dpm::ICurrentProject>(service);
  ASSERT_NE(current, nullptr);
  Prjrep::AutoRelease<Dpm::IHDProject> out;
  EXPECT_EQ(current->GetCurrentProject(out.Out(), ""), 0);
  EXPECT_FALSE(out);

  ProjectRef project = NewProject({"top", "top/a"});
  PartitionRef top = project->Find("top"), a = project->Find("top/a");
  HostProject::SetCurrentProject(project->AsHDProject());
  EXPECT_EQ(current->GetCurrentProject(out.Out(), ""), 1);
  EXPECT_EQ(out.get(), project->AsHDProject());
  out.Reset();

  // A partition without links asks the current project for its parent.
  auto settable = a.As<ZavU::IPartitionHierarchySettable>();
  settable->SetParent(PartitionRef());
  settable->SetHDProject(Prjrep::AutoRelease<Dpm::IHDProject>());
  EXPECT_EQ(a.As<ZavU::IPartitionHierarchy>()->GetParentPartition().get(), top.get());
  HostProject::SetCurrentProject(nullptr);
  EXPECT_EQ(HostProject::CurrentProject(), nullptr);
  EXPECT_FALSE(a.As<ZavU::IPartitionHierarchy>()->GetParentPartition());
  EXPECT_EQ(ZoreTest::RefCount(project->AsHDProject()), 1) << "every reference handed out dropped";
}

TEST_F(DesignProjectTest, TheSolutionHelperYieldsTheModuleManagerOfOurProjects) {
  ProjectRef project = NewProject({});
  HostProject::PRModuleManager& manager = project->ModuleManager();
  manager.AssignModule("top/a", "blinker");
  manager.AssignModule("top/b", "fader");
  manager.AssignModule("top/b", "pulser");  // replaces fader
  EXPECT_EQ(manager.AssignedModuleName("top/b").str(), "pulser");

  Prjrep::AutoRelease<CitI::IInterface> helperHolder, found;
  auto* helper = Created<HostProject::PRSolutionHelper, Dpm::IPRSolutionHelper>(helperHolder);
  ASSERT_NE(helper, nullptr);
  EXPECT_EQ(helper->GetModuleManager(project->AsHDProject(), 0, found.Out()), 1);
  EXPECT_EQ(CitI::QueryAs<Dpm::IPRModuleManager>(found.get()),
            static_cast<Dpm::IPRModuleManager*>(&manager));
  EXPECT_EQ(helper->GetModuleManager(nullptr, 0, found.Out()), 0);
  EXPECT_FALSE(found);

  Prjrep::AutoRelease<Dpm::IPRModule> module, none;
  EXPECT_EQ(manager.FindModule("top/a", module.Out()), 1);
  Port::StringBase name;
  module->GetName(name);
  EXPECT_EQ(name.str(), "blinker");
  EXPECT_EQ(manager.FindModule("top/c", none.Out()), 0);
  EXPECT_FALSE(none);
  EXPECT_EQ(manager.ReleaseModule(module.get()), 1);
  EXPECT_EQ(manager.AssignedModuleName("top/a").str(), "");
  EXPECT_EQ(manager.ReleaseModule(module.get()), 0) << "handed back already";
  EXPECT_EQ(manager.ReleasedModuleNames(), Strings{"blinker"});
}

// The repository at a location stands for the project file of the current
// project when it was opened from one there: two designs opened one after
// the other from the same directory, then none current, then one elsewhere.
TEST_F(DesignProjectTest, TheNamingServiceFindsTheCurrentProjectsFile) {
  Prjrep::AutoRelease<CitI::IInterface> lookupHolder, nameHolder;
  auto* lookup = Created<HostProject::AutonymLookup, Prjrep::IAutonymLookup>(lookupHolder);
  auto* autonym = Created<HostProject::Autonym, Prjrep::IAutonym>(nameHolder);
  ASSERT_TRUE(lookup && autonym);
  CitI::QueryAs<Prjrep::IName>(autonym)->SetName("/work/twice");
  const auto found = [&] {
    Prjrep::AutoRelease<CitI::IInterface> repository;
    if (lookup->Find(autonym, repository.Out()) != 1) return std::string("none");
    return HostProject::ProjectRepository::FromInterface(repository.get())->ProjectFile();
  };
  ProjectRef a = HostProject::DesignProject::Create("/work/twice");
  ProjectRef b = HostProject::DesignProject::Create("/work/twice");
  ProjectRef elsewhere = HostProject::DesignProject::Create("/work/other");
  ProjectRef described = HostProject::DesignProject::Create("/work/twice");
  a->SetProjectFile("/work/twice/a.prj");
  b->SetProjectFile("/work/twice/b.prj");
  elsewhere->SetProjectFile("/work/other/c.prj");
  const struct {
    HostProject::DesignProject* current;
    const char* found;
  } steps[] = {
      {a.get(), "/work/twice/a.prj"}, {b.get(), "/work/twice/b.prj"}, {nullptr, "none"},
      {elsewhere.get(), "none"},      {described.get(), "none"},
  };
  for (const auto& step : steps) {
    HostProject::SetCurrentProject(step.current ? step.current->AsHDProject() : nullptr);
    EXPECT_EQ(found(), step.found);
  }
  HostProject::SetCurrentProject(nullptr);
}

// A root that reads "inherit" (a saved record may hold it, though no setter
// lets it) has no parent to take a value from: the helper gives the trait's
// root default, for the root and for every partition that inherits from it.
TEST_F(DesignProjectTest, TheHelperResolvesARootsInheritToTheTraitsRootDefault) {
  ProjectRef project = NewProject({"top", "top/a"});
  PartitionRef top = project->Find("top"), a = project->Find("top/a");
  auto helper = CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::Class_PartitionHelper),
                                                 "devAreD_PartitionHelper")
                    .As<ZavU::IPartitionHelper>();
  ASSERT_TRUE(helper);
  const struct {
    const char* trait;
    const char* rootDefault;
  } traits[] = {{"guide", "no"},
                {"preserve", "routing"},
                {"dependency_management_mode", "global_change"},
                {"fleetmatch", "no"}};
  for (const auto& t : traits) ASSERT_EQ(top->SetTrait(t.trait, "inherit", true), 1) << t.trait;
  top->SetRoot(true);
  for (const auto& t : traits) {
    SCOPED_TRACE(t.trait);
    ASSERT_EQ(top->GetTrait(t.trait).str(), "inherit");
    for (const PartitionRef& p : {top, a}) {
      EXPECT_EQ(helper->GetEffectiveTraitValue(t.trait, p.get(), project->AsHDProject()).str(),
                t.rootDefault)
          << p->GetHierarchicalName().str();
    }
  }
}

}  // namespace
