// The host's service classes as the partition library meets them: their
// registration, the current-project service, the partial-reconfiguration
// solution helper and the module manager.
#include "CitP/Factory.h"
#include "HostTest.h"
#include "project/PRSolution.h"

namespace {

using namespace HostTest;

class ServicesTest : public HostProjectTest {};

template <class Service, class T>
T* Created(Prjrep::AutoRelease<CitI::IInterface>& holder) {
  holder.Adopt(CitP::Factory::CreateInstance(Service::ClassXuid()));
  return CitI::QueryAs<T>(holder.get());
}

TEST_F(ServicesTest, TheCurrentProjectIsWhatTheHostSet) {
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

TEST_F(ServicesTest, TheSolutionHelperYieldsTheModuleManagerOfOurProjects) {
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

}  // namespace
