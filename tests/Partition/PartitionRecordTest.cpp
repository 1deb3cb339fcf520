// The partition's record: the current layout and a save-then-load of every
// field, what each older layout restores and keeps, every message of save and
// load, bad pins and damaged counts.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <sstream>

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
using ZorE::PartitionRecord::Text;
using ZorE::PartitionRecord::TextOf;
using ZoreTest::NewPartition;
using ZoreTest::PartitionProbe;
using ZoreTest::ScriptedStream;

const Port::XUID kId(0x1111222233334444ULL, 0x5555666677778888ULL);
// Version, revision, identity, two names, two flags and the pin count come
// before the first pin; a pin record has six items.
constexpr int kFirstPinItem = 8;
constexpr int kPinItems = 6;

std::string Error(const std::string& text) { return "ERROR: " + text; }
std::string PinNotLoaded(int index) {
  return Error("Failed to load Partition Pin " + std::to_string(index) +
               ".  Partition Pin not loaded.\n");
}
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
  state.timestamps = {{"TS_CHILD_MODIFIED", -1}, {"TS_SYNTHESIS", 9}};
  state.forced = {"FF_LOM", "FF_PLACEMENT"};
  for (int i = 0; i < 6; ++i) state.files[i] = "f" + std::to_string(i);
  state.ipFiles = {"a.qxp", "b.qxp"};
  for (int i = 0; i < 5; ++i) {
    state.processed[i] = 10 + i;
    state.interfaceChange[i] = 20 + i;
  }
  return state;
}

/// Everything a load restores, on one line.
std::string State(const PartitionRef& p) {
  PartitionProbe own(p);
  std::ostringstream s;
  s << (p->IsRoot() ? "root" : "-") << (p->IsReconfigurable() ? " rc" : " -") << " | pins";
  for (const ZavU::PinRef& pin : own.Pins()) s << ' ' << pin->GetName().str();
  s << " | traits";
  for (const auto& [k, v] : own.Traits()) s << ' ' << k.str() << '=' << v.str();
  s << " | ts";
  for (const auto& [k, t] : own.Timestamps()) s << ' ' << k.str() << '=' << t;
  s << " | ff";
  for (const auto& [k, f] : own.ForceFlags()) s << ' ' << k.str() << (f ? "" : "=0");
  s << " | files";
  for (const auto& f : own.PreviousFiles()) s << ' ' << (f.str().empty() ? "." : f.str());
  s << " | ip";
  for (const auto& f : own.IpFiles()) s << ' ' << f.str();
  s << " | times";
  for (Port::Time t : own.Processed()) s << ' ' << t;
  s << " /";
  for (Port::Time t : own.InterfaceChange()) s << ' ' << t;
  return s.str();
}

/// The items every format starts with.
ScriptedStream Head(const char* version, const char* revision) {
  ScriptedStream s;
  s.Str(version).Str(revision).Xuid(kId).Str("u1").Str("top/u1");
  return s;
}
ScriptedStream& PinItems(ScriptedStream& s, const char* name) {
  return s.UInt(2).UInt(0).Xuid(Port::XUID(9, 9)).Str(name).Str("").Str("");
}

class PartitionRecordTest : public ZoreTest::LeakCheckedTest {};

TEST_F(PartitionRecordTest, CurrentLayoutAndSaveThenLoadOfEveryField) {
  ZoreTest::CapturingSink sink;
  auto empty = NewPartition();
  ScriptedStream s;
  ASSERT_EQ(Persist(empty)->PersistSave(&s), 1);
  std::string kinds, numbers;
  for (const auto& item : s.items) {
    kinds += "itbuyszf"[static_cast<int>(item.kind)];
    if (item.kind == Kind::Int) numbers += std::to_string(item.number) + " ";
  }
  EXPECT_EQ(kinds, "sszssbbiiiiiffffffiitttttittttt");
  EXPECT_EQ(numbers, "0 0 0 0 5 0 4 4 ") << "counts and last indexes";
  EXPECT_EQ(s.items[0].text.str() + "." + s.items[1].text.str(), "2.0");
  EXPECT_EQ(s.items[20].number, -1) << "a time never set";

  // A full partition saves what it loaded, and a load of that gives it back
  // with new pins; the empty record empties all but the timestamps.
  auto saved = NewPartition();
  Full(3).LoadInto(saved.get());
  ScriptedStream full;
  ASSERT_EQ(Persist(saved)->PersistSave(&full), 1);
  EXPECT_EQ(full.items.size(), Full(3).Record().items.size());
  auto copy = NewPartition();
  ASSERT_EQ(Persist(copy)->PersistLoad(&full), 1);
  EXPECT_TRUE(full.AtEnd());
  EXPECT_EQ(
      State(copy),
      "root rc | pins p0 p1 p2 | traits fleetmatch=on preserve=routing | ts "
      "TS_CHILD_MODIFIED=-1 TS_SYNTHESIS=9 | ff FF_LOM FF_PLACEMENT | files f0 f1 f2 f3 f4 f5 "
      "| ip a.qxp b.qxp | times 10 11 12 13 14 / 20 21 22 23 24");
  EXPECT_NE(PartitionProbe(copy).Pins()[0].get(), PartitionProbe(saved).Pins()[0].get());
  s.Rewind();
  ASSERT_EQ(Persist(copy)->PersistLoad(&s), 1);
  EXPECT_EQ(State(copy),
            "- - | pins | traits | ts TS_CHILD_MODIFIED=-1 TS_SYNTHESIS=9 | ff | files . . . . . . "
            "| ip | times -1 -1 -1 -1 -1 / -1 -1 -1 -1 -1");
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

/// One record, loaded into the partition the rows before it left behind.
struct LoadRow {
  const char* what;
  std::function<ScriptedStream()> record;
  std::string state;  // after the load
};

TEST_F(PartitionRecordTest, EachLayoutRestoresItsSectionsAndKeepsTheRest) {
  const std::string fullState = [] {
    auto p = NewPartition();
    Full(2).LoadInto(p.get());
    return State(p);
  }();
  auto newer = [](const char* version) {
    return [version] {
      ScriptedStream s = Full(2).Record();
      s.items[0].text = version;
      s.items[1].text = "41";
      return s;
    };
  };
  const LoadRow rows[] = {
      {"1.0: no root flag, pins, force flags, files, IP files or arrays",
       [] {
         return Head("1", "0")
             .Int(1)
             .Str("preserve")
             .Str("synthesis")
             .Int(1)
             .Str("TS_PACKED")
             .Time(7);
       },
       "- - | pins p0 | traits preserve=synthesis | ts TS_CHILD_MODIFIED=-1 TS_PACKED=7 "
       "TS_SYNTHESIS=9 | ff FF_LOM FF_PLACEMENT | files f0 f1 f2 f3 f4 f5 | ip a.qxp b.qxp | times "
       "10 11 12 13 14 / 20 21 22 23 24"},
      {"1.2: root flag and the Qnl path as a string",
       [] { return Head("1", "2").Bool(true).Int(0).Int(0).Str("/q2"); },
       "root - | pins p0 | traits | ts TS_CHILD_MODIFIED=-1 TS_PACKED=7 TS_SYNTHESIS=9 | ff FF_LOM "
       "FF_PLACEMENT | files . . . . . /q2 | ip a.qxp b.qxp | times 10 11 12 13 14 / 20 21 22 23 "
       "24"},
      {"1.3: force flags",
       [] {
         return Head("1", "3")
             .Bool(false)
             .Int(0)
             .Int(0)
             .Int(1)
             .Str("FF_TRANSLATE")
             .Byte(1)
             .Str("/q3");
       },
       "- - | pins p0 | traits | ts TS_CHILD_MODIFIED=-1 TS_PACKED=7 TS_SYNTHESIS=9 | ff "
       "FF_TRANSLATE | files . . . . . /q3 | ip a.qxp b.qxp | times 10 11 12 13 14 / 20 21 22 23 "
       "24"},
      {"1.4: IP files",
       [] {
         return Head("1", "4").Bool(false).Int(0).Int(0).Int(0).Str("/q4").Int(1).Str("c.qxp");
       },
       "- - | pins p0 | traits | ts TS_CHILD_MODIFIED=-1 TS_PACKED=7 TS_SYNTHESIS=9 | ff | files . "
       ". . . . /q4 | ip c.qxp | times 10 11 12 13 14 / 20 21 22 23 24"},
      {"1.5: still strings",
       [] {
         ScriptedStream s = Head("1", "5").Bool(false).Int(0).Int(0);
         return s.Int(1).Str("FF_LOM").Byte(1).Str("/q5").Int(2).Str("d.qxp").Str("e.qxp");
       },
       "- - | pins p0 | traits | ts TS_CHILD_MODIFIED=-1 TS_PACKED=7 TS_SYNTHESIS=9 | ff FF_LOM | "
       "files . . . . . /q5 | ip d.qxp e.qxp | times 10 11 12 13 14 / 20 21 22 23 24"},
      {"1.6: pins; file names",
       [] {
         ScriptedStream s = Head("1", "6").Bool(false).Bool(true).Int(1);
         return PinItems(s, "d").Int(0).Int(0).Int(0).File("/q6").Int(1).File("f.qxp");
       },
       "- rc | pins d | traits | ts TS_CHILD_MODIFIED=-1 TS_PACKED=7 TS_SYNTHESIS=9 | ff | files . "
       ". . . . /q6 | ip f.qxp | times 10 11 12 13 14 / 20 21 22 23 24"},
      {"1.7: short last indexes",
       [] {
         ScriptedStream s = Head("1", "7").Bool(false).Bool(false).Int(0).Int(0).Int(0).Int(0);
         return s.Int(2)
             .File("q0")
             .File("q1")
             .File("q2")
             .Int(0)
             .Int(1)
             .Time(11)
             .Time(12)
             .Int(1)
             .Time(21)
             .Time(22);
       },
       "- - | pins | traits | ts TS_CHILD_MODIFIED=-1 TS_PACKED=7 TS_SYNTHESIS=9 | ff | files q0 "
       "q1 "
       "q2 . . . | ip | times 11 12 -1 -1 -1 / 21 22 -1 -1 -1"},
      {"0 and text: no design files or arrays",
       [] {
         ScriptedStream s = Head("0", "0").Bool(true).Bool(true).Int(0).Int(0).Int(0);
         return s.Int(1).Str("FF_LOM").Byte(1).Int(1).File("v0.qxp");
       },
       "root rc | pins | traits | ts TS_CHILD_MODIFIED=-1 TS_PACKED=7 TS_SYNTHESIS=9 | ff FF_LOM | "
       "files q0 q1 q2 . . . | ip v0.qxp | times 11 12 -1 -1 -1 / 21 22 -1 -1 -1"},
      {"two",
       [] {
         ScriptedStream s = Head("two", "0").Bool(true).Bool(false).Int(0).Int(0).Int(0);
         return s.Int(0).Int(0);
       },
       "root - | pins | traits | ts TS_CHILD_MODIFIED=-1 TS_PACKED=7 TS_SYNTHESIS=9 | ff | files "
       "q0 "
       "q1 q2 . . . | ip | times 11 12 -1 -1 -1 / 21 22 -1 -1 -1"},
      {"negative last indexes empty every entry",
       [] {
         ScriptedStream s = Head("2", "0").Bool(false).Bool(false).Int(0).Int(0).Int(0).Int(0);
         return s.Int(-7).Int(0).Int(-1).Int(INT_MIN);
       },
       "- - | pins | traits | ts TS_CHILD_MODIFIED=-1 TS_PACKED=7 TS_SYNTHESIS=9 | ff | files . . "
       ". "
       ". . . | ip | times -1 -1 -1 -1 -1 / -1 -1 -1 -1 -1"},
      {"3 reads as the current layout", newer("3"), ""},
      {"-1 compares unsigned", newer("-1"), ""},
      {"2 with a space", newer("2 "), ""},
  };
  ZoreTest::CapturingSink sink;
  auto p = NewPartition();
  Full(1).LoadInto(p.get());
  for (const LoadRow& row : rows) {
    ScriptedStream s = row.record();
    auto into = row.state.empty() ? NewPartition() : p;
    ASSERT_EQ(Persist(into)->PersistLoad(&s), 1) << row.what;
    EXPECT_TRUE(s.AtEnd()) << row.what;
    EXPECT_EQ(State(into), row.state.empty() ? fullState : row.state) << row.what;
  }
  EXPECT_TRUE(sink.All().empty());
}

/// The distinct texts among `messages`, in the order they first appear.
void AddNew(Strings& seen, const Strings& messages) {
  for (const std::string& m : messages) {
    if (std::find(seen.begin(), seen.end(), m) == seen.end()) seen.push_back(m);
  }
}

TEST_F(PartitionRecordTest, EveryFailedWriteReportsItsItemInRecordOrder) {
  auto p = NewPartition();
  Full(1).LoadInto(p.get());
  ScriptedStream whole;
  ASSERT_EQ(Persist(p)->PersistSave(&whole), 1);
  Strings distinct;
  for (int k = 0; k < whole.operations; ++k) {
    ZoreTest::CapturingSink sink;
    ScriptedStream s;
    s.failAt = k;
    EXPECT_EQ(Persist(p)->PersistSave(&s), 0) << k;
    EXPECT_EQ(s.items.size(), static_cast<std::size_t>(k)) << "items before the failure stay";
    const bool inPin = k >= kFirstPinItem && k < kFirstPinItem + kPinItems;
    EXPECT_EQ(sink.All().size(), inPin ? 2u : 1u) << k;
    // The pin's own messages for its later items are the pin test's.
    for (const std::string& m : sink.All()) {
      if (m.find("Partition Pin data not written") == std::string::npos ||
          m.find("version") != std::string::npos)
        AddNew(distinct, {m});
    }
  }
  Strings expected;
  for (int t = static_cast<int>(Text::WriteVersion);
       t <= static_cast<int>(Text::WriteInterfaceChange); ++t) {
    if (t == static_cast<int>(Text::WritePinPersist) || t == static_cast<int>(Text::WritePin))
      continue;
    expected.push_back(Error(TextOf(static_cast<Text>(t))));
    if (t == static_cast<int>(Text::WritePinCount)) {
      expected.push_back(Error(
          "PartitionPin::PersistSave: Failed to write Partition Pin version number.  Partition "
          "Pin data not written.\n"));
      expected.push_back(
          Error("Failed to write partition pin \"p0\".  HDProject data not written to the Project "
                "file.\n"));
    }
  }
  EXPECT_EQ(distinct, expected);
}

TEST_F(PartitionRecordTest, EveryFailedReadReportsItsItem) {
  ScriptedStream current = Full(1).Record();
  ScriptedStream r5 = Head("1", "5").Bool(false).Int(0).Int(0).Int(0).Str("/r5.qnl").Int(0);
  Strings firstInOrder;  // the first message of each failed item
  for (ScriptedStream* record : {&current, &r5}) {
    for (std::size_t k = 0; k < record->items.size(); ++k) {
      ZoreTest::CapturingSink sink;
      record->Rewind(static_cast<int>(k));
      auto p = NewPartition();
      // A failed pin is left out; only its last item keeps the record in
      // step, so only then does the load succeed.
      const bool inPin = record == &current && k >= kFirstPinItem && k < kFirstPinItem + kPinItems;
      EXPECT_EQ(Persist(p)->PersistLoad(record), inPin && k + 1 == kFirstPinItem + kPinItems) << k;
      const Strings messages = sink.All();
      ASSERT_FALSE(messages.empty()) << k;
      AddNew(firstInOrder, {messages.front()});
      if (inPin) {
        EXPECT_EQ(messages[1], PinNotLoaded(0));
      }
    }
  }
  Strings expected;
  for (int t = static_cast<int>(Text::ReadVersion);
       t <= static_cast<int>(Text::ReadInterfaceChange); ++t) {
    const auto text = static_cast<Text>(t);
    if (text == Text::CreatePin || text == Text::CreatePinPersist || text == Text::ReadPin ||
        text == Text::ReadPinsGaveUp || text == Text::ReadQnlFile)
      continue;
    expected.push_back(Error(TextOf(text)));
    if (text != Text::ReadPinCount) continue;
    for (const char* item : {"version", "revision", "XUID", "name", "Bel", "Site"}) {
      expected.push_back(Error("PartitionPin::PersistLoad: Failed to read Partition Pin " +
                               std::string(item) + ".  Partition Pin not loaded.\n"));
    }
  }
  expected.push_back(Error(TextOf(Text::ReadQnlFile)));
  EXPECT_EQ(firstInOrder, expected);
}

TEST_F(PartitionRecordTest, BadPinsAreSkippedOrEndTheLoad) {
  ZoreTest::CapturingSink sink;
  // The Site item of pin 1 fails; the load goes on past it.
  ScriptedStream s = Full(3).Record();
  s.Rewind(kFirstPinItem + 2 * kPinItems - 1);
  auto p = NewPartition();
  ASSERT_EQ(Persist(p)->PersistLoad(&s), 1);
  EXPECT_TRUE(s.AtEnd());
  EXPECT_EQ(
      State(p),
      "root rc | pins p0 p2 | traits fleetmatch=on preserve=routing | ts "
      "TS_CHILD_MODIFIED=-1 TS_SYNTHESIS=9 | ff FF_LOM FF_PLACEMENT | files f0 f1 f2 f3 f4 f5 "
      "| ip a.qxp b.qxp | times 10 11 12 13 14 / 20 21 22 23 24");
  EXPECT_EQ(sink.All(), (Strings{Error("PartitionPin::PersistLoad: Failed to read Partition Pin "
                                       "Site.  Partition Pin not loaded.\n"),
                                 PinNotLoaded(1)}));

  // Cut inside the third pin: the pins before it stay.
  sink.Clear();
  ScriptedStream cut = Head("2", "0").Bool(false).Bool(false).Int(3);
  PinItems(cut, "whole").UInt(2).UInt(0).Xuid(Port::XUID(1, 2));
  EXPECT_EQ(Persist(p)->PersistLoad(&cut), 0);
  EXPECT_EQ(State(p).substr(0, 18), "- - | pins whole |");
  const Strings errors = sink.All();
  EXPECT_EQ(errors.back(), Error("Partition::PersistLoad: Failed to read number of Partition "
                                 "traits.  Partition not loaded.\n"));
  EXPECT_NE(std::find(errors.begin(), errors.end(), PinNotLoaded(2)), errors.end());
}

TEST_F(PartitionRecordTest, PinsThatCannotBeMadeAreReportedBySteps) {
  // One announced pin whose record the stream does not hold: the traits follow.
  auto record = [] {
    ScriptedStream s = Head("2", "0").Bool(false).Bool(false).Int(1);
    return s.Int(1).Str("preserve").Str("placement").Int(0).Int(0).Int(-1).Int(0).Int(-1).Int(-1);
  };
  auto p = NewPartition();
  Full(1).LoadInto(p.get());
  FakeServices::NotAPinFactory notAPins;
  struct Restore {
    ~Restore() { FakeServices::RestoreRegistry(); }
  } restore;
  ZoreTest::CapturingSink sink;
  CitP::Factory::Shutdown();  // the registry knows no pin class
  for (int step = 0; step < 2; ++step) {
    // Then something is created, but it has no record interface.
    if (step == 1) CitP::Factory::RegisterFactory(Port::XUID(Xuids::ZorE_PartitionPin), &notAPins);
    ScriptedStream s = record();
    EXPECT_EQ(Persist(p)->PersistLoad(&s), 1);
    EXPECT_TRUE(s.AtEnd());
    EXPECT_EQ(State(p).substr(0, 40), "- - | pins | traits preserve=placement |");
  }
  EXPECT_EQ(FakeServices::NotAPin::live, 0) << "the object that is not a pin is dropped";
  EXPECT_EQ(sink.All(),
            (Strings{Error("Can't create Partition Pin interface.  Partition Pin not loaded.\n"),
                     Error("Can't create Partition Pin persist interface.  Partition Pin not "
                           "loaded.\n")}));
  EXPECT_EQ(sink.Texts(Port_Severity::Debug),
            (Strings{"Reading 1 partition pins\n", "In ZorE::PartitionPin::~PartitionPin\n",
                     "Reading 1 partition pins\n"}));
}

TEST_F(PartitionRecordTest, DamagedCountsAndIndexesAreBounded) {
  struct Row {
    const char* what;
    std::function<ScriptedStream()> record;
    int status;
    std::size_t messages;
    std::string lastMessage;  // empty: none at all
    std::string head;         // the state up to the timestamps
    const char* kept;         // from here on, the state is as before the load
  };
  auto counts = [](int pins, int traits) {
    return Head("2", "0").Bool(true).Bool(false).Int(pins).Int(traits);
  };
  const Row rows[] = {
      {"design file index past the array",
       [&] {
         ScriptedStream s = counts(0, 0).Int(0).Int(0).Int(6);
         for (int i = 0; i < 7; ++i) s.File("x");
         return s;
       },
       0, 1,
       "Partition::PersistLoad: Partition design file list ends at index 6, past the last entry "
       "5.  Partition not loaded.\n",
       "root - | pins | traits", "| files"},
      {"time index past the array",
       [&] {
         ScriptedStream s = counts(0, 0).Int(0).Int(0).Int(-1).Int(0).Int(INT_MAX);
         for (int i = 0; i < 10; ++i) s.Time(i);
         return s;
       },
       0, 1,
       "Partition::PersistLoad: Partition Processed timestamps ends at index 2147483647, past "
       "the last entry 4.  Partition not loaded.\n",
       "root - | pins | traits", "| times"},
      {"two billion pins and nothing after", [&] { return counts(INT_MAX, 0); }, 0, 17,
       "Partition::PersistLoad: 8 Partition Pins in a row failed to load; the pin records are "
       "damaged.  Partition not loaded.\n",
       "root - | pins | traits fleetmatch=on preserve=routing", "| files"},
      {"a huge trait count", [&] { return counts(0, INT_MAX).Str("a").Str("b"); }, 0, 1,
       "Partition::PersistLoad: Failed to read Partition traits.  Partition not loaded.\n",
       "root - | pins | traits a=b", "| files"},
      {"negative counts",
       [&] { return counts(-3, INT_MIN).Int(-1).Int(-1).Int(-1).Int(-2).Int(-1).Int(-1); }, 1, 0,
       "", "root - | pins | traits", nullptr},
  };
  for (const Row& row : rows) {
    auto p = NewPartition();
    Full(2).LoadInto(p.get());
    const std::string before = State(p);
    ZoreTest::CapturingSink sink;
    ScriptedStream s = row.record();
    EXPECT_EQ(Persist(p)->PersistLoad(&s), row.status) << row.what;
    const Strings errors = sink.All();
    EXPECT_EQ(errors.size(), row.messages) << row.what;
    EXPECT_EQ(errors.empty() ? "" : errors.back(),
              row.lastMessage.empty() ? "" : Error(row.lastMessage))
        << row.what;
    // A failed section leaves what it would have filled untouched; counts
    // that read nothing still empty what they replace.
    const std::string after = State(p);
    EXPECT_EQ(after.substr(0, after.find(" | ts")), row.head) << row.what;
    if (row.kept) {
      EXPECT_EQ(after.substr(after.find(row.kept)), before.substr(before.find(row.kept)))
          << row.what;
    } else {
      EXPECT_EQ(after.substr(after.find("| ff")),
                "| ff | files . . . . . . | ip | times -1 -1 -1 -1 -1 / -1 -1 -1 -1 -1");
    }
  }
}

}  // namespace
