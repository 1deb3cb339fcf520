// The host's service classes as the partition library meets them: the
// current-project service, the partial-reconfiguration solution helper and
// the module manager; and their registration.
#include "CitP/Factory.h"
#include "HostTest.h"
#include "project/PRSolution.h"

namespace {

using HostProject::DesignProject;
using HostTest::NewPartition;
using HostTest::PartitionRef;

class ServicesTest : public HostTest::HostProjectTest {};

template <class T>
Prjrep::AutoRelease<CitI::IInterface> Create() {
  Prjrep::AutoRelease<CitI::IInterface> created;
  created.Adopt(CitP::Factory::CreateInstance(Port::XUID(T::kClass)));
  return created;
}

TEST_F(ServicesTest, RegisteringAgainChangesNothing) {
  EXPECT_TRUE(HostProject::RegisterClasses());
  EXPECT_TRUE(CitP::Factory::IsRegistered(Port::XUID(Xuids::Class_CurrentProject)));
  EXPECT_TRUE(CitP::Factory::IsRegistered(Port::XUID(Xuids::Class_PRSolutionHelper)));
  EXPECT_EQ(CitP::Factory::CreateInstance(Port::XUID(Xuids::Class_Autonym)), nullptr);
}

TEST_F(ServicesTest, TheCurrentProjectIsWhatTheHostSet) {
  auto service = Create<HostProject::CurrentProjectService>();
  auto* current = CitI::QueryAs<Dpm::ICurrentProject>(service.get());
  ASSERT_NE(current, nullptr);
  Prjrep::AutoRelease<Dpm::IHDProject> out;
  EXPECT_EQ(current->GetCurrentProject(out.Out(), ""), 0);
  EXPECT_FALSE(out);

  auto project = DesignProject::Create("/work/demo");
  auto top = NewPartition("top");
  auto a = NewPartition("top/a");
  ASSERT_TRUE(project->AddPartition(top.get(), nullptr));
  ASSERT_TRUE(project->AddPartition(a.get(), top.get()));
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
  int count = 0;
  project->GetRefCount(count);
  EXPECT_EQ(count, 1) << "every reference the service handed out was dropped";
}

TEST_F(ServicesTest, TheModuleManagerKnowsModulesByPartitionName) {
  auto project = DesignProject::Create("/work/demo");
  HostProject::PRModuleManager& manager = project->ModuleManager();
  manager.AssignModule("top/a", "blinker");
  manager.AssignModule("top/b", "fader");
  manager.AssignModule("top/b", "pulser");  // replaces fader
  EXPECT_EQ(manager.AssignedModuleName("top/b").str(), "pulser");

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
  EXPECT_EQ(manager.ReleasedModuleNames(), std::vector<std::string>{"blinker"});
}

TEST_F(ServicesTest, TheSolutionHelperYieldsTheManagerOfOurProjectsOnly) {
  auto project = DesignProject::Create("/work/demo");
  auto created = Create<HostProject::PRSolutionHelper>();
  auto* helper = CitI::QueryAs<Dpm::IPRSolutionHelper>(created.get());
  ASSERT_NE(helper, nullptr);
  Prjrep::AutoRelease<CitI::IInterface> manager;
  EXPECT_EQ(helper->GetModuleManager(project->AsHDProject(), 0, manager.Out()), 1);
  EXPECT_EQ(CitI::QueryAs<Dpm::IPRModuleManager>(manager.get()),
            static_cast<Dpm::IPRModuleManager*>(&project->ModuleManager()));
  EXPECT_EQ(helper->GetModuleManager(nullptr, 0, manager.Out()), 0);
  EXPECT_FALSE(manager);
}

}  // namespace
