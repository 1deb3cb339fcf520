// The diagnostic dump of a partition holding something in every field (the
// project's location and the parent are shown by hdpart show).
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "Partition/StoredState.h"
#include "support/ZoreTest.h"

namespace {

using namespace ZoreTest;

class PartitionDump : public LeakCheckedTest {
 protected:
  void SetUp() override {
    LeakCheckedTest::SetUp();
    setenv("TZ", "UTC", 1);  // calendar texts below are those of UTC
    tzset();
  }

  /// The text a dump issues from its list of traits on (the rows before are
  /// the same for every partition); every line is a status message of the
  /// library's domain.
  static std::string Dumped(const PartitionRef& p) {
    CapturingSink sink;
    EXPECT_EQ(p->Dump(), 1);
    std::string text;
    for (const Port_Message& m : sink.messages) {
      if (m.severity == Port_Severity::Debug) continue;
      EXPECT_EQ(m.severity, Port_Severity::Status) << m.text;
      EXPECT_EQ(m.domain, "VudododirazaDoruviV");
      text += m.text;
    }
    return text.substr(text.find("   Number of traits"));
  }
};

TEST_F(PartitionDump, EveryFieldInOrder) {
  auto p = NewPartition();
  StoredState stored;
  stored.root = stored.reconfigurable = true;
  stored.pins = {"clk", ""};
  stored.traits = {{"guide", "yes"}, {"preserve", "placement"}};
  stored.timestamps = {{"TS_CHILD_MODIFIED", 0}, {"TS_EXPANDED", 86400}, {"TS_SYNTHESIS", -1}};
  stored.forced = {"FF_LOM", "FF_TRANSLATE"};
  stored.files = {"a.qdb", "a.qmp", "a.packed", "a.routed", "a.qhv", "a.qnl"};
  stored.ipFiles = {"ip/fifo.qxp", "ip/pll.qxp"};
  stored.processed = {0, -1, 86400, -1, -1};
  stored.interfaceChange = {-1, -1, -1, -1, 0};
  stored.LoadInto(p.get());
  p->SetIsolated(true);
  // A time never set carries no line end of its own; a calendar text ends its
  // own line, and the labelled rows add one.
  EXPECT_EQ(Dumped(p),
            "   Number of traits = 2\n      guide = yes\n      preserve = placement\n"
            "   Number of timestamps = 3\n      TS_CHILD_MODIFIED = Thu Jan  1 00:00:00 1970\n"
            "      TS_EXPANDED = Fri Jan  2 00:00:00 1970\n      TS_SYNTHESIS = -1"
            "   Force flags:\n      FF_LOM = true\n      FF_TRANSLATE = true\n"
            "   Qnl file = a.qnl\n   Number of IP = 2\n      ip/fifo.qxp\n      ip/pll.qxp\n"
            "   Number of PPs = 2\nPartition Pin \"clk\":\nPartition Pin \"\":\n"
            "   Is marked reconfigurable = true\n   IsIsolated = true\n"
            "   HDProject location       = NULL\n   Parent Name              = NULL\n"
            "   Previous Files\n      QDB        : a.qdb\n      QMP        : a.qmp\n"
            "      Packed_QPR : a.packed\n      Routed_QPR : a.routed\n"
            "      QHV        : a.qhv\n      QNL        : a.qnl\n   Copy timestamps\n"
            "      SYNTHESIS   : Thu Jan  1 00:00:00 1970\n\n      EXPANDED    : -1\n"
            "      FRAGCOVERED : Fri Jan  2 00:00:00 1970\n\n      PACKED      : -1\n"
            "      ROUTED      : -1\n   Interface Change timestamps\n      SYNTHESIS   : -1\n"
            "      EXPANDED    : -1\n      FRAGCOVERED : -1\n      PACKED      : -1\n"
            "      ROUTED      : Thu Jan  1 00:00:00 1970\n\n"
            "---------------------------------------------------\n");
  EXPECT_EQ(Dumped(NewPartition()).find("Force flags"), std::string::npos) << "none forced";
}

}  // namespace
