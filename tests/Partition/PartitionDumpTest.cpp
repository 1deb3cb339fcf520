// The diagnostic dump of a partition holding something in every field, and
// the parent it finds through the current project.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "Partition/FakeServices.h"
#include "ZavU/IPartitionTracking.h"
#include "ZavU/IXPartition.h"
#include "support/ZoreTest.h"

namespace {

using ZoreTest::NewPartition;
using Lines = std::vector<std::string>;

class PartitionDump : public FakeServices::FakeServicesTest {
 protected:
  void SetUp() override {
    FakeServicesTest::SetUp();
    setenv("TZ", "UTC", 1);  // calendar texts below are those of UTC
    tzset();
  }

  /// The lines a dump issues; every one is a status message of the
  /// library's domain.
  static Lines Dumped(const CommonI::RefCountPtr<ZavU::IPartition>& p) {
    ZoreTest::CapturingSink sink;
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
};

TEST_F(PartitionDump, EveryFieldInOrder) {
  FakeServices::Project project;
  auto parent = NewPartition();
  parent->SetHierarchicalName("/top");
  auto p = NewPartition();
  ZoreTest::LinkParent(p.get(), parent.get());
  ZoreTest::LinkProject(p.get(), &project);
  p->SetHierarchicalName("/top/u1");
  p->SetRoot(true);
  p->SetTrait("preserve", "placement", true);
  p->SetTrait("guide", "yes", true);
  p->SetTimestamp(ZavU::EXPANDED, 86400);
  p->SetChildModifiedTimestamp(0);
  p->SetTimestamp(ZavU::SYNTHESIS, -1);
  const Lines withoutFlags = Dumped(p);
  p->ForceTask(ZavU::TRANSLATE, true);
  p->ForceTask(ZavU::LOM, true);
  ASSERT_EQ(p->AddPartitionPin("clk"), 1);
  ASSERT_EQ(p->AddPartitionPin(""), 1);
  p->AddIPFileName("ip/fifo.qxp");
  p->AddIPFileName("ip/pll.qxp");
  p->SetReconfigurable(true);
  p->SetIsolated(true);
  p.As<ZavU::IXPartition>()->SetXmlDefined(true);  // the paths are kept as given
  const char* files[] = {"a.qdb", "a.qmp", "a.packed", "a.routed", "a.qhv", "a.qnl"};
  for (int i = 0; i < 6; ++i) {
    p.As<ZavU::IPartitionFileTracking>()->SetPreviousDesignFile(i, files[i]);
  }
  auto times = p.As<ZavU::IPartitionTimeTracking>();
  times->SetProcessedTimestamp(0, 0);
  times->SetProcessedTimestamp(2, 86400);
  times->SetInterfaceTimestamp(4, 0);
  const Lines lines = Dumped(p);
  const Lines head = {"---------------------------------------------------\n",
                      "Partition /top/u1:\n",
                      "   Simple name = /top/u1\n",
                      "   Version = 2.0\n",
                      "   Is root partition = yes\n",
                      "   Number of supported traits = 5\n"};
  const Lines tail = {
      "   Number of traits = 2\n", "      guide = yes\n", "      preserve = placement\n",
      "   Number of timestamps = 3\n", "      TS_CHILD_MODIFIED = Thu Jan  1 00:00:00 1970\n",
      "      TS_EXPANDED = Fri Jan  2 00:00:00 1970\n",
      // A time never set carries no line end of its own.
      "      TS_SYNTHESIS = -1", "   Force flags:\n", "      FF_LOM = true\n",
      "      FF_TRANSLATE = true\n", "   Qnl file = a.qnl\n", "   Number of IP = 2\n",
      "      ip/fifo.qxp\n", "      ip/pll.qxp\n", "   Number of PPs = 2\n",
      "Partition Pin \"clk\":\n", "Partition Pin \"\":\n", "   Is marked reconfigurable = true\n",
      "   IsIsolated = true\n", "   HDProject location       = /fake/project\n",
      "   Parent Name              = /top\n", "   Previous Files\n", "      QDB        : a.qdb\n",
      "      QMP        : a.qmp\n", "      Packed_QPR : a.packed\n",
      "      Routed_QPR : a.routed\n", "      QHV        : a.qhv\n", "      QNL        : a.qnl\n",
      "   Copy timestamps\n",
      // The calendar text ends its own line, and the label format adds one.
      "      SYNTHESIS   : Thu Jan  1 00:00:00 1970\n\n", "      EXPANDED    : -1\n",
      "      FRAGCOVERED : Fri Jan  2 00:00:00 1970\n\n", "      PACKED      : -1\n",
      "      ROUTED      : -1\n", "   Interface Change timestamps\n", "      SYNTHESIS   : -1\n",
      "      EXPANDED    : -1\n", "      FRAGCOVERED : -1\n", "      PACKED      : -1\n",
      "      ROUTED      : Thu Jan  1 00:00:00 1970\n\n",
      "---------------------------------------------------\n"};
  ASSERT_EQ(lines.size(), head.size() + 5 + tail.size());
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + head.size()), head);
  EXPECT_EQ(Lines(lines.end() - tail.size(), lines.end()), tail);
  // No force-flag block while no task is forced.
  ASSERT_GT(withoutFlags.size(), 19u);
  EXPECT_EQ(withoutFlags[18], "   Qnl file = \n");
  EXPECT_EQ(ZoreTest::RefCount(parent.get()), 1) << "the parent is released after the dump";
}

TEST_F(PartitionDump, ParentFoundThroughTheCurrentProjectIsShownAndReleased) {
  auto parent = NewPartition();
  parent->SetHierarchicalName("/top");
  auto p = NewPartition();
  FakeServices::Project current;
  current.parent = parent;
  FakeServices::Settings().currentProjectCreatable = true;
  FakeServices::Settings().current = &current;
  const Lines lines = Dumped(p);
  // The location shows the partition's own project link, which is not set.
  ASSERT_GE(lines.size(), 22u);
  EXPECT_EQ(Lines(lines.end() - 22, lines.end() - 19),
            (Lines{"   HDProject location       = NULL\n", "   Parent Name              = /top\n",
                   "   Previous Files\n"}));
  EXPECT_EQ(current.parentAskedFor, std::vector<ZavU::IPartition*>{p.get()});
  current.parent.Reset();
  EXPECT_EQ(ZoreTest::RefCount(parent.get()), 1) << "the parent is released after the dump";
  FakeServices::Settings() = FakeServices::ServiceSettings();
}

}  // namespace
