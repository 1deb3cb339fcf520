// A pin's record loaded into a pin its partition has already found by name:
// the name the record brings replaces the old one in the partition's lookups
// as a rename through SetName would, and a record that keeps the name
// changes nothing.
#include <gtest/gtest.h>

#include "Prjrep/IPersist.h"
#include "support/Probe.h"
#include "support/ScriptedStream.h"
#include "support/ZoreTest.h"

namespace {

using ZoreTest::PartitionProbe;
using ZoreTest::ScriptedStream;

class PinRecordRename : public ZoreTest::LeakCheckedTest {};

struct RenameCase {
  const char* loadedName;  // the name in the record loaded into pin "b"
  // What finding each of the names a, b, c, z answers afterwards: the index
  // of the pin in the list (a, b, c), or -1 for none.
  int a, b, c, z;
};

TEST_F(PinRecordRename, FindingFollowsTheNameALoadedRecordBrings) {
  const RenameCase cases[] = {
      {"z", 0, -1, 2, 1},   // a new name: found under it, no longer under the old
      {"b", 0, 1, 2, -1},   // the same name: nothing moves
      {"a", 0, -1, 2, -1},  // an earlier pin's name: that pin stays first
      {"c", 0, -1, 1, -1},  // a later pin's name: this pin is now the first
  };
  for (const RenameCase& c : cases) {
    auto p = ZoreTest::NewPartition();
    for (const char* name : {"a", "b", "c"}) ASSERT_EQ(p->AddPartitionPin(name), 1);
    const auto& pins = PartitionProbe(p).Pins();
    // Every name is found once, so the partition has indexed every pin.
    for (const char* name : {"a", "b", "c"}) ASSERT_TRUE(p->FindPartitionPin(name)) << name;

    ScriptedStream record;
    record.UInt(2).UInt(0).Xuid(Port::XUID()).Str(c.loadedName).Str("").Str("");
    auto* persist = CitI::QueryAs<Prjrep::IPersist>(pins[1].get());
    ASSERT_EQ(persist->PersistLoad(&record), 1) << c.loadedName;

    const std::pair<const char*, int> expected[] = {{"a", c.a}, {"b", c.b}, {"c", c.c}, {"z", c.z}};
    for (const auto& [name, at] : expected) {
      EXPECT_EQ(p->FindPartitionPin(name).get(), at < 0 ? nullptr : pins[at].get())
          << "loaded " << c.loadedName << ", finding " << name;
    }
  }
}

}  // namespace
