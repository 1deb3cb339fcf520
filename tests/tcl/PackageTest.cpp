// The hdpartition package in interpreters of its own, in this process: what
// its commands leave behind, and several threads each with a design of its
// own. (Its commands' answers: the scripts under scripts/.)
#include <gtest/gtest.h>
#include <tcl.h>

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "ZavU/IPartition.h"
#include "hdpartition.h"
#include "model/ServiceObject.h"
#include "project/CurrentProject.h"
#include "project/DesignProject.h"

namespace {

const std::string kDesign = std::string(TCL_TEST_DATA) + "/three_levels.pxml";

/// An interpreter with the package; gone with the holder.
class Interp {
 public:
  Interp() : m_interp(Tcl_CreateInterp()) { m_loaded = Hdpartition_Init(m_interp) == TCL_OK; }
  ~Interp() { Tcl_DeleteInterp(m_interp); }
  Interp(const Interp&) = delete;
  Interp& operator=(const Interp&) = delete;

  bool Loaded() const { return m_loaded; }
  Tcl_Interp* Get() const { return m_interp; }
  /// The result of `script`, or "error: " and the error.
  std::string Eval(const std::string& script) {
    const int code = Tcl_EvalEx(m_interp, script.c_str(), -1, TCL_EVAL_GLOBAL);
    return (code == TCL_OK ? "" : "error: ") + std::string(Tcl_GetStringResult(m_interp));
  }

 private:
  Tcl_Interp* m_interp;
  bool m_loaded = false;
};

class PackageTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Tcl_FindExecutable(nullptr); }
  void TearDown() override {
    EXPECT_EQ(HostModel::LiveObjects(), 0) << "a host object outlived its interpreter";
  }
};

/// The references held on pin `pin` of `partition` in the current project.
int PinReferences(const char* partition, const char* pin) {
  auto* project = HostProject::DesignProject::FromInterface(HostProject::CurrentProject());
  if (!project) return -1;
  CommonI::RefCountPtr<ZavU::IPartition> found = project->Find(partition);
  if (!found) return -1;
  CommonI::RefCountPtr<ZavU::IPartitionPin> held = found->FindPartitionPin(pin);
  int count = -1;
  CitI::QueryAs<CommonI::IRefCount>(held.get())->GetRefCount(count);
  return count;
}

// Listing pins, reporting their count and writing the description that
// lists them leave nothing held by the design: the references on a pin stay
// as they were.
TEST_F(PackageTest, ListingPinsHoldsNothingAfterwards) {
  Interp interp;
  ASSERT_TRUE(interp.Loaded());
  ASSERT_EQ(interp.Eval("read_xpartition {" + kDesign + "}"), "");
  const int before = PinReferences("/top/mid/leaf", "din");
  ASSERT_GT(before, 0);
  EXPECT_EQ(interp.Eval("get_pins -of_objects partition:/top/mid/leaf d*"),
            "pin:/top/mid/leaf:din pin:/top/mid/leaf:dout");
  EXPECT_EQ(interp.Eval("get_property name [get_pins -filter {bel == {}} *:din]"), "din");
  const std::string written = ::testing::TempDir() + "package-test.pxml";
  EXPECT_EQ(interp.Eval("for {set i 0} {$i < 50} {incr i} {get_pins -of_objects partition:/top/mid/leaf}; "
                        "report_hierarchy; write_xpartition {" +
                        written + "}"),
            "");
  std::remove(written.c_str());
  EXPECT_EQ(PinReferences("/top/mid/leaf", "din"), before);
}

// Interpreters in several threads, each made, reading a design, drawing
// errors of its own and deleted again and again: every answer is its own
// thread's, and nothing crashes.
TEST_F(PackageTest, ThreadsTakeTurnsEachWithItsOwnDesign) {
  for (const int threads : {2, 4}) {
    std::vector<std::string> failures(threads);
    std::vector<std::thread> running;
    for (int t = 0; t < threads; ++t) {
      running.emplace_back([t, &failures] {
        std::string& failure = failures[t];
        const std::string mine = "nosuch" + std::to_string(t);
        const std::string expected = "error: get_property: unknown property \"" + mine +
                                     "\" of partition:/top; see list_property";
        for (int round = 0; round < 20 && failure.empty(); ++round) {
          Interp interp;
          std::string answer = interp.Loaded() ? "" : "package not loaded";
          if (answer.empty()) answer = interp.Eval("read_xpartition {" + kDesign + "}");
          for (int command = 0; command < 5 && answer.empty(); ++command) {
            answer = interp.Eval("get_property " + mine + " partition:/top");
            if (answer == expected)
              answer =
                  interp.Eval("llength [get_partitions]") == "4" ? "" : "not this thread's design";
          }
          if (!answer.empty()) failure = "round " + std::to_string(round) + ": " + answer;
        }
        Tcl_FinalizeThread();
      });
    }
    for (std::thread& thread : running) thread.join();
    for (int t = 0; t < threads; ++t) {
      EXPECT_EQ(failures[t], "") << "thread " << t << " of " << threads;
    }
  }
}

// What a shell asks before it leaves: whether the open design holds changes
// no save or write kept, step by step through a session.
TEST_F(PackageTest, TellsWhetherChangesAreUnsaved) {
  Interp interp;
  ASSERT_TRUE(interp.Loaded());
  const std::string saved = ::testing::TempDir() + "unsaved.prj";
  const std::string written = ::testing::TempDir() + "unsaved.pxml";
  const struct {
    std::string script;
    bool unsaved;
  } steps[] = {
      {"read_xpartition " + kDesign, false},
      {"set_property preserve routing [get_partitions /top/mid]", true},
      {"save_project " + saved, false},
      {"set_property preserve placement [get_partitions /top/mid]", true},
      {"catch {set_property preserve nonsense [get_partitions /top/mid]}", true},
      {"write_xpartition " + written, false},
      {"set_property guide yes [get_partitions /top]", true},
      {"open_project " + saved, false},
      {"set_property guide yes [get_partitions /top]", true},
      {"close_project", false},
  };
  for (const auto& step : steps) {
    ASSERT_EQ(interp.Eval(step.script).rfind("error: ", 0), std::string::npos) << step.script;
    const char* project = Hdpartition_UnsavedProject(interp.Get());
    EXPECT_EQ(project != nullptr, step.unsaved) << step.script;
    if (project) {
      EXPECT_STREQ(project, "three") << step.script;
    }
  }
  std::remove(saved.c_str());
  std::remove(written.c_str());
}

}  // namespace
