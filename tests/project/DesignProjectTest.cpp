// The host's design project: adding and linking partitions, the order of its
// enumerations, the answers the partition library relies on, its flow rule,
// and a partition that outlives it.
#include "HostTest.h"
#include "project/PRSolution.h"

namespace {

using namespace HostTest;

class DesignProjectTest : public HostProjectTest {};

TEST_F(DesignProjectTest, AddsLinksAndEnumeratesInTheOrderAdded) {
  ProjectRef project = NewProject({"top", "top/a", "top/b", "top/a/x", "top/c"});
  PartitionRef top = project->Find("top"), a = project->Find("top/a"),
               ax = project->Find("top/a/x"), stranger = ZoreTest::NewPartition();
  PartitionRef twin = ZoreTest::NewPartition();
  twin->SetHierarchicalName("top/a");
  EXPECT_FALSE(project->AddPartition(nullptr, nullptr));
  EXPECT_FALSE(project->AddPartition(a.get(), top.get())) << "already held";
  EXPECT_FALSE(project->AddPartition(twin.get(), top.get())) << "name held";
  EXPECT_FALSE(project->AddPartition(stranger.get(), stranger.get())) << "unknown parent";
  EXPECT_EQ(project->PartitionCount(), 5u);
  EXPECT_EQ(ZoreTest::RefCount(a.get()), 2) << "the test's and the project's";
  EXPECT_FALSE(project->Find("top/q"));
  Strings depthFirst;
  for (const PartitionRef& p : project->DepthFirst())
    depthFirst.push_back(p->GetHierarchicalName().str());
  EXPECT_EQ(depthFirst, (Strings{"top", "top/a", "top/a/x", "top/b", "top/c"}));

  Dpm::IHDProject* asProject = project->AsHDProject();
  Prjrep::AutoRelease<Dpm::IPartitionIterator> all, children, none;
  EXPECT_EQ(asProject->GetPartitions(all.Out()), 1);
  EXPECT_EQ(Names(all.get()), (Strings{"top", "top/a", "top/b", "top/a/x", "top/c"}));
  EXPECT_EQ(asProject->GetChildPartitions(children.Out(), top.get()), 1);
  EXPECT_EQ(Names(children.get()), (Strings{"top/a", "top/b", "top/c"}));
  EXPECT_EQ(asProject->GetChildPartitions(children.Out(), ax.get()), 1);
  EXPECT_EQ(Names(children.get()), Strings{});
  EXPECT_EQ(asProject->GetChildPartitions(none.Out(), stranger.get()), 0);
  EXPECT_FALSE(none);
  EXPECT_EQ(asProject->GetLocation().str(), "/work/demo");
  Prjrep::AutoRelease<CitI::IInterface> entry;
  EXPECT_EQ(asProject->GetPartitionEntry(entry.Out(), "top/b"), 1);
  EXPECT_EQ(CitI::QueryAs<ZavU::IPartition>(entry.get()), project->Find("top/b").get());
  EXPECT_EQ(asProject->GetPartitionEntry(entry.Out(), "top/q"), 0);
  EXPECT_FALSE(entry);
  ZavU::IPartition* parent = nullptr;
  EXPECT_EQ(asProject->GetParentPartition(parent, ax.get()), 1);
  EXPECT_EQ(PartitionRef::Adopt(parent).get(), a.get());
  EXPECT_EQ(asProject->GetParentPartition(parent, top.get()), 1);
  EXPECT_EQ(parent, nullptr) << "the top partition has none";
  EXPECT_EQ(asProject->GetParentPartition(parent, stranger.get()), 0);

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

}  // namespace
