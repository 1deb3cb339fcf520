// Marking partitions of a real project reconfigurable: the reset walk over
// every partition (root included) in and out of the Partial Reconfiguration
// flow, and the hand-back of a module when the mark is cleared.
#include "HostTest.h"
#include "Port/Exception.h"
#include "project/PRSolution.h"

namespace {

using namespace HostTest;

constexpr const char* kDmm = "dependency_management_mode";

/// top (root) with a, b and c; top and a leave dependency_management_mode
/// at local_change, set while the project was outside the flow.
class ReconfigurableFlowTest : public HostProjectTest {
 protected:
  void SetUp() override {
    HostProjectTest::SetUp();
    project = NewProject({"top", "top/a", "top/b", "top/c"});
    Find("top")->SetRoot(true);
    EXPECT_EQ(Find("top")->SetTrait(kDmm, "local_change", true), 1);
    EXPECT_EQ(Find("top/a")->SetTrait(kDmm, "local_change", true), 1);
  }
  void TearDown() override {
    project.Reset();
    HostProjectTest::TearDown();
  }
  PartitionRef Find(const char* name) { return project->Find(name); }
  Strings Modes() {
    Strings modes;
    for (const PartitionRef& p : project->DepthFirst()) modes.push_back(p->GetTrait(kDmm).str());
    return modes;
  }
  ProjectRef project;
};

TEST_F(ReconfigurableFlowTest, OutsideTheFlowEveryPartitionIsResetToItsDefault) {
  project->SetPartialReconfigFlow(false);
  ZoreTest::CapturingSink sink;
  EXPECT_EQ(Find("top/c")->SetTrait("reconfigurable", "true", true), 1);
  EXPECT_TRUE(Find("top/c")->IsReconfigurable());
  EXPECT_EQ(Modes(), (Strings{"global_change", "inherit", "inherit", "inherit"}));
  EXPECT_EQ(sink.All(),
            Strings{"INFO: The <dependency_management_mode> trait is not available for projects "
                    "in the Partial Reconfiguration flow. All Partitions have been reset to "
                    "their <dependency_management_mode> defaults.\n"});
}

TEST_F(ReconfigurableFlowTest, InTheFlowTheRootRefusesAndTheMarkStays) {
  // Marking c puts the project in the flow, so the root's reset to
  // global_change is refused; the root comes first, so nothing was reset.
  ZoreTest::CapturingSink sink;
  try {
    Find("top/c")->SetReconfigurable(true);
    ADD_FAILURE() << "nothing was thrown";
  } catch (const Port::Exception& e) {
    EXPECT_EQ(e.Message(),
              "The <dependency_management_mode> trait is not available for projects in the "
              "Partial Reconfiguration flow. Exiting without changes.\n");
  }
  EXPECT_TRUE(Find("top/c")->IsReconfigurable());
  EXPECT_TRUE(project->IsPartialReconfigFlow());
  EXPECT_EQ(Modes(), (Strings{"local_change", "local_change", "inherit", "inherit"}));
  EXPECT_TRUE(sink.All().empty());

  // With the root back at its default, the walk goes through.
  project->SetPartialReconfigFlow(false);
  ASSERT_EQ(Find("top")->SetTrait(kDmm, "global_change", true), 1);
  project->SetPartialReconfigFlow(std::nullopt);
  EXPECT_EQ(Find("top/b")->SetReconfigurable(true), 1);
  EXPECT_EQ(Modes(), (Strings{"global_change", "inherit", "inherit", "inherit"}));
}

TEST_F(ReconfigurableFlowTest, ClearingTheMarkHandsTheModuleBack) {
  project->SetPartialReconfigFlow(false);
  HostProject::PRModuleManager& manager = project->ModuleManager();
  manager.AssignModule("top/b", "blinker");
  manager.AssignModule("top/c", "fader");
  ZoreTest::CapturingSink sink;  // the reset of top and a
  ASSERT_EQ(Find("top/b")->SetReconfigurable(true), 1);
  EXPECT_EQ(Find("top/b")->SetTrait("reconfigurable", "false", true), 1);
  EXPECT_FALSE(Find("top/b")->IsReconfigurable());
  EXPECT_EQ(manager.ReleasedModuleNames(), Strings{"blinker"});
  EXPECT_EQ(manager.AssignedModuleName("top/b").str(), "");
  EXPECT_EQ(manager.AssignedModuleName("top/c").str(), "fader");
}

}  // namespace
