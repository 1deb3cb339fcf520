// The diagnostic dump: every line, label and count, in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "Dpm/IHDProject.h"
#include "Partition/FakeServices.h"
#include "ZavU/IPartitionTracking.h"
#include "ZavU/IXPartition.h"
#include "support/Probe.h"
#include "support/ZoreTest.h"

namespace {

using ZoreTest::CapturingSink;
using ZoreTest::NewPartition;
using Lines = std::vector<std::string>;

class PartitionDump : public ZoreTest::LeakCheckedTest {
 protected:
  void SetUp() override {
    LeakCheckedTest::SetUp();
    // Calendar texts below are those of UTC.
    setenv("TZ", "UTC", 1);
    tzset();
  }

  /// The lines a dump issues; every one is a status message of the
  /// library's domain.
  static Lines Dumped(const CommonI::RefCountPtr<ZavU::IPartition>& p) {
    CapturingSink sink;
    EXPECT_EQ(p->Dump(), 1);
    Lines lines;
    for (const Port_Message& m : sink.messages) {
      if (m.severity == Port_Severity::Debug) continue;
      EXPECT_EQ(m.severity, Port_Severity::Status) << m.text;
      EXPECT_EQ(m.domain, "VudododirazaDoruviV");
      lines.push_back(m.text);
    }
    return lines;
  }

  static const Lines& TraitRows() {
    static const Lines rows = {
        "   Number of supported traits = 5\n",
        "      guide inherit no yes \n",
        "      preserve inherit routing placement synthesis \n",
        "      dependency_management_mode inherit global_change local_change \n",
        "      fleetmatch inherit no yes \n",
        "      reconfigurable false false true \n",
    };
    return rows;
  }

  /// The last part of every dump: files and per-view times of a partition
  /// that has none.
  static Lines EmptyFilesAndTimes() {
    return {"   Previous Files\n",      "      QDB        : \n",
            "      QMP        : \n",    "      Packed_QPR : \n",
            "      Routed_QPR : \n",    "      QHV        : \n",
            "      QNL        : \n",    "   Copy timestamps\n",
            "      SYNTHESIS   : -1\n", "      EXPANDED    : -1\n",
            "      FRAGCOVERED : -1\n", "      PACKED      : -1\n",
            "      ROUTED      : -1\n", "   Interface Change timestamps\n",
            "      SYNTHESIS   : -1\n", "      EXPANDED    : -1\n",
            "      FRAGCOVERED : -1\n", "      PACKED      : -1\n",
            "      ROUTED      : -1\n", "---------------------------------------------------\n"};
  }

  static Lines Join(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
  }
};

/// A design project that only knows its location.
class LocatedProject final : public Dpm::IHDProject {
 public:
  explicit LocatedProject(const char* location) : m_location(location) {}
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return iid == Port::XUID(Dpm::IHDProject::kIID) ? this : nullptr;
  }
  Port::StringBase GetLocation() override { return m_location; }
  CitI::IInterface* GetHelper() override { return nullptr; }
  CitI::Status GetPartitionEntry(CitI::IInterface*& out, const Port::StringBase&) override {
    out = nullptr;
    return 0;
  }
  CitI::Status GetPartitions(Dpm::IPartitionIterator*& out) override {
    out = nullptr;
    return 0;
  }
  CitI::Status GetParentPartition(ZavU::IPartition*& out, ZavU::IPartition*) override {
    out = nullptr;
    return 0;
  }
  CitI::Status GetChildPartitions(Dpm::IPartitionIterator*& out, ZavU::IPartition*) override {
    out = nullptr;
    return 0;
  }

 private:
  Port::StringBase m_location;
};

TEST_F(PartitionDump, FreshNonRootPartition) {
  auto p = NewPartition();
  EXPECT_EQ(Dumped(p),
            Join({{"---------------------------------------------------\n", "Partition :\n",
                   "   Simple name = \n", "   Version = 2.0\n", "   Is root partition = no\n"},
                  TraitRows(),
                  {"   Number of traits = 0\n", "   Number of timestamps = 0\n", "   Qnl file = \n",
                   "   Number of IP = 0\n", "   Number of PPs = 0\n",
                   "   Is marked reconfigurable = false\n", "   IsIsolated = false\n",
                   "   HDProject location       = NULL\n", "   Parent Name              = NULL\n"},
                  EmptyFilesAndTimes()}));
}

TEST_F(PartitionDump, TraitsTimestampsAndForceFlags) {
  auto p = NewPartition();
  p->SetHierarchicalName("/top/u1");
  p->SetRoot(true);
  p->SetTrait("preserve", "placement", true);
  p->SetTrait("guide", "yes", true);
  p->SetTimestamp(ZavU::EXPANDED, 86400);
  p->SetChildModifiedTimestamp(0);
  p->SetTimestamp(ZavU::SYNTHESIS, -1);
  Lines lines = Dumped(p);
  const Lines middle = {"   Number of traits = 2\n", "      guide = yes\n",
                        "      preserve = placement\n", "   Number of timestamps = 3\n",
                        "      TS_CHILD_MODIFIED = Thu Jan  1 00:00:00 1970\n",
                        "      TS_EXPANDED = Fri Jan  2 00:00:00 1970\n",
                        // A time never set carries no line end of its own.
                        "      TS_SYNTHESIS = -1", "   Qnl file = \n"};
  ASSERT_GE(lines.size(), 11u + middle.size());
  EXPECT_EQ(lines[1], "Partition /top/u1:\n");
  EXPECT_EQ(lines[2], "   Simple name = /top/u1\n");
  EXPECT_EQ(lines[4], "   Is root partition = yes\n");
  EXPECT_EQ(Lines(lines.begin() + 11, lines.begin() + 11 + middle.size()), middle)
      << "no force-flag block while no task is forced";

  p->ForceTask(ZavU::TRANSLATE, true);
  p->ForceTask(ZavU::LOM, true);
  lines = Dumped(p);
  const Lines flags = {"   Force flags:\n", "      FF_LOM = true\n", "      FF_TRANSLATE = true\n",
                       "   Qnl file = \n"};
  ASSERT_GE(lines.size(), 18u + flags.size());
  EXPECT_EQ(Lines(lines.begin() + 18, lines.begin() + 18 + flags.size()), flags);
}

TEST_F(PartitionDump, PinsFilesProjectAndParent) {
  auto parent = NewPartition();
  parent->SetHierarchicalName("/top");
  auto p = NewPartition();
  LocatedProject project("/work/demo");
  ZoreTest::LinkParent(p.get(), parent.get());
  ZoreTest::LinkProject(p.get(), &project);
  p->SetHierarchicalName("/top/u1");
  ASSERT_EQ(p->AddPartitionPin("clk"), 1);
  ASSERT_EQ(p->AddPartitionPin(""), 1);
  p->AddIPFileName("ip/fifo.qxp");
  p->AddIPFileName("ip/pll.qxp");
  p->SetReconfigurable(true);
  p->SetIsolated(true);
  p.As<ZavU::IXPartition>()->SetXmlDefined(true);  // the paths are kept as given
  const char* files[] = {"a.qdb", "a.qmp", "a.packed", "a.routed", "a.qhv", "a.qnl"};
  for (int i = 0; i < 6; ++i)
    p.As<ZavU::IPartitionFileTracking>()->SetPreviousDesignFile(i, files[i]);
  auto times = p.As<ZavU::IPartitionTimeTracking>();
  times->SetProcessedTimestamp(0, 0);
  times->SetProcessedTimestamp(2, 86400);
  times->SetInterfaceTimestamp(4, 0);
  const Lines lines = Dumped(p);
  const Lines tail = {
      "   Qnl file = a.qnl\n", "   Number of IP = 2\n", "      ip/fifo.qxp\n", "      ip/pll.qxp\n",
      "   Number of PPs = 2\n", "Partition Pin \"clk\":\n", "Partition Pin \"\":\n",
      "   Is marked reconfigurable = true\n", "   IsIsolated = true\n",
      "   HDProject location       = /work/demo\n", "   Parent Name              = /top\n",
      "   Previous Files\n", "      QDB        : a.qdb\n", "      QMP        : a.qmp\n",
      "      Packed_QPR : a.packed\n", "      Routed_QPR : a.routed\n",
      "      QHV        : a.qhv\n", "      QNL        : a.qnl\n", "   Copy timestamps\n",
      // The calendar text ends its own line, and the label
      // format adds one more.
      "      SYNTHESIS   : Thu Jan  1 00:00:00 1970\n\n", "      EXPANDED    : -1\n",
      "      FRAGCOVERED : Fri Jan  2 00:00:00 1970\n\n", "      PACKED      : -1\n",
      "      ROUTED      : -1\n", "   Interface Change timestamps\n", "      SYNTHESIS   : -1\n",
      "      EXPANDED    : -1\n", "      FRAGCOVERED : -1\n", "      PACKED      : -1\n",
      "      ROUTED      : Thu Jan  1 00:00:00 1970\n\n",
      "---------------------------------------------------\n"};
  ASSERT_GE(lines.size(), tail.size());
  EXPECT_EQ(Lines(lines.end() - tail.size(), lines.end()), tail);
  EXPECT_EQ(ZoreTest::RefCount(parent.get()), 1) << "the parent is released after the dump";
}

TEST_F(PartitionDump, ParentFoundThroughTheCurrentProjectIsShownAndReleased) {
  FakeServices::Install();
  auto parent = NewPartition();
  parent->SetHierarchicalName("/top");
  auto p = NewPartition();
  {
    FakeServices::Project current;
    current.parent = parent;
    FakeServices::Settings().currentProjectCreatable = true;
    FakeServices::Settings().current = &current;
    const Lines lines = Dumped(p);
    // The location line shows the partition's own project link, which is
    // not set; the parent is looked up through the current project.
    const Lines links = {"   HDProject location       = NULL\n",
                         "   Parent Name              = /top\n", "   Previous Files\n"};
    // "   Previous Files\n" is followed by 19 lines to the end.
    ASSERT_GE(lines.size(), 22u);
    EXPECT_EQ(Lines(lines.end() - 22, lines.end() - 19), links);
    ASSERT_EQ(current.parentAskedFor.size(), 1u);
    EXPECT_EQ(current.parentAskedFor[0], p.get());
    current.parent.Reset();
    EXPECT_EQ(ZoreTest::RefCount(parent.get()), 1) << "the parent is released after the dump";
    FakeServices::Settings() = FakeServices::ServiceSettings();
  }
}

}  // namespace
