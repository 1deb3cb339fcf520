// The host's design project: adding and linking partitions, the order of its
// enumerations, the answers the partition library relies on, its flow rule,
// and a partition that outlives it.
#include "HostTest.h"
#include "support/Probe.h"

namespace {

using HostProject::DesignProject;
using HostTest::Names;
using HostTest::NewPartition;
using HostTest::PartitionRef;
using Strings = std::vector<std::string>;

class DesignProjectTest : public HostTest::HostProjectTest {};

/// top with children a (with a/x) and b, added in an interleaved order.
struct Tree {
  HostProject::HostRef<DesignProject> project = DesignProject::Create("/work/demo");
  PartitionRef top = NewPartition("top"), a = NewPartition("top/a"), b = NewPartition("top/b"),
               ax = NewPartition("top/a/x");
  Tree() {
    EXPECT_TRUE(project->AddPartition(top.get(), nullptr));
    EXPECT_TRUE(project->AddPartition(a.get(), top.get()));
    EXPECT_TRUE(project->AddPartition(b.get(), top.get()));
    EXPECT_TRUE(project->AddPartition(ax.get(), a.get()));
  }
};

TEST_F(DesignProjectTest, AddingRefusesDuplicatesAndUnknownParents) {
  Tree t;
  auto stranger = NewPartition("elsewhere");
  auto sameName = NewPartition("top/a");
  EXPECT_FALSE(t.project->AddPartition(nullptr, nullptr));
  EXPECT_FALSE(t.project->AddPartition(t.a.get(), t.top.get())) << "already held";
  EXPECT_FALSE(t.project->AddPartition(sameName.get(), t.top.get())) << "name already held";
  EXPECT_FALSE(t.project->AddPartition(stranger.get(), sameName.get())) << "unknown parent";
  EXPECT_EQ(t.project->PartitionCount(), 4u);
  EXPECT_EQ(ZoreTest::RefCount(t.a.get()), 2) << "the test's and the project's";
  EXPECT_EQ(t.project->Find("top/a/x").get(), t.ax.get());
  EXPECT_FALSE(t.project->Find("top/c"));
}

TEST_F(DesignProjectTest, EnumerationsKeepTheOrderPartitionsWereAdded) {
  Tree t;
  auto c = NewPartition("top/c");
  ASSERT_TRUE(t.project->AddPartition(c.get(), t.top.get()));
  EXPECT_EQ(Names(t.project->DepthFirst()), (Strings{"top", "top/a", "top/a/x", "top/b", "top/c"}));

  Dpm::IHDProject* asProject = t.project->AsHDProject();
  Prjrep::AutoRelease<Dpm::IPartitionIterator> all, children, none;
  EXPECT_EQ(asProject->GetPartitions(all.Out()), 1);
  EXPECT_EQ(Names(all.get()), (Strings{"top", "top/a", "top/b", "top/a/x", "top/c"}));
  EXPECT_EQ(asProject->GetChildPartitions(children.Out(), t.top.get()), 1);
  EXPECT_EQ(Names(children.get()), (Strings{"top/a", "top/b", "top/c"}));
  EXPECT_EQ(asProject->GetChildPartitions(children.Out(), t.ax.get()), 1);
  EXPECT_EQ(Names(children.get()), Strings{});
  auto stranger = NewPartition("stranger");
  EXPECT_EQ(asProject->GetChildPartitions(none.Out(), stranger.get()), 0);
  EXPECT_FALSE(none);

  // An enumeration is a snapshot: it outlives the project.
  ZavU::IPartition* current = nullptr;
  all->First();
  t.project = {};
  all->GetCurrent(current);
  EXPECT_EQ(PartitionRef::Adopt(current)->GetHierarchicalName().str(), "top");
}

TEST_F(DesignProjectTest, WhatThePartitionLibraryAsks) {
  Tree t;
  Dpm::IHDProject* asProject = t.project->AsHDProject();
  EXPECT_EQ(asProject->GetLocation().str(), "/work/demo");
  EXPECT_EQ(asProject->GetHelper(), nullptr);
  EXPECT_EQ(CitI::QueryAs<Dpm::IPRProject>(asProject),
            static_cast<Dpm::IPRProject*>(t.project.get()));
  EXPECT_NE(CitI::QueryAs<Prjrep::IRefCount>(asProject), nullptr);

  Prjrep::AutoRelease<CitI::IInterface> entry;
  EXPECT_EQ(asProject->GetPartitionEntry(entry.Out(), "top/b"), 1);
  EXPECT_EQ(CitI::QueryAs<ZavU::IPartition>(entry.get()), t.b.get());
  EXPECT_EQ(asProject->GetPartitionEntry(entry.Out(), "top/q"), 0);
  EXPECT_FALSE(entry);

  ZavU::IPartition* parent = nullptr;
  EXPECT_EQ(asProject->GetParentPartition(parent, t.ax.get()), 1);
  EXPECT_EQ(PartitionRef::Adopt(parent).get(), t.a.get());
  EXPECT_EQ(asProject->GetParentPartition(parent, t.top.get()), 1);
  EXPECT_EQ(parent, nullptr) << "the top partition has none";

  // Linked by the project, each partition finds its parent and project; one
  // linked to the project only finds its parent through it.
  EXPECT_EQ(t.ax.As<ZavU::IPartitionHierarchy>()->GetParentPartition().get(), t.a.get());
  t.ax.As<ZavU::IPartitionHierarchySettable>()->SetParent(PartitionRef());
  EXPECT_EQ(t.ax.As<ZavU::IPartitionHierarchy>()->GetParentPartition().get(), t.a.get());
  EXPECT_EQ(ZoreTest::PartitionProbe(t.ax).Project(), asProject);
}

TEST_F(DesignProjectTest, TheFlowRuleAndItsOverride) {
  Tree t;
  EXPECT_FALSE(t.project->IsPartialReconfigFlow());
  t.b->SetReconfigurable(true);
  EXPECT_TRUE(t.project->IsPartialReconfigFlow()) << "any partition reconfigurable";
  t.project->SetPartialReconfigFlow(false);
  EXPECT_FALSE(t.project->IsPartialReconfigFlow());
  t.b->SetReconfigurable(false);
  t.project->SetPartialReconfigFlow(true);
  EXPECT_TRUE(t.project->IsPartialReconfigFlow());
  t.project->SetPartialReconfigFlow(std::nullopt);
  EXPECT_FALSE(t.project->IsPartialReconfigFlow());
}

TEST_F(DesignProjectTest, APartitionOutlivingItsProjectIsUnlinked) {
  PartitionRef kept;
  {
    Tree t;
    kept = t.ax;
  }
  EXPECT_EQ(ZoreTest::RefCount(kept.get()), 1);
  EXPECT_EQ(ZoreTest::PartitionProbe(kept).Project(), nullptr);
  EXPECT_EQ(ZoreTest::PartitionProbe(kept).Parent(), nullptr);
  EXPECT_FALSE(kept.As<ZavU::IPartitionHierarchy>()->GetParentPartition());
}

}  // namespace
