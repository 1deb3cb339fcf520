// Marking partitions of a real project reconfigurable: the reset walk over
// every partition (root included) in and out of the Partial Reconfiguration
// flow, and the hand-back of a module when the mark is cleared.
#include "HostTest.h"
#include "Port/Exception.h"
#include "project/PRSolution.h"

namespace {

using HostProject::DesignProject;
using HostTest::NewPartition;
using HostTest::PartitionRef;
using Strings = std::vector<std::string>;

constexpr const char* kDmm = "dependency_management_mode";

class ReconfigurableFlowTest : public HostTest::HostProjectTest {};

/// top (root) with a, b and c; top and a leave dependency_management_mode
/// at local_change, set while the project was outside the flow.
struct Design {
  HostProject::HostRef<DesignProject> project = DesignProject::Create("/work/demo");
  PartitionRef top = NewPartition("top"), a = NewPartition("top/a"), b = NewPartition("top/b"),
               c = NewPartition("top/c");
  Design() {
    top->SetRoot(true);
    EXPECT_TRUE(project->AddPartition(top.get(), nullptr));
    for (auto* p : {&a, &b, &c}) EXPECT_TRUE(project->AddPartition(p->get(), top.get()));
    EXPECT_EQ(top->SetTrait(kDmm, "local_change", true), 1);
    EXPECT_EQ(a->SetTrait(kDmm, "local_change", true), 1);
  }
  Strings Modes() {
    Strings modes;
    for (auto* p : {&top, &a, &b, &c}) modes.push_back((*p)->GetTrait(kDmm).str());
    return modes;
  }
};

TEST_F(ReconfigurableFlowTest, OutsideTheFlowEveryPartitionIsResetToItsDefault) {
  Design d;
  d.project->SetPartialReconfigFlow(false);
  ZoreTest::CapturingSink sink;
  EXPECT_EQ(d.c->SetTrait("reconfigurable", "true", true), 1);
  EXPECT_TRUE(d.c->IsReconfigurable());
  EXPECT_EQ(d.Modes(), (Strings{"global_change", "inherit", "inherit", "inherit"}));
  EXPECT_EQ(sink.All(),
            Strings{"INFO: The <dependency_management_mode> trait is not available for projects "
                    "in the Partial Reconfiguration flow. All Partitions have been reset to "
                    "their <dependency_management_mode> defaults.\n"});
}

TEST_F(ReconfigurableFlowTest, InTheFlowTheRootRefusesAndTheMarkStays) {
  Design d;
  // By the project's rule, marking c puts the project in the flow, so the
  // root's reset to global_change is refused; the root comes first, so
  // nothing was reset.
  ZoreTest::CapturingSink sink;
  try {
    d.c->SetReconfigurable(true);
    ADD_FAILURE() << "nothing was thrown";
  } catch (const Port::Exception& e) {
    EXPECT_EQ(e.Message(),
              "The <dependency_management_mode> trait is not available for projects in the "
              "Partial Reconfiguration flow. Exiting without changes.\n");
  }
  EXPECT_TRUE(d.c->IsReconfigurable());
  EXPECT_TRUE(d.project->IsPartialReconfigFlow());
  EXPECT_EQ(d.Modes(), (Strings{"local_change", "local_change", "inherit", "inherit"}));
  EXPECT_TRUE(sink.All().empty());

  // With the root back at its default, the walk goes through.
  d.project->SetPartialReconfigFlow(false);
  ASSERT_EQ(d.top->SetTrait(kDmm, "global_change", true), 1);
  d.project->SetPartialReconfigFlow(std::nullopt);
  EXPECT_EQ(d.b->SetReconfigurable(true), 1);
  EXPECT_EQ(d.Modes(), (Strings{"global_change", "inherit", "inherit", "inherit"}));
}

TEST_F(ReconfigurableFlowTest, ClearingTheMarkHandsTheModuleBack) {
  Design d;
  d.project->SetPartialReconfigFlow(false);
  HostProject::PRModuleManager& manager = d.project->ModuleManager();
  manager.AssignModule("top/b", "blinker");
  manager.AssignModule("top/c", "fader");
  ZoreTest::CapturingSink sink;  // the reset of top and a
  ASSERT_EQ(d.b->SetReconfigurable(true), 1);
  EXPECT_EQ(d.b->SetTrait("reconfigurable", "false", true), 1);
  EXPECT_FALSE(d.b->IsReconfigurable());
  EXPECT_EQ(manager.ReleasedModuleNames(), Strings{"blinker"});
  EXPECT_EQ(manager.AssignedModuleName("top/b").str(), "");
  EXPECT_EQ(manager.AssignedModuleName("top/c").str(), "fader");
}

}  // namespace
