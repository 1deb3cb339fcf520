// The partition's record: the current layout and a save-then-load of every
// field, what each older layout restores and keeps, every message of save and
// load, bad pins and damaged counts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <sstream>
#include <tuple>

#include "Partition/FakeServices.h"
#include "Partition/PartitionRecordFormat.h"
#include "support/Probe.h"
#include "support/ScriptedStream.h"
#include "support/ZoreTest.h"

namespace {

using namespace ZoreTest;
using ZorE::PartitionRecord::Text;

const Port::XUID kId(0x1111222233334444ULL, 0x5555666677778888ULL);
// Version, revision, identity, two names, two flags and the pin count come
// before the first pin; a pin record has six items.
constexpr int kFirstPinItem = 8;
constexpr int kPinItems = 6;

std::string Error(const std::string& text) { return "ERROR: " + text; }
std::string Error(Text text) { return Error(ZorE::PartitionRecord::TextOf(text)); }
std::string PinNotLoaded(int index) {
  return Error("Failed to load Partition Pin " + std::to_string(index) +
               ".  Partition Pin not loaded.\n");
}
std::string PinItemNotRead(const char* item) {
  return Error("PartitionPin::PersistLoad: Failed to read Partition Pin " + std::string(item) +
               ".  Partition Pin not loaded.\n");
}
Prjrep::IPersist* Persist(const PartitionRef& p) {
  return CitI::QueryAs<Prjrep::IPersist>(p.get());
}

/// A record of layout `version` ("1.6"): its head (version, revision,
/// identity, names), then `items`, each a kind letter and its value: s
/// string, f file name, i int, b bool, y byte, t time, p a whole pin record.
ScriptedStream Record(const char* version, const std::string& items) {
  const std::string v = version;
  ScriptedStream s;
  s.Str(v.substr(0, v.find('.')).c_str()).Str(v.substr(v.find('.') + 1).c_str());
  s.Xuid(kId).Str("u1").Str("top/u1");
  std::istringstream in(items);
  for (std::string item; in >> item;) {
    const std::string text = item.substr(1);
    const long long n =
        std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-' ? std::stoll(text) : 0;
    const char k = item[0];
    if (k == 's') s.Str(text.c_str());
    if (k == 'f') s.File(text.c_str());
    if (k == 'i') s.Int(static_cast<std::int32_t>(n));
    if (k == 'b') s.Bool(n != 0);
    if (k == 'y') s.Byte(static_cast<std::uint8_t>(n));
    if (k == 't') s.Time(n);
    if (k == 'p') s.UInt(2).UInt(0).Xuid(Port::XUID(9, 9)).Str(text.c_str()).Str("").Str("");
  }
  return s;
}

/// A current record with every field set to something other than its
/// default, and `pins`.
ScriptedStream Full(const std::string& pins = "i1 pp0") {
  return Record("2.0", "b1 b1 " + pins +
                           " i2 sfleetmatch son spreserve srouting i2 sTS_CHILD_MODIFIED t-1"
                           " sTS_SYNTHESIS t9 i2 sFF_LOM y1 sFF_PLACEMENT y1 i5 ff0 ff1 ff2 ff3 ff4"
                           " ff5 i2 fa.qxp fb.qxp i4 t10 t11 t12 t13 t14 i4 t20 t21 t22 t23 t24");
}
/// Loads `record` into `p`.
void Load(const PartitionRef& p, ScriptedStream record) {
  EXPECT_EQ(Persist(p)->PersistLoad(&record), 1);
}
const char* const kFullState =
    "flags root rc | pins p0 | traits fleetmatch=on preserve=routing | ts TS_CHILD_MODIFIED=-1 "
    "TS_SYNTHESIS=9 | ff FF_LOM FF_PLACEMENT | files f0 f1 f2 f3 f4 f5 | ip a.qxp b.qxp | times 10 "
    "11 12 13 14 / 20 21 22 23 24";

/// Everything a load restores, on one line, in labelled sections.
std::string State(const PartitionRef& p) {
  PartitionProbe own(p);
  std::ostringstream s;
  s << "flags" << (p->IsRoot() ? " root" : " -") << (p->IsReconfigurable() ? " rc" : " -");
  s << " | pins";
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

/// The sections of a state, or of a list of changes, split at " | ".
Strings Sections(const std::string& state) {
  Strings sections;
  for (std::size_t at = 0, end = 0; end != std::string::npos; at = end + 3) {
    end = state.find(" | ", at);
    sections.push_back(state.substr(at, end == std::string::npos ? end : end - at));
  }
  return sections;
}
/// `state` with each section named by the first word of a change replaced.
std::string With(const std::string& state, const std::string& changes) {
  std::string out;
  for (std::string section : Sections(state)) {
    for (const std::string& c : Sections(changes)) {
      if (c.substr(0, c.find(' ')) == section.substr(0, section.find(' '))) section = c;
    }
    out += (out.empty() ? "" : " | ") + section;
  }
  return out;
}
const char* const kEmptied =
    "flags - - | pins | traits | ff | files . . . . . . | ip | times -1 -1 -1 -1 -1 / -1 -1 -1 -1 "
    "-1";

/// One letter for the kind of each item of `s`.
std::string Kinds(const ScriptedStream& s) {
  std::string kinds;
  for (const auto& item : s.items) kinds += "itbuyszf"[static_cast<int>(item.kind)];
  return kinds;
}

class PartitionRecordTest : public LeakCheckedTest {};

TEST_F(PartitionRecordTest, CurrentLayoutAndSaveThenLoadOfEveryField) {
  CapturingSink sink;
  auto empty = NewPartition();
  ScriptedStream s;
  ASSERT_EQ(Persist(empty)->PersistSave(&s), 1);
  std::string numbers;
  for (const auto& item : s.items) {
    if (item.kind == ScriptedStream::Kind::Int) numbers += std::to_string(item.number) + " ";
  }
  EXPECT_EQ(Kinds(s), "sszssbbiiiiiffffffiitttttittttt");
  EXPECT_EQ(numbers, "0 0 0 0 5 0 4 4 ") << "counts and last indexes";
  EXPECT_EQ(s.items[0].text.str() + "." + s.items[1].text.str(), "2.0");
  EXPECT_EQ(s.items[20].number, -1) << "a time never set";

  // A full partition saves what it loaded, and a load of that gives it back
  // with new pins; the empty record empties all but the timestamps.
  auto saved = NewPartition();
  const char* const threePins = "i3 pp0 pp1 pp2";
  Load(saved, Full(threePins));
  ScriptedStream full;
  ASSERT_EQ(Persist(saved)->PersistSave(&full), 1);
  auto copy = NewPartition();
  ASSERT_EQ(Persist(copy)->PersistLoad(&full), 1);
  EXPECT_TRUE(full.AtEnd());
  EXPECT_EQ(Kinds(full).substr(kFirstPinItem, kPinItems), "uuzsss") << "a pin's record";
  EXPECT_EQ(State(copy), With(kFullState, "pins p0 p1 p2"));
  EXPECT_NE(PartitionProbe(copy).Pins()[0].get(), PartitionProbe(saved).Pins()[0].get());
  s.Rewind();
  ASSERT_EQ(Persist(copy)->PersistLoad(&s), 1);
  EXPECT_EQ(State(copy), With(kFullState, kEmptied));
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

TEST_F(PartitionRecordTest, EachLayoutRestoresItsSectionsAndKeepsTheRest) {
  // Each record is loaded into the partition the rows before it left
  // behind, and changes only the sections listed.
  const std::tuple<const char*, const char*, const char*> rows[] = {
      // No root flag, pins, force flags, files, IP files or arrays.
      {"1.0", "i1 spreserve ssynthesis i1 sTS_PACKED t7",
       "flags - - | traits preserve=synthesis | ts TS_CHILD_MODIFIED=-1 TS_PACKED=7 "
       "TS_SYNTHESIS=9"},
      {"1.2", "b1 i0 i0 s/q2", "flags root - | traits | files . . . . . /q2"},
      {"1.3", "b0 i0 i0 i1 sFF_TRANSLATE y1 s/q3",
       "flags - - | ff FF_TRANSLATE | files . . . . . /q3"},
      {"1.4", "b0 i0 i0 i0 s/q4 i1 sc.qxp", "ff | files . . . . . /q4 | ip c.qxp"},
      {"1.5", "b0 i0 i0 i1 sFF_LOM y1 s/q5 i2 sd.qxp se.qxp",
       "ff FF_LOM | files . . . . . /q5 | ip d.qxp e.qxp"},
      {"1.6", "b0 b1 i1 pd i0 i0 i0 f/q6 i1 ff.qxp",
       "flags - rc | pins d | ff | files . . . . . /q6 | ip f.qxp"},
      {"1.7", "b0 b0 i0 i0 i0 i0 i2 fq0 fq1 fq2 i0 i1 t11 t12 i1 t21 t22",  // short indexes
       "flags - - | pins | files q0 q1 q2 . . . | ip | times 11 12 -1 -1 -1 / 21 22 -1 -1 -1"},
      {"0.0", "b1 b1 i0 i0 i0 i1 sFF_LOM y1 i1 fv0.qxp", "flags root rc | ff FF_LOM | ip v0.qxp"},
      {"two.0", "b1 b0 i0 i0 i0 i0 i0", "flags root - | ff | ip"},
      {"2.0", "b0 b0 i0 i0 i0 i0 i-7 i0 i-1 i-2147483648",  // negative indexes empty all
       "flags - - | files . . . . . . | times -1 -1 -1 -1 -1 / -1 -1 -1 -1 -1"},
  };
  CapturingSink sink;
  auto p = NewPartition();
  Load(p, Full());
  std::string expected = kFullState;
  for (const auto& [version, items, changes] : rows) {
    ScriptedStream s = Record(version, items);
    ASSERT_EQ(Persist(p)->PersistLoad(&s), 1) << version;
    EXPECT_TRUE(s.AtEnd()) << version;
    expected = With(expected, changes);
    EXPECT_EQ(State(p), expected) << version;
  }
  // Later versions read as the current layout: 3, -1 (compared unsigned),
  // and 2 followed by a space.
  for (const char* version : {"3", "-1", "2 "}) {
    ScriptedStream s = Full();
    s.items[0].text = version;
    s.items[1].text = "41";
    p = NewPartition();
    ASSERT_EQ(Persist(p)->PersistLoad(&s), 1) << version;
    EXPECT_EQ(State(p), kFullState) << version;
  }
  EXPECT_TRUE(sink.All().empty());
}

/// Appends to `seen` each of `messages` it does not hold yet.
void AddNew(Strings& seen, const Strings& messages) {
  for (const std::string& m : messages) {
    if (std::find(seen.begin(), seen.end(), m) == seen.end()) seen.push_back(m);
  }
}
/// The record's own messages from `first` to `last`, less those in `skipped`.
Strings Texts(Text first, Text last, std::initializer_list<Text> skipped) {
  Strings texts;
  for (int t = static_cast<int>(first); t <= static_cast<int>(last); ++t) {
    const auto text = static_cast<Text>(t);
    if (std::find(skipped.begin(), skipped.end(), text) == skipped.end()) {
      texts.push_back(Error(text));
    }
  }
  return texts;
}

TEST_F(PartitionRecordTest, EveryFailedItemReportsItselfInRecordOrder) {
  auto p = NewPartition();
  Load(p, Full());
  ScriptedStream whole;
  ASSERT_EQ(Persist(p)->PersistSave(&whole), 1);
  Strings distinct;  // the write messages
  for (int k = 0; k < whole.operations; ++k) {
    CapturingSink sink;
    ScriptedStream s;
    s.failAt = k;
    EXPECT_EQ(Persist(p)->PersistSave(&s), 0) << k;
    EXPECT_EQ(s.items.size(), static_cast<std::size_t>(k)) << "items before the failure stay";
    const bool inPin = k >= kFirstPinItem && k < kFirstPinItem + kPinItems;
    EXPECT_EQ(sink.All().size(), inPin ? 2u : 1u) << k;
    AddNew(distinct, sink.All());
  }
  Strings expected = Texts(Text::WriteVersion, Text::WritePinCount, {Text::WritePinPersist});
  const char* const pinItems[] = {"version number", "revision number", "XUID",
                                  "name",           "Bel name",        "Site name"};
  for (int k = 0; k < kPinItems; ++k) {
    expected.push_back(Error(std::string("PartitionPin") + (k < 2 ? "" : " ") +
                             "::PersistSave: Failed to write Partition Pin " + pinItems[k] +
                             ".  Partition Pin data not written.\n"));
    if (k == 0) {
      expected.push_back(
          Error("Failed to write partition pin \"p0\".  HDProject data not "
                "written to the Project file.\n"));
    }
  }
  AddNew(expected, Texts(Text::WritePinCount, Text::WriteInterfaceChange,
                         {Text::WritePinPersist, Text::WritePin}));
  EXPECT_EQ(distinct, expected);

  // Reading: the current layout and 1.5 (its Qnl file as a string).
  ScriptedStream current = Full();
  ScriptedStream r5 = Record("1.5", "b0 i0 i0 i0 s/r5.qnl i0");
  distinct.clear();  // the first message of each failed item
  for (ScriptedStream* record : {&current, &r5}) {
    for (std::size_t k = 0; k < record->items.size(); ++k) {
      CapturingSink sink;
      record->Rewind(static_cast<int>(k));
      auto q = NewPartition();
      // A failed pin is left out; only its last item keeps the record in
      // step, so only then does the load succeed.
      const bool inPin = record == &current && k >= kFirstPinItem && k < kFirstPinItem + kPinItems;
      EXPECT_EQ(Persist(q)->PersistLoad(record), inPin && k + 1 == kFirstPinItem + kPinItems) << k;
      const Strings messages = sink.All();
      ASSERT_FALSE(messages.empty()) << k;
      AddNew(distinct, {messages.front()});
      if (inPin) {
        EXPECT_EQ(messages[1], PinNotLoaded(0));
      }
    }
  }
  const std::initializer_list<Text> pinTexts = {Text::CreatePin, Text::CreatePinPersist,
                                                Text::ReadPin, Text::ReadPinsGaveUp,
                                                Text::ReadQnlFile};
  expected = Texts(Text::ReadVersion, Text::ReadPinCount, pinTexts);
  for (const char* item : {"version", "revision", "XUID", "name", "Bel", "Site"}) {
    expected.push_back(PinItemNotRead(item));
  }
  AddNew(expected, Texts(Text::ReadPinCount, Text::ReadInterfaceChange, pinTexts));
  expected.push_back(Error(Text::ReadQnlFile));
  EXPECT_EQ(distinct, expected);
}

TEST_F(PartitionRecordTest, BadPinsAreSkippedOrEndTheLoadOrTheSave) {
  CapturingSink sink;
  // The Site item of pin 1 fails; the load goes on past it.
  ScriptedStream s = Full("i3 pp0 pp1 pp2");
  s.Rewind(kFirstPinItem + 2 * kPinItems - 1);
  auto p = NewPartition();
  ASSERT_EQ(Persist(p)->PersistLoad(&s), 1);
  EXPECT_TRUE(s.AtEnd());
  EXPECT_EQ(State(p), With(kFullState, "pins p0 p2"));
  EXPECT_EQ(sink.All(), (Strings{PinItemNotRead("Site"), PinNotLoaded(1)}));

  // Cut inside the third pin: the pins before it stay.
  sink.Clear();
  ScriptedStream cut = Record("2.0", "b0 b0 i3 pwhole");
  cut.UInt(2).UInt(0).Xuid(Port::XUID(1, 2));
  EXPECT_EQ(Persist(p)->PersistLoad(&cut), 0);
  EXPECT_EQ(State(p).find("flags - - | pins whole |"), 0u);
  const Strings errors = sink.All();
  EXPECT_EQ(errors.back(), Error("Partition::PersistLoad: Failed to read number of Partition "
                                 "traits.  Partition not loaded.\n"));
  EXPECT_NE(std::find(errors.begin(), errors.end(), PinNotLoaded(2)), errors.end());

  // A listed pin of another implementation keeps no record: the save is refused.
  FakeServices::ForeignPinFactory foreignPins;
  auto q = NewPartition();
  ASSERT_EQ(q->AddPartitionPin("a"), 1);
  {
    FakeServices::EmptiedRegistry emptied;
    CitP::Factory::RegisterFactory(Port::XUID(Xuids::ZorE_PartitionPin), &foreignPins);
    ASSERT_EQ(q->AddPartitionPin("x"), 1);
  }
  sink.Clear();
  ScriptedStream refused;
  EXPECT_EQ(Persist(q)->PersistSave(&refused), 0);
  EXPECT_EQ(sink.All(), Strings{Error(Text::WritePinPersist)});
  q.Reset();

  // A pin that cannot be made: the registry knows no pin class, then it
  // makes something without a record interface. The traits follow.
  FakeServices::NotAPinFactory notAPins;
  FakeServices::EmptiedRegistry emptied;
  sink.Clear();
  for (int step = 0; step < 2; ++step) {
    if (step == 1) CitP::Factory::RegisterFactory(Port::XUID(Xuids::ZorE_PartitionPin), &notAPins);
    ScriptedStream one = Record("2.0", "b0 b0 i1 i1 spreserve splacement i0 i0 i-1 i0 i-1 i-1");
    EXPECT_EQ(Persist(p)->PersistLoad(&one), 1);
    EXPECT_TRUE(one.AtEnd());
    EXPECT_EQ(State(p).find("flags - - | pins | traits preserve=placement |"), 0u);
  }
  EXPECT_EQ(FakeServices::g_liveFakes, 0) << "the object that is not a pin is dropped";
  EXPECT_EQ(sink.All(),
            (Strings{Error("Can't create Partition Pin interface.  Partition Pin not loaded.\n"),
                     Error("Can't create Partition Pin persist interface.  Partition Pin not "
                           "loaded.\n")}));
  EXPECT_EQ(sink.Texts(Port_Severity::Debug),
            (Strings{"Reading 1 partition pins\n", "In ZorE::PartitionPin::~PartitionPin\n",
                     "Reading 1 partition pins\n"}));
  // Eight such pins in a row: the load gives up.
  sink.Clear();
  ScriptedStream eight = Record("2.0", "b0 b0 i8 i0 i0 i0 i-1 i0 i-1 i-1");
  EXPECT_EQ(Persist(p)->PersistLoad(&eight), 0);
  ASSERT_EQ(sink.All().size(), 9u);
  EXPECT_EQ(sink.All().back(),
            Error("Partition::PersistLoad: 8 Partition Pins in a row failed to "
                  "load; the pin records are damaged.  Partition not loaded.\n"));
}

TEST_F(PartitionRecordTest, DamagedCountsAndIndexesAreBounded) {
  struct Row {
    const char* what;
    std::string items;  // after the head and the root flags
    std::size_t messages;
    const char* lastMessage;  // none: the load succeeds
    const char* head;         // the state up to the timestamps
    const char* kept;         // from here on, the state is as before the load
  };
  const Row rows[] = {
      {"design file index past the array", "i0 i0 i0 i0 i6 fx fx fx fx fx fx fx", 1,
       "Partition::PersistLoad: Partition design file list ends at index 6, past the last entry "
       "5.  Partition not loaded.\n",
       "flags root - | pins | traits", "| files"},
      {"time index past the array", "i0 i0 i0 i0 i-1 i0 i2147483647 t0 t1 t2 t3 t4 t5 t6 t7 t8 t9",
       1,
       "Partition::PersistLoad: Partition Processed timestamps ends at index 2147483647, past "
       "the last entry 4.  Partition not loaded.\n",
       "flags root - | pins | traits", "| times"},
      {"two billion pins and nothing after", "i2147483647 i0", 17,
       "Partition::PersistLoad: 8 Partition Pins in a row failed to load; the pin records are "
       "damaged.  Partition not loaded.\n",
       "flags root - | pins | traits fleetmatch=on preserve=routing", "| files"},
      {"a huge trait count", "i0 i2147483647 sa sb", 1,
       "Partition::PersistLoad: Failed to read Partition traits.  Partition not loaded.\n",
       "flags root - | pins | traits a=b", "| files"},
      {"negative counts", "i-3 i-2147483648 i-1 i-1 i-1 i-2 i-1 i-1", 0, nullptr,
       "flags root - | pins | traits", nullptr},
  };
  for (const Row& row : rows) {
    auto p = NewPartition();
    Load(p, Full());
    const std::string before = State(p);
    CapturingSink sink;
    ScriptedStream s = Record("2.0", "b1 b0 " + row.items);
    EXPECT_EQ(Persist(p)->PersistLoad(&s), row.lastMessage ? 0 : 1) << row.what;
    const Strings errors = sink.All();
    EXPECT_EQ(errors.size(), row.messages) << row.what;
    if (row.lastMessage && !errors.empty()) {
      EXPECT_EQ(errors.back(), Error(row.lastMessage));
    }
    // A failed section leaves what it would have filled untouched; counts
    // that read nothing still empty what they replace.
    const std::string after = State(p);
    EXPECT_EQ(after.substr(0, after.find(" | ts")), row.head) << row.what;
    const std::string expected = row.kept ? before : With(before, kEmptied);
    const char* from = row.kept ? row.kept : "| ff";
    EXPECT_EQ(after.substr(after.find(from)), expected.substr(expected.find(from))) << row.what;
  }
}

}  // namespace
