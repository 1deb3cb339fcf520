// The parts of a partition's diagnostic dump that hdpart show never fills:
// timestamps, force flags, IP files and the per-view times (the rest is
// checked by tests/hdpart/cases).
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

  /// The dump's text from its timestamps up to its pins, and from its copy
  /// timestamps on; every line is a status message of the library's domain.
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
    const std::size_t from = text.find("   Number of timestamps");
    return text.substr(from, text.find("   Number of PPs") - from) +
           text.substr(text.find("   Copy timestamps"));
  }
};

TEST_F(PartitionDump, TimestampsForceFlagsAndIpFilesInOrder) {
  auto p = NewPartition();
  StoredState stored;
  stored.timestamps = {{"TS_CHILD_MODIFIED", 0}, {"TS_EXPANDED", 86400}, {"TS_SYNTHESIS", -1}};
  stored.forced = {"FF_LOM", "FF_TRANSLATE"};
  stored.ipFiles = {"ip/fifo.qxp", "ip/pll.qxp"};
  stored.processed = {0, -1, 86400, -1, -1};
  stored.interfaceChange = {-1, -1, -1, -1, 0};
  stored.LoadInto(p.get());
  // A time never set carries no line end of its own; a calendar text ends its
  // own line, and the labelled rows add one.
  EXPECT_EQ(Dumped(p),
            "   Number of timestamps = 3\n      TS_CHILD_MODIFIED = Thu Jan  1 00:00:00 1970\n"
            "      TS_EXPANDED = Fri Jan  2 00:00:00 1970\n      TS_SYNTHESIS = -1"
            "   Force flags:\n      FF_LOM = true\n      FF_TRANSLATE = true\n"
            "   Qnl file = \n   Number of IP = 2\n      ip/fifo.qxp\n      ip/pll.qxp\n"
            "   Copy timestamps\n"
            "      SYNTHESIS   : Thu Jan  1 00:00:00 1970\n\n      EXPANDED    : -1\n"
            "      FRAGCOVERED : Fri Jan  2 00:00:00 1970\n\n      PACKED      : -1\n"
            "      ROUTED      : -1\n   Interface Change timestamps\n      SYNTHESIS   : -1\n"
            "      EXPANDED    : -1\n      FRAGCOVERED : -1\n      PACKED      : -1\n"
            "      ROUTED      : Thu Jan  1 00:00:00 1970\n\n"
            "---------------------------------------------------\n");
  EXPECT_EQ(Dumped(NewPartition()).find("Force flags"), std::string::npos) << "none forced";
}

}  // namespace
