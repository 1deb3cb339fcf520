// The partition's record: the current layout, save-then-load of every field,
// what a load replaces and keeps, the records older writers left behind,
// every message of save and load, and damaged records.
#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "Partition/FakeServices.h"
#include "Partition/PartitionRecordFormat.h"
#include "Partition/StoredState.h"
#include "ZavU/IPartitionTracking.h"
#include "support/Probe.h"
#include "support/ZoreTest.h"

namespace {

using Kind = ZoreTest::ScriptedStream::Kind;
using PartitionRef = CommonI::RefCountPtr<ZavU::IPartition>;
using Strings = std::vector<std::string>;
using ZoreTest::NewPartition;
using ZoreTest::PartitionProbe;
using ZoreTest::ScriptedStream;

const Port::XUID kId(0x1111222233334444ULL, 0x5555666677778888ULL);

// The operation index of the first pin item: version, revision, identity,
// two names, two flags and the pin count come first.
constexpr int kFirstPinItem = 8;
constexpr int kPinItems = 6;

std::string Error(const char* text) { return std::string("ERROR: ") + text; }

Prjrep::IPersist* Persist(const PartitionRef& p) {
  return CitI::QueryAs<Prjrep::IPersist>(p.get());
}

/// Every field the record holds, set to something other than its default.
ZoreTest::StoredState Full(int pins) {
  ZoreTest::StoredState state;
  state.xuid = kId;
  state.name = "u1";
  state.hierarchicalName = "top/u1";
  state.root = state.reconfigurable = true;
  for (int i = 0; i < pins; ++i) state.pins.push_back("p" + std::to_string(i));
  state.traits = {{"fleetmatch", "on"}, {"preserve", "routing"}};
  state.timestamps = {{"TS_CHILD_MODIFIED", -1}, {"TS_SYNTHESIS", 1700000000}};
  state.forced = {"FF_LOM", "FF_PLACEMENT"};
  for (int i = 0; i < 6; ++i) state.files[i] = "/prev/file" + std::to_string(i);
  state.ipFiles = {"ip/fifo.qxp", "ip/pll.qxp"};
  for (int i = 0; i < 5; ++i) {
    state.processed[i] = 1000 + i;
    state.interfaceChange[i] = 2000 + i;
  }
  return state;
}

/// The record `p` saves, item by item as text: what a load must restore.
Strings Saved(const PartitionRef& p) {
  ScriptedStream s;
  EXPECT_EQ(Persist(p)->PersistSave(&s), 1);
  Strings items;
  for (const auto& item : s.items) {
    items.push_back(std::to_string(static_cast<int>(item.kind)) + ":" +
                    std::to_string(item.number) + ":" + item.text.str() + ":" +
                    std::to_string(item.xuid.Word1() ^ item.xuid.Word2()));
  }
  return items;
}

Strings PinNames(const PartitionRef& p) {
  Strings names;
  for (const ZavU::PinRef& pin : PartitionProbe(p).Pins()) names.push_back(pin->GetName().str());
  return names;
}

Strings Files(const PartitionRef& p) {
  Strings files;
  for (int i = 0; i < 6; ++i) {
    files.push_back(p.As<ZavU::IPartitionFileTracking>()->GetPreviousDesignFile(i).str());
  }
  return files;
}

class PartitionRecordTest : public ZoreTest::LeakCheckedTest {
 protected:
  /// The items every format starts with.
  static ScriptedStream& Head(ScriptedStream& s, const char* version, const char* revision) {
    return s.Str(version).Str(revision).Xuid(kId).Str("u1").Str("top/u1");
  }
  static ScriptedStream& PinItems(ScriptedStream& s, const char* name) {
    return s.UInt(2).UInt(0).Xuid(Port::XUID(9, 9)).Str(name).Str("").Str("");
  }
};

TEST_F(PartitionRecordTest, CurrentLayoutAndSaveThenLoadOfEveryField) {
  ZoreTest::CapturingSink sink;
  auto empty = NewPartition();
  ScriptedStream s;
  ASSERT_EQ(Persist(empty)->PersistSave(&s), 1);
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
  EXPECT_EQ(s.items[0].text.str() + "." + s.items[1].text.str(), "2.0");
  for (int i : {11, 19, 25}) EXPECT_EQ(s.items[i].number, i == 11 ? 5 : 4) << "last index " << i;
  for (int i : {7, 8, 9, 10, 18}) EXPECT_EQ(s.items[i].number, 0) << "count at item " << i;
  EXPECT_EQ(s.items[20].number, -1);

  // Loading the empty record into a full partition empties it, but for the
  // timestamps, which a load merges into.
  auto loaded = NewPartition();
  Full(2).LoadInto(loaded.get());
  s.Rewind();
  ASSERT_EQ(Persist(loaded)->PersistLoad(&s), 1);
  EXPECT_TRUE(s.AtEnd());
  EXPECT_EQ(PartitionProbe(loaded).Timestamps().size(), 2u);
  EXPECT_TRUE(PinNames(loaded).empty());
  EXPECT_TRUE(PartitionProbe(loaded).Traits().empty());
  EXPECT_FALSE(loaded->IsRoot());

  // A full partition saves what it loaded, and a load of that gives it back.
  auto saved = NewPartition();
  Full(3).LoadInto(saved.get());
  ScriptedStream full;
  ASSERT_EQ(Persist(saved)->PersistSave(&full), 1);
  full.Rewind();
  EXPECT_EQ(full.items.size(), Full(3).Record().items.size());
  auto copy = NewPartition();
  ASSERT_EQ(Persist(copy)->PersistLoad(&full), 1);
  EXPECT_EQ(Saved(copy), Saved(saved));
  EXPECT_EQ(PinNames(copy), (Strings{"p0", "p1", "p2"}));
  EXPECT_NE(PartitionProbe(copy).Pins()[0].get(), PartitionProbe(saved).Pins()[0].get())
      << "the loaded pins are new components";
  EXPECT_TRUE(sink.All().empty()) << sink.All().front();

  Port::XUID out(1, 1);
  EXPECT_EQ(Persist(copy)->GetClassXUID(out), 1);
  EXPECT_EQ(out, Port::XUID(Port::XuidFromText("{5d0ffae9-0919-45e9-9f89-3775737fbc86}")));
  EXPECT_EQ(Persist(empty)->GetXUID(out), 1);
  EXPECT_TRUE(out.IsZero());
  EXPECT_EQ(Persist(empty)->SetXUID(kId), 1);
  EXPECT_EQ(Persist(empty)->GetXUID(out), 1);
  EXPECT_EQ(out, kId);
}

TEST_F(PartitionRecordTest, LoadReplacesAllButTimestampsAndDropsUnforcedFlags) {
  auto p = NewPartition();
  ZoreTest::StoredState old;
  old.pins = {"old"};
  old.traits = {{"old", "x"}};
  old.timestamps = {{"TS_ROUTED", 5}, {"TS_SYNTHESIS", 6}};
  old.forced = {"FF_TRANSLATE"};
  old.ipFiles = {"old.qxp"};
  old.LoadInto(p.get());

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
  PartitionProbe own(p);
  EXPECT_EQ(PinNames(p), Strings{"new"});
  EXPECT_EQ(own.Traits(),
            (std::map<Port::StringBase, Port::StringBase>{{"preserve", "placement"}}));
  EXPECT_EQ(own.Timestamps(),
            (std::map<Port::StringBase, Port::Time>{{"TS_ROUTED", 5}, {"TS_SYNTHESIS", 60}}));
  EXPECT_EQ(own.ForceFlags(), (std::map<Port::StringBase, bool>{{"FF_LOM", true}, {"FF_X", true}}));
  EXPECT_EQ(ZoreTest::Drain(p->GetIPFileNames()), Strings{"new.qxp"});
}

TEST_F(PartitionRecordTest, OlderFormatsReadAsTheirWritersWroteThem) {
  ZoreTest::CapturingSink sink;
  auto p = NewPartition();
  Full(1).LoadInto(p.get());
  PartitionProbe own(p);
  const auto processed = own.Processed();

  // Version 1 revision 0: no root flag, pins, force flags, design files, IP
  // files or arrays; the Reconfigurable flag is cleared and the pins kept.
  ScriptedStream r0;
  Head(r0, "1", "0").Int(1).Str("preserve").Str("synthesis").Int(1).Str("TS_PACKED").Time(7);
  ASSERT_EQ(Persist(p)->PersistLoad(&r0), 1);
  EXPECT_TRUE(r0.AtEnd());
  EXPECT_FALSE(p->IsRoot());
  EXPECT_FALSE(p->IsReconfigurable());
  EXPECT_EQ(PinNames(p), Strings{"p0"});
  EXPECT_EQ(own.Traits().size(), 1u);
  EXPECT_EQ(own.Timestamps().at("TS_PACKED"), 7);
  EXPECT_EQ(own.ForceFlags().size(), 2u);
  EXPECT_EQ(Files(p)[0], "/prev/file0");
  EXPECT_EQ(own.IpFiles().size(), 2u);
  EXPECT_EQ(own.Processed(), processed);

  // Revision 2: root flag and one Qnl path written as a plain string.
  ScriptedStream r2;
  Head(r2, "1", "2").Bool(true).Int(0).Int(0).Str("/old/top.qnl");
  ASSERT_EQ(Persist(p)->PersistLoad(&r2), 1);
  EXPECT_TRUE(r2.AtEnd());
  EXPECT_TRUE(p->IsRoot());
  EXPECT_EQ(Files(p), (Strings{"", "", "", "", "", "/old/top.qnl"}));
  EXPECT_EQ(own.ForceFlags().size(), 2u) << "no force flags before revision 3";

  // Revisions 3 and 4: force flags and the Qnl path; IP files from 4 on.
  ScriptedStream r3;
  Head(r3, "1", "3").Bool(false).Int(0).Int(0).Int(1).Str("FF_TRANSLATE").Byte(1).Str("/r3.qnl");
  ASSERT_EQ(Persist(p)->PersistLoad(&r3), 1);
  EXPECT_TRUE(r3.AtEnd());
  EXPECT_EQ(own.ForceFlags(), (std::map<Port::StringBase, bool>{{"FF_TRANSLATE", true}}));
  EXPECT_EQ(Files(p)[5], "/r3.qnl");
  EXPECT_EQ(own.IpFiles().size(), 2u);
  ScriptedStream r4;
  Head(r4, "1", "4").Bool(false).Int(0).Int(0).Int(0).Str("/r4.qnl").Int(1).Str("r4.qxp");
  ASSERT_EQ(Persist(p)->PersistLoad(&r4), 1);
  EXPECT_TRUE(r4.AtEnd());
  EXPECT_EQ(own.IpFiles(), std::vector<Port::StringBase>{"r4.qxp"});
  EXPECT_EQ(PinNames(p), Strings{"p0"});

  // Revision 5: force flags, the Qnl path and IP files all as plain strings.
  ScriptedStream r5;
  Head(r5, "1", "5").Bool(false).Int(0).Int(0);
  r5.Int(1).Str("FF_LOM").Byte(1).Str("/r5.qnl").Int(2).Str("a.qxp").Str("b.qxp");
  ASSERT_EQ(Persist(p)->PersistLoad(&r5), 1);
  EXPECT_TRUE(r5.AtEnd());
  EXPECT_EQ(own.ForceFlags(), (std::map<Port::StringBase, bool>{{"FF_LOM", true}}));
  EXPECT_EQ(Files(p)[5], "/r5.qnl");
  EXPECT_EQ(own.IpFiles(), (std::vector<Port::StringBase>{"a.qxp", "b.qxp"}));
  EXPECT_EQ(PinNames(p), Strings{"p0"});

  // Revision 6: pins arrive; the Qnl path and IP files are file names.
  ScriptedStream r6;
  Head(r6, "1", "6").Bool(false).Bool(true).Int(1);
  PinItems(r6, "d");
  r6.Int(0).Int(0).Int(0).File("/r6.qnl").Int(1).File("c.qxp");
  ASSERT_EQ(Persist(p)->PersistLoad(&r6), 1);
  EXPECT_TRUE(r6.AtEnd());
  EXPECT_TRUE(p->IsReconfigurable());
  EXPECT_EQ(PinNames(p), Strings{"d"});
  EXPECT_EQ(Files(p)[5], "/r6.qnl");
  EXPECT_EQ(own.IpFiles(), std::vector<Port::StringBase>{"c.qxp"});
  EXPECT_EQ(own.Processed(), processed);

  // Revision 7 holds the current sections; short last indexes leave the
  // entries after them empty or never set.
  ScriptedStream r7;
  Head(r7, "1", "7").Bool(false).Bool(false).Int(0).Int(0).Int(0).Int(0);
  r7.Int(2).File("q0").File("q1").File("q2").Int(0);
  r7.Int(1).Time(11).Time(12).Int(1).Time(21).Time(22);
  ASSERT_EQ(Persist(p)->PersistLoad(&r7), 1);
  EXPECT_TRUE(r7.AtEnd());
  EXPECT_EQ(Files(p), (Strings{"q0", "q1", "q2", "", "", ""}));
  EXPECT_EQ(own.Processed(), (std::array<Port::Time, 5>{11, 12, -1, -1, -1}));
  EXPECT_EQ(own.InterfaceChange(), (std::array<Port::Time, 5>{21, 22, -1, -1, -1}));

  // A negative last index reads nothing and empties every entry.
  ScriptedStream negative;
  Head(negative, "2", "0").Bool(false).Bool(false).Int(0).Int(0).Int(0).Int(0);
  negative.Int(-7).Int(0).Int(-1).Int(INT_MIN);
  ASSERT_EQ(Persist(p)->PersistLoad(&negative), 1);
  EXPECT_TRUE(negative.AtEnd());
  EXPECT_EQ(Files(p), Strings(6, ""));
  EXPECT_EQ(own.Processed(), (std::array<Port::Time, 5>{-1, -1, -1, -1, -1}));
  EXPECT_EQ(own.InterfaceChange(), (std::array<Port::Time, 5>{-1, -1, -1, -1, -1}));
  EXPECT_TRUE(sink.All().empty());
}

TEST_F(PartitionRecordTest, OtherVersionsReadAsCurrentOrAsVersionZero) {
  ZoreTest::CapturingSink sink;
  auto source = NewPartition();
  Full(2).LoadInto(source.get());
  // Newer versions, "-1" among them (compared unsigned), read like the current one.
  for (const char* version : {"3", "-1", "2 "}) {
    ScriptedStream s = Full(2).Record();
    s.items[0].text = version;
    s.items[1].text = "41";
    auto p = NewPartition();
    ASSERT_EQ(Persist(p)->PersistLoad(&s), 1) << version;
    EXPECT_TRUE(s.AtEnd()) << version;
    EXPECT_EQ(Saved(p), Saved(source)) << version;
  }
  // A version that is not a number reads as 0: no design files and no
  // timestamp arrays, everything else as in the current format.
  for (const char* version : {"0", "two"}) {
    ScriptedStream s;
    Head(s, version, "0").Bool(true).Bool(true).Int(0).Int(0).Int(0);
    s.Int(1).Str("FF_LOM").Byte(1).Int(1).File("v0.qxp");
    auto p = NewPartition();
    p.As<ZavU::IPartitionFileTracking>()->SetPreviousDesignFile(1, "/kept");
    ASSERT_EQ(Persist(p)->PersistLoad(&s), 1) << version;
    EXPECT_TRUE(s.AtEnd()) << version;
    EXPECT_TRUE(p->IsReconfigurable());
    EXPECT_EQ(Files(p)[1], "/kept");
    EXPECT_EQ(PartitionProbe(p).IpFiles(), std::vector<Port::StringBase>{"v0.qxp"});
    EXPECT_EQ(PartitionProbe(p).Processed()[0], -1);
  }
  EXPECT_TRUE(sink.All().empty());
}

TEST_F(PartitionRecordTest, EveryFailedWriteReportsItsItemInRecordOrder) {
  auto p = NewPartition();
  Full(1).LoadInto(p.get());
  ScriptedStream whole;
  ASSERT_EQ(Persist(p)->PersistSave(&whole), 1);
  Strings distinct;  // messages in the order they first appear
  for (int k = 0; k < whole.operations; ++k) {
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
  // Each partition item has its own message, in the order of the record's
  // texts; a failing pin item adds the pin's name.
  using ZorE::PartitionRecord::Text;
  using ZorE::PartitionRecord::TextOf;
  Strings expected;
  for (int t = static_cast<int>(Text::WriteVersion);
       t <= static_cast<int>(Text::WriteInterfaceChange); ++t) {
    if (t == static_cast<int>(Text::WritePinPersist) || t == static_cast<int>(Text::WritePin))
      continue;
    expected.push_back(Error(TextOf(static_cast<Text>(t))));
    if (t == static_cast<int>(Text::WritePinCount)) {
      expected.push_back(
          Error("PartitionPin::PersistSave: Failed to write Partition Pin version "
                "number.  Partition Pin data not written.\n"));
      expected.push_back(
          Error("Failed to write partition pin \"p0\".  HDProject data not "
                "written to the Project file.\n"));
    }
  }
  ASSERT_GE(distinct.size(), 10u);
  // The other pin items' own messages come between; they are the pin's.
  Strings partitionOnly;
  for (const std::string& m : distinct) {
    if (m.find("Partition Pin data not written") == std::string::npos ||
        m.find("version") != std::string::npos)
      partitionOnly.push_back(m);
  }
  EXPECT_EQ(partitionOnly, expected);
}

TEST_F(PartitionRecordTest, EveryFailedReadReportsItsItem) {
  ScriptedStream current = Full(1).Record();
  // A revision 5 record, for the old single Qnl path.
  ScriptedStream r5;
  Head(r5, "1", "5").Bool(false).Int(0).Int(0).Int(0).Str("/r5.qnl").Int(0);

  Strings firstInOrder;  // the first message of each failed item, new ones only
  for (ScriptedStream* record : {&current, &r5}) {
    for (std::size_t k = 0; k < record->items.size(); ++k) {
      ZoreTest::CapturingSink sink;
      record->Rewind(static_cast<int>(k));
      auto p = NewPartition();
      const CitI::Status status = Persist(p)->PersistLoad(record);
      // A pin that fails is left out; only its last item keeps the rest of
      // the record in step, so only then does the load go on to succeed.
      const bool lastPinItem = record == &current && k + 1 == kFirstPinItem + kPinItems;
      EXPECT_EQ(status, lastPinItem ? 1 : 0) << "item " << k;
      const Strings messages = sink.All();
      ASSERT_FALSE(messages.empty()) << "item " << k;
      if (std::find(firstInOrder.begin(), firstInOrder.end(), messages.front()) ==
          firstInOrder.end()) {
        firstInOrder.push_back(messages.front());
      }
      const bool inPin =
          record == &current && k >= kFirstPinItem && k + 1 <= kFirstPinItem + kPinItems;
      if (inPin) {
        EXPECT_EQ(messages[1],
                  Error("Failed to load Partition Pin 0.  Partition Pin not loaded.\n"));
      }
    }
  }
  using ZorE::PartitionRecord::Text;
  using ZorE::PartitionRecord::TextOf;
  Strings expected;
  for (int t = static_cast<int>(Text::ReadVersion);
       t <= static_cast<int>(Text::ReadInterfaceChange); ++t) {
    const auto text = static_cast<Text>(t);
    if (text == Text::CreatePin || text == Text::CreatePinPersist || text == Text::ReadPin ||
        text == Text::ReadPinsGaveUp || text == Text::ReadQnlFile)
      continue;
    expected.push_back(Error(TextOf(text)));
    if (text == Text::ReadPinCount) {
      for (const char* item : {"version", "revision", "XUID", "name", "Bel", "Site"}) {
        expected.push_back(Error(("PartitionPin::PersistLoad: Failed to read Partition Pin " +
                                  std::string(item) + ".  Partition Pin not loaded.\n")
                                     .c_str()));
      }
    }
  }
  expected.push_back(Error(TextOf(Text::ReadQnlFile)));
  EXPECT_EQ(firstInOrder, expected);
}

TEST_F(PartitionRecordTest, BadPinsAreSkippedOrReportedBySteps) {
  ZoreTest::CapturingSink sink;
  // The Site item of pin 1 fails; its record is otherwise whole.
  ScriptedStream s = Full(3).Record();
  s.Rewind(kFirstPinItem + 2 * kPinItems - 1);
  auto p = NewPartition();
  ASSERT_EQ(Persist(p)->PersistLoad(&s), 1);
  EXPECT_TRUE(s.AtEnd());
  EXPECT_EQ(PinNames(p), (Strings{"p0", "p2"}));
  EXPECT_EQ(sink.All(),
            (Strings{Error("PartitionPin::PersistLoad: Failed to read Partition Pin Site.  "
                           "Partition Pin not loaded.\n"),
                     Error("Failed to load Partition Pin 1.  Partition Pin not loaded.\n")}));
  EXPECT_EQ(PartitionProbe(p).Traits().size(), 2u) << "the load went on past the pins";

  // Cut inside the third pin: the pins before it stay.
  sink.Clear();
  ScriptedStream cut;
  Head(cut, "2", "0").Bool(false).Bool(false).Int(3);
  PinItems(cut, "whole");
  cut.UInt(2).UInt(0).Xuid(Port::XUID(1, 2));
  EXPECT_EQ(Persist(p)->PersistLoad(&cut), 0);
  EXPECT_EQ(PinNames(p), Strings{"whole"});
  const Strings errors = sink.All();
  EXPECT_EQ(errors.back(), Error("Partition::PersistLoad: Failed to read number of Partition "
                                 "traits.  Partition not loaded.\n"));
  EXPECT_NE(std::find(errors.begin(), errors.end(),
                      Error("Failed to load Partition Pin 2.  Partition Pin not loaded.\n")),
            errors.end());
}

TEST_F(PartitionRecordTest, PinsThatCannotBeMadeAreReportedBySteps) {
  // One announced pin whose record the stream does not hold: the traits follow.
  auto record = [] {
    ScriptedStream s;
    s.Str("2").Str("0").Xuid(kId).Str("u1").Str("top/u1").Bool(false).Bool(false).Int(1);
    s.Int(1).Str("preserve").Str("placement").Int(0).Int(0).Int(-1).Int(0).Int(-1).Int(-1);
    return s;
  };
  auto p = NewPartition();
  Full(1).LoadInto(p.get());
  FakeServices::NotAPinFactory notAPins;
  struct Restore {
    ~Restore() { FakeServices::RestoreRegistry(); }
  } restore;
  ZoreTest::CapturingSink sink;
  // The registry knows no pin class: nothing was created.
  CitP::Factory::Shutdown();
  ScriptedStream unknown = record();
  EXPECT_EQ(Persist(p)->PersistLoad(&unknown), 1);
  EXPECT_TRUE(unknown.AtEnd());
  EXPECT_TRUE(PinNames(p).empty()) << "the old pins were replaced";
  // Something was created, but it has no record interface.
  CitP::Factory::RegisterFactory(Port::XUID(Xuids::ZorE_PartitionPin), &notAPins);
  ScriptedStream noRecord = record();
  EXPECT_EQ(Persist(p)->PersistLoad(&noRecord), 1);
  EXPECT_TRUE(noRecord.AtEnd());
  EXPECT_EQ(FakeServices::NotAPin::live, 0) << "the object that is not a pin is dropped";
  EXPECT_EQ(sink.All(),
            (Strings{Error("Can't create Partition Pin interface.  Partition Pin not loaded.\n"),
                     Error("Can't create Partition Pin persist interface.  Partition Pin not "
                           "loaded.\n")}));
  // The pin the first load replaced leaves its own trace when it goes.
  EXPECT_EQ(sink.Texts(Port_Severity::Debug),
            (Strings{"Reading 1 partition pins\n", "In ZorE::PartitionPin::~PartitionPin\n",
                     "Reading 1 partition pins\n"}));
  EXPECT_EQ(PartitionProbe(p).Traits().size(), 1u) << "the load went on past the pins";
}

TEST_F(PartitionRecordTest, DamagedCountsAndIndexesAreBounded) {
  ZoreTest::CapturingSink sink;
  auto p = NewPartition();
  Full(2).LoadInto(p.get());
  PartitionProbe own(p);
  const Strings files = Files(p);
  const auto processed = own.Processed();

  // A last index past the array rejects the record before any entry is written.
  ScriptedStream designFiles;
  Head(designFiles, "2", "0").Bool(true).Bool(false).Int(0).Int(0).Int(0).Int(0).Int(6);
  for (int i = 0; i < 7; ++i) designFiles.File("x");
  EXPECT_EQ(Persist(p)->PersistLoad(&designFiles), 0);
  EXPECT_EQ(Files(p), files);
  ScriptedStream times;
  Head(times, "2", "0").Bool(true).Bool(false).Int(0).Int(0).Int(0).Int(0).Int(-1).Int(0);
  times.Int(INT_MAX);
  for (int i = 0; i < 10; ++i) times.Time(i);
  EXPECT_EQ(Persist(p)->PersistLoad(&times), 0);
  EXPECT_EQ(own.Processed(), processed);
  EXPECT_EQ(sink.All(),
            (Strings{Error("Partition::PersistLoad: Partition design file list ends at index 6, "
                           "past the last entry 5.  Partition not loaded.\n"),
                     Error("Partition::PersistLoad: Partition Processed timestamps ends at index "
                           "2147483647, past the last entry 4.  Partition not loaded.\n")}));

  // A pin count of two billion with nothing after it: the pins fail back to
  // back and the loop gives up after a few, emptying the old pin list.
  sink.Clear();
  ScriptedStream pins;
  Head(pins, "2", "0").Bool(false).Bool(false).Int(INT_MAX);
  EXPECT_EQ(Persist(p)->PersistLoad(&pins), 0);
  EXPECT_TRUE(own.Pins().empty());
  Strings errors = sink.All();
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
  EXPECT_EQ(own.Traits().size(), 1u);
  EXPECT_EQ(sink.All(), Strings{Error("Partition::PersistLoad: Failed to read Partition traits.  "
                                      "Partition not loaded.\n")});

  // Negative counts read nothing, and still empty what they replace.
  sink.Clear();
  Full(1).LoadInto(p.get());
  ScriptedStream negative;
  Head(negative, "2", "0").Bool(false).Bool(false).Int(-3).Int(INT_MIN).Int(-1).Int(-1);
  negative.Int(-1).Int(-2).Int(-1).Int(-1);
  EXPECT_EQ(Persist(p)->PersistLoad(&negative), 1);
  EXPECT_TRUE(negative.AtEnd());
  EXPECT_TRUE(own.Pins().empty());
  EXPECT_TRUE(own.Traits().empty());
  EXPECT_TRUE(own.ForceFlags().empty());
  EXPECT_TRUE(own.IpFiles().empty());
  EXPECT_TRUE(sink.All().empty());
}

}  // namespace
