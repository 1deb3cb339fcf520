// The partition's record: the current layout, save-then-load of every field,
// what a load replaces and keeps, the records older writers left behind,
// every message of save and load, and damaged records.
#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "Partition/FakeServices.h"
#include "support/ScriptedStream.h"
#include "support/ZoreTest.h"

namespace {

using Kind = ZoreTest::ScriptedStream::Kind;
using ZoreTest::NewPartition;
using ZoreTest::NewPin;
using ZoreTest::Own;
using ZoreTest::ScriptedStream;
using Strings = std::vector<std::string>;

const Port::XUID kId(0x1111222233334444ULL, 0x5555666677778888ULL);

// The operation index of the first pin item: version, revision, identity,
// two names, two flags and the pin count come first.
constexpr int kFirstPinItem = 8;
constexpr int kPinItems = 6;

std::string Error(const char* text) { return std::string("ERROR: ") + text; }

class PartitionRecordTest : public ZoreTest::LeakCheckedTest {
 protected:
  static Prjrep::IPersist* Persist(const CommonI::RefCountPtr<ZavU::IPartition>& p) {
    return CitI::QueryAs<Prjrep::IPersist>(p.get());
  }

  static void AddPin(ZorE::Partition& p, const char* name, std::uint64_t id) {
    ZavU::PinRef pin = NewPin();
    ZorE::PartitionPin& own = Own(pin);
    own.m_name = name;
    own.m_bel = Port::StringBase(std::string("bel_") + name);
    own.m_site = Port::StringBase(std::string("site_") + name);
    own.m_xuid = Port::XUID(id, ~id);
    p.m_pins.push_back(pin);
  }

  /// Every field the record holds, set to something other than its default.
  static void Populate(ZorE::Partition& p, int pins) {
    p.m_xuid = kId;
    p.m_name = "u1";
    p.m_hierarchicalName = "top/u1";
    p.m_isRoot = true;
    p.m_isReconfigurable = true;
    for (int i = 0; i < pins; ++i) AddPin(p, ("p" + std::to_string(i)).c_str(), 100 + i);
    p.m_traits["preserve"] = "routing";
    p.m_traits["fleetmatch"] = "on";
    p.m_timestamps["TS_SYNTHESIS"] = 1700000000;
    p.m_timestamps["TS_CHILD_MODIFIED"] = -1;
    p.m_forceFlags["FF_LOM"] = true;
    p.m_forceFlags["FF_PLACEMENT"] = true;
    for (int i = 0; i < 6; ++i)
      p.m_previousFiles[i] = Port::StringBase("/prev/file" + std::to_string(i));
    p.m_ipFiles = {"ip/fifo.qxp", "ip/pll.qxp"};
    for (int i = 0; i < 5; ++i) {
      p.m_processedTimestamps[i] = 1000 + i;
      p.m_interfaceChangeTimestamps[i] = 2000 + i;
    }
  }

  static Strings PinNames(const ZorE::Partition& p) {
    Strings names;
    for (const ZavU::PinRef& pin : p.m_pins) names.push_back(pin->GetName().str());
    return names;
  }

  static void ExpectSameRecord(const ZorE::Partition& a, const ZorE::Partition& b) {
    EXPECT_EQ(a.m_xuid, b.m_xuid);
    EXPECT_EQ(a.m_name, b.m_name);
    EXPECT_EQ(a.m_hierarchicalName, b.m_hierarchicalName);
    EXPECT_EQ(a.m_isRoot, b.m_isRoot);
    EXPECT_EQ(a.m_isReconfigurable, b.m_isReconfigurable);
    ASSERT_EQ(a.m_pins.size(), b.m_pins.size());
    for (std::size_t i = 0; i < a.m_pins.size(); ++i) {
      const ZorE::PartitionPin& pa = Own(a.m_pins[i]);
      const ZorE::PartitionPin& pb = Own(b.m_pins[i]);
      EXPECT_EQ(pa.m_name, pb.m_name);
      EXPECT_EQ(pa.m_bel, pb.m_bel);
      EXPECT_EQ(pa.m_site, pb.m_site);
      EXPECT_EQ(pa.m_xuid, pb.m_xuid);
    }
    EXPECT_EQ(a.m_traits, b.m_traits);
    EXPECT_EQ(a.m_timestamps, b.m_timestamps);
    EXPECT_EQ(a.m_forceFlags, b.m_forceFlags);
    EXPECT_EQ(a.m_previousFiles, b.m_previousFiles);
    EXPECT_EQ(a.m_ipFiles, b.m_ipFiles);
    EXPECT_EQ(a.m_processedTimestamps, b.m_processedTimestamps);
    EXPECT_EQ(a.m_interfaceChangeTimestamps, b.m_interfaceChangeTimestamps);
  }

  /// The items every format starts with.
  static ScriptedStream& Head(ScriptedStream& s, const char* version, const char* revision) {
    return s.Str(version).Str(revision).Xuid(kId).Str("u1").Str("top/u1");
  }
  static ScriptedStream& PinItems(ScriptedStream& s, const char* name) {
    return s.UInt(2).UInt(0).Xuid(Port::XUID(9, 9)).Str(name).Str("").Str("");
  }
};

// ---- the current layout ----

TEST_F(PartitionRecordTest, EmptyPartitionWritesZeroCountsAndFullArrays) {
  auto saved = NewPartition();
  ScriptedStream s;
  ASSERT_EQ(Persist(saved)->PersistSave(&s), 1);
  std::vector<Kind> kinds = {Kind::String, Kind::String, Kind::Xuid, Kind::String,
                             Kind::String, Kind::Bool,   Kind::Bool, Kind::Int,
                             Kind::Int,    Kind::Int,    Kind::Int,  Kind::Int};
  kinds.insert(kinds.end(), 6, Kind::FileName);
  kinds.push_back(Kind::Int);  // IP files
  for (int array = 0; array < 2; ++array) {
    kinds.push_back(Kind::Int);
    kinds.insert(kinds.end(), 5, Kind::Time);
  }
  ASSERT_EQ(s.items.size(), kinds.size());
  for (std::size_t i = 0; i < kinds.size(); ++i) EXPECT_EQ(s.items[i].kind, kinds[i]) << i;
  EXPECT_EQ(s.items[0].text.str(), "2");
  EXPECT_EQ(s.items[1].text.str(), "0");
  EXPECT_EQ(s.items[11].number, 5) << "last index of the design files";
  EXPECT_EQ(s.items[19].number, 4) << "last index of the processed timestamps";
  EXPECT_EQ(s.items[25].number, 4) << "last index of the interface-change timestamps";
  for (int i : {7, 8, 9, 10, 18}) EXPECT_EQ(s.items[i].number, 0) << "count at item " << i;
  EXPECT_EQ(s.items[20].number, -1);

  auto loaded = NewPartition();
  Populate(Own(loaded), 2);
  s.Rewind();
  ASSERT_EQ(Persist(loaded)->PersistLoad(&s), 1);
  EXPECT_TRUE(s.AtEnd());
  // Timestamps are the one section a load merges into; the rest is replaced.
  Own(loaded).m_timestamps.clear();
  ExpectSameRecord(Own(saved), Own(loaded));
}

TEST_F(PartitionRecordTest, SaveThenLoadRestoresEveryField) {
  ZoreTest::CapturingSink sink;
  auto saved = NewPartition();
  Populate(Own(saved), 3);
  ScriptedStream s;
  ASSERT_EQ(Persist(saved)->PersistSave(&s), 1);
  auto loaded = NewPartition();
  s.Rewind();
  ASSERT_EQ(Persist(loaded)->PersistLoad(&s), 1);
  EXPECT_TRUE(s.AtEnd());
  ExpectSameRecord(Own(saved), Own(loaded));
  EXPECT_EQ(PinNames(Own(loaded)), (Strings{"p0", "p1", "p2"}));
  EXPECT_TRUE(sink.All().empty()) << sink.All().front();
  // The loaded pins are new components, not the saved ones.
  EXPECT_NE(Own(saved).m_pins[0].get(), Own(loaded).m_pins[0].get());
}

TEST_F(PartitionRecordTest, IdentityOperations) {
  auto p = NewPartition();
  Port::XUID out(1, 1);
  EXPECT_EQ(Persist(p)->GetClassXUID(out), 1);
  EXPECT_EQ(out, Port::XUID(Port::XuidFromText("{5d0ffae9-0919-45e9-9f89-3775737fbc86}")));
  EXPECT_EQ(Persist(p)->GetXUID(out), 1);
  EXPECT_TRUE(out.IsZero());
  EXPECT_EQ(Persist(p)->SetXUID(kId), 1);
  EXPECT_EQ(Persist(p)->GetXUID(out), 1);
  EXPECT_EQ(out, kId);
  ScriptedStream s;
  ASSERT_EQ(Persist(p)->PersistSave(&s), 1);
  EXPECT_EQ(s.items[2].xuid, kId) << "the record carries the identity";
}

TEST_F(PartitionRecordTest, LoadReplacesAllButTimestampsAndDropsUnforcedFlags) {
  auto p = NewPartition();
  ZorE::Partition& own = Own(p);
  AddPin(own, "old", 1);
  own.m_traits["old"] = "x";
  own.m_timestamps["TS_ROUTED"] = 5;
  own.m_timestamps["TS_SYNTHESIS"] = 6;
  own.m_forceFlags["FF_TRANSLATE"] = true;
  own.m_ipFiles = {"old.qxp"};

  ScriptedStream s;
  Head(s, "2", "0").Bool(false).Bool(false).Int(1);
  PinItems(s, "new");
  s.Int(1).Str("preserve").Str("placement");
  s.Int(1).Str("TS_SYNTHESIS").Time(60);
  s.Int(3).Str("FF_LOM").Byte(1).Str("FF_PLACEMENT").Byte(0).Str("FF_X").Byte(7);
  s.Int(5);
  for (int i = 0; i < 6; ++i) s.File("f");
  s.Int(1).File("new.qxp");
  s.Int(4).Time(1).Time(2).Time(3).Time(4).Time(5);
  s.Int(4).Time(1).Time(2).Time(3).Time(4).Time(5);
  ASSERT_EQ(Persist(p)->PersistLoad(&s), 1);
  EXPECT_TRUE(s.AtEnd());
  EXPECT_EQ(PinNames(own), Strings{"new"});
  EXPECT_EQ(own.m_traits,
            (std::map<Port::StringBase, Port::StringBase>{{"preserve", "placement"}}));
  EXPECT_EQ(own.m_timestamps,
            (std::map<Port::StringBase, Port::Time>{{"TS_ROUTED", 5}, {"TS_SYNTHESIS", 60}}));
  EXPECT_EQ(own.m_forceFlags, (std::map<Port::StringBase, bool>{{"FF_LOM", true}, {"FF_X", true}}));
  EXPECT_EQ(own.m_ipFiles, std::vector<Port::StringBase>{"new.qxp"});
}

// ---- older formats, laid out as their writers wrote them ----

TEST_F(PartitionRecordTest, VersionOneBeforeRevisionSixKeepsPinsAndClearsReconfigurable) {
  ZoreTest::CapturingSink sink;
  auto p = NewPartition();
  ZorE::Partition& own = Own(p);
  Populate(own, 1);
  const auto before = own.m_processedTimestamps;

  // Revision 0: no root flag, no force flags, design files, IP files or arrays.
  ScriptedStream r0;
  Head(r0, "1", "0").Int(1).Str("preserve").Str("synthesis").Int(1).Str("TS_PACKED").Time(7);
  ASSERT_EQ(Persist(p)->PersistLoad(&r0), 1);
  EXPECT_TRUE(r0.AtEnd());
  EXPECT_FALSE(own.m_isRoot);
  EXPECT_FALSE(own.m_isReconfigurable);
  EXPECT_EQ(PinNames(own), Strings{"p0"});
  EXPECT_EQ(own.m_traits.size(), 1u);
  EXPECT_EQ(own.m_timestamps["TS_PACKED"], 7);
  EXPECT_EQ(own.m_forceFlags.size(), 2u);
  EXPECT_EQ(own.m_previousFiles[0].str(), "/prev/file0");
  EXPECT_EQ(own.m_ipFiles.size(), 2u);
  EXPECT_EQ(own.m_processedTimestamps, before);

  // Revision 2: root flag and one Qnl path written as a plain string.
  own.m_isReconfigurable = true;
  ScriptedStream r2;
  Head(r2, "1", "2").Bool(true).Int(0).Int(0).Str("/old/top.qnl");
  ASSERT_EQ(Persist(p)->PersistLoad(&r2), 1);
  EXPECT_TRUE(r2.AtEnd());
  EXPECT_TRUE(own.m_isRoot);
  EXPECT_FALSE(own.m_isReconfigurable);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(own.m_previousFiles[i].str(), "") << i;
  EXPECT_EQ(own.m_previousFiles[5].str(), "/old/top.qnl");
  EXPECT_EQ(own.m_forceFlags.size(), 2u) << "no force flags before revision 3";

  // Revision 5: force flags, the Qnl path and IP files all as plain strings.
  ScriptedStream r5;
  Head(r5, "1", "5").Bool(false).Int(0).Int(0);
  r5.Int(1).Str("FF_LOM").Byte(1).Str("/r5.qnl").Int(2).Str("a.qxp").Str("b.qxp");
  ASSERT_EQ(Persist(p)->PersistLoad(&r5), 1);
  EXPECT_TRUE(r5.AtEnd());
  EXPECT_EQ(own.m_forceFlags, (std::map<Port::StringBase, bool>{{"FF_LOM", true}}));
  EXPECT_EQ(own.m_previousFiles[5].str(), "/r5.qnl");
  EXPECT_EQ(own.m_ipFiles, (std::vector<Port::StringBase>{"a.qxp", "b.qxp"}));
  EXPECT_EQ(PinNames(own), Strings{"p0"});
  EXPECT_EQ(own.m_processedTimestamps, before);
  EXPECT_TRUE(sink.All().empty());
}

TEST_F(PartitionRecordTest, VersionOneRevisionsSixAndSevenAndShortIndexes) {
  ZoreTest::CapturingSink sink;
  auto p = NewPartition();
  ZorE::Partition& own = Own(p);
  Populate(own, 0);
  const auto before = own.m_interfaceChangeTimestamps;

  // Revision 6: pins arrive; the Qnl path and IP files are file names.
  ScriptedStream r6;
  Head(r6, "1", "6").Bool(false).Bool(true).Int(1);
  PinItems(r6, "d");
  r6.Int(0).Int(0).Int(0).File("/r6.qnl").Int(1).File("c.qxp");
  ASSERT_EQ(Persist(p)->PersistLoad(&r6), 1);
  EXPECT_TRUE(r6.AtEnd());
  EXPECT_TRUE(own.m_isReconfigurable);
  EXPECT_EQ(PinNames(own), Strings{"d"});
  EXPECT_EQ(own.m_previousFiles[5].str(), "/r6.qnl");
  EXPECT_EQ(own.m_previousFiles[0].str(), "");
  EXPECT_EQ(own.m_ipFiles, std::vector<Port::StringBase>{"c.qxp"});
  EXPECT_EQ(own.m_interfaceChangeTimestamps, before);

  // Revision 7 holds the current sections; short last indexes leave the
  // entries after them empty or never set.
  ScriptedStream r7;
  Head(r7, "1", "7").Bool(false).Bool(false).Int(0).Int(0).Int(0).Int(0);
  r7.Int(2).File("q0").File("q1").File("q2").Int(0);
  r7.Int(1).Time(11).Time(12).Int(1).Time(21).Time(22);
  ASSERT_EQ(Persist(p)->PersistLoad(&r7), 1);
  EXPECT_TRUE(r7.AtEnd());
  EXPECT_EQ(own.m_previousFiles, (std::array<Port::StringBase, 6>{"q0", "q1", "q2", "", "", ""}));
  EXPECT_EQ(own.m_processedTimestamps, (std::array<Port::Time, 5>{11, 12, -1, -1, -1}));
  EXPECT_EQ(own.m_interfaceChangeTimestamps, (std::array<Port::Time, 5>{21, 22, -1, -1, -1}));
  EXPECT_TRUE(own.m_pins.empty());

  // A negative last index reads nothing and empties every entry.
  ScriptedStream negative;
  Head(negative, "2", "0").Bool(false).Bool(false).Int(0).Int(0).Int(0).Int(0);
  negative.Int(-7).Int(0).Int(-1).Int(INT_MIN);
  ASSERT_EQ(Persist(p)->PersistLoad(&negative), 1);
  EXPECT_TRUE(negative.AtEnd());
  for (const auto& path : own.m_previousFiles) EXPECT_EQ(path.str(), "");
  EXPECT_EQ(own.m_processedTimestamps, (std::array<Port::Time, 5>{-1, -1, -1, -1, -1}));
  EXPECT_EQ(own.m_interfaceChangeTimestamps, (std::array<Port::Time, 5>{-1, -1, -1, -1, -1}));
  EXPECT_TRUE(sink.All().empty());
}

TEST_F(PartitionRecordTest, OtherVersionsReadAsCurrentOrAsVersionZero) {
  ZoreTest::CapturingSink sink;
  auto source = NewPartition();
  Populate(Own(source), 2);
  ScriptedStream current;
  ASSERT_EQ(Persist(source)->PersistSave(&current), 1);

  // Newer versions, "-1" among them (compared unsigned), read like the current one.
  for (const char* version : {"3", "-1", "2 "}) {
    ScriptedStream s = current;
    s.items[0].text = version;
    s.items[1].text = "41";
    auto p = NewPartition();
    ASSERT_EQ(Persist(p)->PersistLoad(&s), 1) << version;
    EXPECT_TRUE(s.AtEnd()) << version;
    ExpectSameRecord(Own(source), Own(p));
  }

  // A version that is not a number reads as 0: no design files and no
  // timestamp arrays, everything else as in the current format.
  for (const char* version : {"0", "two"}) {
    ScriptedStream s;
    Head(s, version, "0").Bool(true).Bool(true).Int(0).Int(0).Int(0);
    s.Int(1).Str("FF_LOM").Byte(1).Int(1).File("v0.qxp");
    auto p = NewPartition();
    Own(p).m_previousFiles[1] = "kept";
    ASSERT_EQ(Persist(p)->PersistLoad(&s), 1) << version;
    EXPECT_TRUE(s.AtEnd()) << version;
    EXPECT_TRUE(Own(p).m_isReconfigurable);
    EXPECT_EQ(Own(p).m_previousFiles[1].str(), "kept");
    EXPECT_EQ(Own(p).m_ipFiles, std::vector<Port::StringBase>{"v0.qxp"});
    EXPECT_EQ(Own(p).m_processedTimestamps[0], -1);
  }
  EXPECT_TRUE(sink.All().empty());
}

// ---- messages ----

TEST_F(PartitionRecordTest, EveryFailedWriteReportsItsItem) {
  auto p = NewPartition();
  Populate(Own(p), 1);
  ScriptedStream whole;
  ASSERT_EQ(Persist(p)->PersistSave(&whole), 1);
  const int operations = whole.operations;

  Strings distinct;  // messages in the order they first appear
  for (int k = 0; k < operations; ++k) {
    ZoreTest::CapturingSink sink;
    ScriptedStream s;
    s.failAt = k;
    EXPECT_EQ(Persist(p)->PersistSave(&s), 0) << "operation " << k;
    EXPECT_EQ(s.items.size(), static_cast<std::size_t>(k)) << "items before the failure stay";
    const bool inPin = k >= kFirstPinItem && k < kFirstPinItem + kPinItems;
    EXPECT_EQ(sink.All().size(), inPin ? 2u : 1u) << "operation " << k;
    for (const std::string& m : sink.All()) {
      if (std::find(distinct.begin(), distinct.end(), m) == distinct.end()) distinct.push_back(m);
    }
  }
  const Strings expected = {
      Error("Partition::PersistSave: Failed to write Partition version number.  Partition data "
            "not written.\n"),
      Error("Partition::PersistSave: Failed to write Partition revision number.  Partition data "
            "not written.\n"),
      Error("Partition::PersistSave: Failed to write Partition XUID.  Partition data not "
            "written.\n"),
      Error("Partition::PersistSave: Failed to write Partition name.  Partition data not "
            "written.\n"),
      Error("Partition::PersistSave: Failed to write Partition hierarchical name.  Partition "
            "data not written.\n"),
      Error("Partition::PersistSave: Failed to write Partition root flag.  Partition data not "
            "written.\n"),
      Error("Partition::PersistSave: Failed to write Partition Reconfigurable flag.  Partition "
            "data not written.\n"),
      Error("Partition::PersistSave: Failed to write number of Partition Pins.  Partition data "
            "not written.\n"),
      Error("PartitionPin::PersistSave: Failed to write Partition Pin version number.  Partition "
            "Pin data not written.\n"),
      Error("Failed to write partition pin \"p0\".  HDProject data not written to the Project "
            "file.\n"),
      Error("PartitionPin::PersistSave: Failed to write Partition Pin revision number.  "
            "Partition Pin data not written.\n"),
      Error("PartitionPin ::PersistSave: Failed to write Partition Pin XUID.  Partition Pin data "
            "not written.\n"),
      Error("PartitionPin ::PersistSave: Failed to write Partition Pin name.  Partition Pin data "
            "not written.\n"),
      Error("PartitionPin ::PersistSave: Failed to write Partition Pin Bel name.  Partition Pin "
            "data not written.\n"),
      Error("PartitionPin ::PersistSave: Failed to write Partition Pin Site name.  Partition Pin "
            "data not written.\n"),
      Error("Partition::PersistSave: Failed to write number of Partition traits.  Partition data "
            "not written.\n"),
      Error("Partition::PersistSave: Failed to write Partition Partition traits.  Partition data "
            "not written.\n"),
      Error("Partition::PersistSave: Failed to write number of Partition timestamps.  Partition "
            "data not written.\n"),
      Error("Partition::PersistSave: Failed to write Partition timestamps.  Partition data not "
            "written.\n"),
      Error("Partition::PersistSave: Failed to write number of Partition force flags.  "
            "Partition data not written.\n"),
      Error("Partition::PersistSave: Failed to write Partition force flags.  Partition data not "
            "written.\n"),
      Error("Partition::PersistSave: Failed to write Qnl file name.  Partition data not "
            "written.\n"),
      Error("Partition::PersistSave: Failed to write number of IP filenames.  Partition data not "
            "written.\n"),
      Error("Partition::PersistSave: Failed to write Partition IP filenames.  Partition data not "
            "written.\n"),
      Error("Partition::PersistSave: Failed to write Partition Processed timestamps.  Partition "
            "data not written.\n"),
      Error("Partition::PersistSave: Failed to write Partition Interface Change timestamps.  "
            "Partition data not written.\n"),
  };
  EXPECT_EQ(distinct, expected);
}

/// A pin that answers only IPartitionPin: it has no record of its own.
class PinWithoutRecord : public ZavU::IPartitionPin {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return iid == ZavU::IPartitionPin::kIID ? this : nullptr;
  }
  CitI::Status SetName(const Port::StringBase&) override { return 1; }
  Port::StringBase GetName() override { return "bare"; }
  CitI::Status Dump() override { return 1; }
  CitI::Status SetPartitionPinBel(const Port::StringBase&) override { return 0; }
  Port::StringBase GetPartitionPinBel() override { return {}; }
  CitI::Status SetPartitionPinSite(const Port::StringBase&) override { return 0; }
  Port::StringBase GetPartitionPinSite() override { return {}; }
  CitI::Status ClearPartitionPinBelAndSite() override { return 0; }
  CitI::Status GetVersion(std::uint32_t*, std::uint32_t*) override { return 1; }
};

TEST_F(PartitionRecordTest, PinWithoutPersistInterfaceStopsTheSave) {
  PinWithoutRecord bare;  // outlives the partition that lists it
  auto p = NewPartition();
  Own(p).m_pins.push_back(ZavU::PinRef(&bare));
  ZoreTest::CapturingSink sink;
  ScriptedStream s;
  EXPECT_EQ(Persist(p)->PersistSave(&s), 0);
  EXPECT_EQ(sink.All(), Strings{Error("Failed to create partition pin persist Interface.  "
                                      "HDProject data not written to the Project file.\n")});
  EXPECT_EQ(s.items.size(), static_cast<std::size_t>(kFirstPinItem));
}

TEST_F(PartitionRecordTest, EveryFailedReadReportsItsItem) {
  auto source = NewPartition();
  Populate(Own(source), 1);
  ScriptedStream current;
  ASSERT_EQ(Persist(source)->PersistSave(&current), 1);
  // A revision 5 record, for the old single Qnl path.
  ScriptedStream r5;
  Head(r5, "1", "5").Bool(false).Int(0).Int(0).Int(0).Str("/r5.qnl").Int(0);

  std::set<std::string> seen;
  Strings firstInOrder;  // the first message of each failed item, new ones only
  for (ScriptedStream* record : {&current, &r5}) {
    for (std::size_t k = 0; k < record->items.size(); ++k) {
      ZoreTest::CapturingSink sink;
      record->Rewind(static_cast<int>(k));
      auto p = NewPartition();
      const CitI::Status status = Persist(p)->PersistLoad(record);
      const bool inPin = record == &current && k >= kFirstPinItem &&
                         k < static_cast<std::size_t>(kFirstPinItem + kPinItems);
      // A pin that fails is left out; only its last item keeps the rest of
      // the record in step, so only then does the load go on to succeed.
      if (!inPin || k + 1 < static_cast<std::size_t>(kFirstPinItem + kPinItems)) {
        EXPECT_EQ(status, 0) << "item " << k;
      } else {
        EXPECT_EQ(status, 1) << "item " << k;
      }
      const Strings messages = sink.All();
      EXPECT_FALSE(messages.empty()) << "item " << k;
      seen.insert(messages.begin(), messages.end());
      if (!messages.empty() && std::find(firstInOrder.begin(), firstInOrder.end(),
                                         messages.front()) == firstInOrder.end()) {
        firstInOrder.push_back(messages.front());
      }
    }
  }
  // In record order; the old single Qnl path comes from the revision 5 record.
  const Strings ordered = {
      Error("Partition::PersistLoad: Failed to read Partition version.  Partition not loaded.\n"),
      Error("Partition::PersistLoad: Failed to read Partition revision.  Partition not "
            "loaded.\n"),
      Error("Partition::PersistLoad: Failed to read Partition XUID.  Partition not loaded.\n"),
      Error("Partition::PersistLoad: Failed to read Partition name.  Partition not loaded.\n"),
      Error("Partition::PersistLoad: Failed to read Partition hierarchical name.  Partition not "
            "loaded.\n"),
      Error("Partition::PersistSave: Failed to read Partition root flag.  Partition data not "
            "written.\n"),
      Error("Partition::PersistSave: Failed to read Partition Reconfigurable flag.  Partition "
            "data not written.\n"),
      Error("Partition::PersistLoad: Failed to read number of Partition Pins.  Partition not "
            "loaded.\n"),
      Error("PartitionPin::PersistLoad: Failed to read Partition Pin version.  Partition Pin not "
            "loaded.\n"),
      Error("PartitionPin::PersistLoad: Failed to read Partition Pin revision.  Partition Pin "
            "not loaded.\n"),
      Error("PartitionPin::PersistLoad: Failed to read Partition Pin XUID.  Partition Pin not "
            "loaded.\n"),
      Error("PartitionPin::PersistLoad: Failed to read Partition Pin name.  Partition Pin not "
            "loaded.\n"),
      Error("PartitionPin::PersistLoad: Failed to read Partition Pin Bel.  Partition Pin not "
            "loaded.\n"),
      Error("PartitionPin::PersistLoad: Failed to read Partition Pin Site.  Partition Pin not "
            "loaded.\n"),
      Error("Failed to load Partition Pin 0.  Partition Pin not loaded.\n"),
      Error("Partition::PersistLoad: Failed to read number of Partition traits.  Partition not "
            "loaded.\n"),
      Error("Partition::PersistLoad: Failed to read Partition traits.  Partition not loaded.\n"),
      Error("Partition::PersistLoad: Failed to read number of Partition timestamps.  Partition "
            "not loaded.\n"),
      Error("Partition::PersistLoad: Failed to read Partition timestamps.  Partition not "
            "loaded.\n"),
      Error("Partition::PersistLoad: Failed to read number of Partition force flags.  Partition "
            "not loaded.\n"),
      Error("Partition::PersistLoad: Failed to read Partition force flags.  Partition not "
            "loaded.\n"),
      Error("Partition::PersistLoad: Failed to read Partition design file names.  Partition not "
            "loaded.\n"),
      Error("Partition::PersistLoad: Failed to read number of Partition IP filenames.  "
            "Partition not loaded.\n"),
      Error("Partition::PersistLoad: Failed to read Partition IP filenames.  Partition not "
            "loaded.\n"),
      Error("Partition::PersistLoad: Failed to read Partition Processed timestamps.  Partition "
            "data not written.\n"),
      Error("Partition::PersistLoad: Failed to read Partition Interface Change timestamps.  "
            "Partition data not written.\n"),
      Error("Partition::PersistLoad: Failed to read Qnl file name.  Partition not loaded.\n"),
  };
  EXPECT_EQ(seen, std::set<std::string>(ordered.begin(), ordered.end()));
  // Each failed item is reported with its own message first: the first
  // messages, taken item by item, come in record order. The pin index
  // message only ever follows the pin's own.
  Strings expectedFirst = ordered;
  expectedFirst.erase(std::find(expectedFirst.begin(), expectedFirst.end(),
                                Error("Failed to load Partition Pin 0.  Partition Pin not "
                                      "loaded.\n")));
  EXPECT_EQ(firstInOrder, expectedFirst);
}

TEST_F(PartitionRecordTest, OneBadPinAmongGoodOnesIsSkippedWithItsIndex) {
  auto source = NewPartition();
  Populate(Own(source), 3);
  ScriptedStream s;
  ASSERT_EQ(Persist(source)->PersistSave(&s), 1);
  // The Site item of pin 1 fails; its record is otherwise whole.
  s.Rewind(kFirstPinItem + 2 * kPinItems - 1);
  ZoreTest::CapturingSink sink;
  auto p = NewPartition();
  ASSERT_EQ(Persist(p)->PersistLoad(&s), 1);
  EXPECT_TRUE(s.AtEnd());
  EXPECT_EQ(PinNames(Own(p)), (Strings{"p0", "p2"}));
  EXPECT_EQ(sink.All(),
            (Strings{Error("PartitionPin::PersistLoad: Failed to read Partition Pin Site.  "
                           "Partition Pin not loaded.\n"),
                     Error("Failed to load Partition Pin 1.  Partition Pin not loaded.\n")}));
  EXPECT_EQ(Own(p).m_traits, Own(source).m_traits) << "the load went on past the pins";
}

TEST_F(PartitionRecordTest, PinsThatCannotBeMadeAreReportedBySteps) {
  // One announced pin whose record the stream does not hold: the traits follow.
  auto record = [] {
    ScriptedStream s;
    Head(s, "2", "0").Bool(false).Bool(false).Int(1);
    s.Int(1).Str("preserve").Str("placement").Int(0).Int(0).Int(-1).Int(0).Int(-1).Int(-1);
    return s;
  };
  auto p = NewPartition();
  Populate(Own(p), 1);
  FakeServices::NotAPinFactory notAPins;
  {
    struct Restore {
      ~Restore() { FakeServices::RestoreRegistry(); }
    } restore;
    ZoreTest::CapturingSink sink;

    // The registry knows no pin class: nothing was created.
    CitP::Factory::Shutdown();
    ScriptedStream unknown = record();
    EXPECT_EQ(Persist(p)->PersistLoad(&unknown), 1);
    EXPECT_TRUE(unknown.AtEnd());
    EXPECT_TRUE(Own(p).m_pins.empty()) << "the old pins were replaced";

    // Something was created, but it has no record interface.
    CitP::Factory::RegisterFactory(Port::XUID(Xuids::ZorE_PartitionPin), &notAPins);
    ScriptedStream noRecord = record();
    EXPECT_EQ(Persist(p)->PersistLoad(&noRecord), 1);
    EXPECT_TRUE(noRecord.AtEnd());
    EXPECT_TRUE(Own(p).m_pins.empty());
    EXPECT_EQ(FakeServices::NotAPin::live, 0) << "the object that is not a pin is dropped";

    EXPECT_EQ(sink.All(),
              (Strings{Error("Can't create Partition Pin interface.  Partition Pin not loaded.\n"),
                       Error("Can't create Partition Pin persist interface.  Partition Pin not "
                             "loaded.\n")}));
    // The pin the first load replaced leaves its own trace when it goes.
    EXPECT_EQ(sink.Texts(Port_Severity::Debug),
              (Strings{"Reading 1 partition pins\n", "In ZorE::PartitionPin::~PartitionPin\n",
                       "Reading 1 partition pins\n"}));
    EXPECT_EQ(Own(p).m_traits.size(), 1u) << "the load went on past the pins";
  }
}

// ---- damaged records ----

TEST_F(PartitionRecordTest, LastIndexPastTheArrayRejectsTheRecordUntouched) {
  ZoreTest::CapturingSink sink;
  auto p = NewPartition();
  ZorE::Partition& own = Own(p);
  Populate(own, 0);
  const auto files = own.m_previousFiles;
  const auto processed = own.m_processedTimestamps;

  ScriptedStream designFiles;
  Head(designFiles, "2", "0").Bool(true).Bool(false).Int(0).Int(0).Int(0).Int(0).Int(6);
  for (int i = 0; i < 7; ++i) designFiles.File("x");
  EXPECT_EQ(Persist(p)->PersistLoad(&designFiles), 0);
  EXPECT_EQ(own.m_previousFiles, files);

  ScriptedStream times;
  Head(times, "2", "0").Bool(true).Bool(false).Int(0).Int(0).Int(0).Int(0).Int(-1).Int(0);
  times.Int(INT_MAX);
  for (int i = 0; i < 10; ++i) times.Time(i);
  EXPECT_EQ(Persist(p)->PersistLoad(&times), 0);
  EXPECT_EQ(own.m_processedTimestamps, processed);

  EXPECT_EQ(sink.All(),
            (Strings{Error("Partition::PersistLoad: Partition design file list ends at index 6, "
                           "past the last entry 5.  Partition not loaded.\n"),
                     Error("Partition::PersistLoad: Partition Processed timestamps ends at index "
                           "2147483647, past the last entry 4.  Partition not loaded.\n")}));
}

TEST_F(PartitionRecordTest, HugeCountsOnACutStreamEndWithoutRunningOn) {
  ZoreTest::CapturingSink sink;
  auto p = NewPartition();
  ZorE::Partition& own = Own(p);
  Populate(own, 2);

  // A pin count of two billion with nothing after it: the pins fail back to
  // back and the loop gives up after a few, emptying the old pin list.
  ScriptedStream pins;
  Head(pins, "2", "0").Bool(false).Bool(false).Int(INT_MAX);
  EXPECT_EQ(Persist(p)->PersistLoad(&pins), 0);
  EXPECT_TRUE(own.m_pins.empty());
  const Strings errors = sink.All();
  ASSERT_FALSE(errors.empty());
  EXPECT_LE(errors.size(), 20u);
  EXPECT_EQ(errors.back(), Error("Partition::PersistLoad: 8 Partition Pins in a row failed to "
                                 "load; the pin records are damaged.  Partition not loaded.\n"));
  EXPECT_EQ(std::count(errors.begin(), errors.end(),
                       Error("Failed to load Partition Pin 7.  Partition Pin not loaded.\n")),
            1);

  // A huge trait count ends with the first pair the stream lacks.
  sink.Clear();
  ScriptedStream traits;
  Head(traits, "2", "0").Bool(false).Bool(false).Int(0).Int(INT_MAX).Str("a").Str("b");
  EXPECT_EQ(Persist(p)->PersistLoad(&traits), 0);
  EXPECT_EQ(own.m_traits.size(), 1u);
  EXPECT_EQ(sink.All(), Strings{Error("Partition::PersistLoad: Failed to read Partition traits.  "
                                      "Partition not loaded.\n")});

  // Negative counts read nothing, and still empty what they replace.
  sink.Clear();
  ScriptedStream negative;
  Head(negative, "2", "0").Bool(false).Bool(false).Int(-3).Int(INT_MIN).Int(-1).Int(-1);
  negative.Int(-1).Int(-2).Int(-1).Int(-1);
  AddPin(own, "gone", 5);
  own.m_forceFlags["FF_LOM"] = true;
  EXPECT_EQ(Persist(p)->PersistLoad(&negative), 1);
  EXPECT_TRUE(negative.AtEnd());
  EXPECT_TRUE(own.m_pins.empty());
  EXPECT_TRUE(own.m_traits.empty());
  EXPECT_TRUE(own.m_forceFlags.empty());
  EXPECT_TRUE(own.m_ipFiles.empty());
  EXPECT_TRUE(sink.All().empty());
}

TEST_F(PartitionRecordTest, RecordCutInsideAPinKeepsThePinsBeforeIt) {
  ZoreTest::CapturingSink sink;
  ScriptedStream s;
  Head(s, "2", "0").Bool(false).Bool(false).Int(3);
  PinItems(s, "whole");
  s.UInt(2).UInt(0).Xuid(Port::XUID(1, 2));  // the file ends here
  auto p = NewPartition();
  EXPECT_EQ(Persist(p)->PersistLoad(&s), 0);
  EXPECT_EQ(PinNames(Own(p)), Strings{"whole"});
  const Strings errors = sink.All();
  EXPECT_EQ(errors.back(), Error("Partition::PersistLoad: Failed to read number of Partition "
                                 "traits.  Partition not loaded.\n"));
  EXPECT_NE(std::find(errors.begin(), errors.end(),
                      Error("Failed to load Partition Pin 2.  Partition Pin not loaded.\n")),
            errors.end());
}

}  // namespace
