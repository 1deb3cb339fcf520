// The pin's record: its six items, what a load keeps when an item fails, and
// every message of save and load.
#include <gtest/gtest.h>

#include "support/ScriptedStream.h"
#include "support/ZoreTest.h"

namespace {

using Kind = ZoreTest::ScriptedStream::Kind;
using ZoreTest::NewPin;
using ZoreTest::Own;
using ZoreTest::ScriptedStream;

const Port::XUID kPinId(0x0123456789abcdefULL, 0xfedcba9876543210ULL);

class PinRecord : public ZoreTest::LeakCheckedTest {
 protected:
  static Prjrep::IPersist* Persist(const ZavU::PinRef& pin) {
    return CitI::QueryAs<Prjrep::IPersist>(pin.get());
  }
  static void Fill(ZorE::PartitionPin& pin) {
    pin.m_xuid = kPinId;
    pin.m_name = "clk";
    pin.m_bel = "SLICE_X0Y0.A";
    pin.m_site = "SLICE_X0Y0";
  }
};

TEST_F(PinRecord, FreshPinWritesSixItemsAndReadsBackEqual) {
  auto saved = NewPin();
  ScriptedStream s;
  ASSERT_EQ(Persist(saved)->PersistSave(&s), 1);
  ASSERT_EQ(s.items.size(), 6u);
  const Kind kinds[] = {Kind::UInt,   Kind::UInt,   Kind::Xuid,
                        Kind::String, Kind::String, Kind::String};
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(s.items[i].kind, kinds[i]) << "item " << i;
  EXPECT_EQ(s.items[0].number, 2);
  EXPECT_EQ(s.items[1].number, 0);
  EXPECT_TRUE(s.items[2].xuid.IsZero());
  for (std::size_t i = 3; i < 6; ++i) EXPECT_EQ(s.items[i].text.str(), "");

  auto loaded = NewPin();
  Fill(Own(loaded));
  s.Rewind();
  ASSERT_EQ(Persist(loaded)->PersistLoad(&s), 1);
  EXPECT_TRUE(s.AtEnd());
  EXPECT_TRUE(Own(loaded).m_xuid.IsZero());
  EXPECT_EQ(Own(loaded).m_name.str(), "");
  EXPECT_EQ(Own(loaded).m_bel.str(), "");
  EXPECT_EQ(Own(loaded).m_site.str(), "");
}

TEST_F(PinRecord, FilledPinRoundTripsWithoutMessagesWhateverTheNumbers) {
  ZoreTest::CapturingSink sink;
  auto saved = NewPin();
  Fill(Own(saved));
  ScriptedStream s;
  ASSERT_EQ(Persist(saved)->PersistSave(&s), 1);
  auto loaded = NewPin();
  s.Rewind();
  ASSERT_EQ(Persist(loaded)->PersistLoad(&s), 1);
  // Bel and Site travel through the fields: no internal message either way.
  EXPECT_TRUE(sink.All().empty());
  EXPECT_EQ(Own(loaded).m_xuid, kPinId);
  EXPECT_EQ(Own(loaded).m_name.str(), "clk");
  EXPECT_EQ(Own(loaded).m_bel.str(), "SLICE_X0Y0.A");
  EXPECT_EQ(Own(loaded).m_site.str(), "SLICE_X0Y0");

  // A record carrying other numbers reads the same six items.
  ScriptedStream old;
  old.UInt(1).UInt(5).Xuid(kPinId).Str("d").Str("bel").Str("site");
  auto fromOld = NewPin();
  ASSERT_EQ(Persist(fromOld)->PersistLoad(&old), 1);
  EXPECT_TRUE(old.AtEnd());
  EXPECT_EQ(Own(fromOld).m_name.str(), "d");
  EXPECT_EQ(Own(fromOld).m_bel.str(), "bel");
  EXPECT_EQ(Own(fromOld).m_site.str(), "site");
  std::uint32_t version = 0, revision = 9;
  fromOld->GetVersion(&version, &revision);
  EXPECT_EQ(version, 2u);
  EXPECT_EQ(revision, 0u);
}

TEST_F(PinRecord, EachFailedWriteStopsTheSaveWithItsMessage) {
  const char* const expected[] = {
      "PartitionPin::PersistSave: Failed to write Partition Pin version number.  Partition Pin "
      "data not written.\n",
      "PartitionPin::PersistSave: Failed to write Partition Pin revision number.  Partition Pin "
      "data not written.\n",
      "PartitionPin ::PersistSave: Failed to write Partition Pin XUID.  Partition Pin data not "
      "written.\n",
      "PartitionPin ::PersistSave: Failed to write Partition Pin name.  Partition Pin data not "
      "written.\n",
      "PartitionPin ::PersistSave: Failed to write Partition Pin Bel name.  Partition Pin data "
      "not written.\n",
      "PartitionPin ::PersistSave: Failed to write Partition Pin Site name.  Partition Pin data "
      "not written.\n",
  };
  auto pin = NewPin();
  Fill(Own(pin));
  for (int k = 0; k < 6; ++k) {
    ZoreTest::CapturingSink sink;
    ScriptedStream s;
    s.failAt = k;
    EXPECT_EQ(Persist(pin)->PersistSave(&s), 0) << "item " << k;
    EXPECT_EQ(s.items.size(), static_cast<std::size_t>(k)) << "items before the failure stay";
    EXPECT_EQ(sink.All(), std::vector<std::string>{std::string("ERROR: ") + expected[k]});
  }
}

TEST_F(PinRecord, EachFailedReadStopsTheLoadKeepingWhatWasRead) {
  const char* const expected[] = {
      "PartitionPin::PersistLoad: Failed to read Partition Pin version.  Partition Pin not "
      "loaded.\n",
      "PartitionPin::PersistLoad: Failed to read Partition Pin revision.  Partition Pin not "
      "loaded.\n",
      "PartitionPin::PersistLoad: Failed to read Partition Pin XUID.  Partition Pin not "
      "loaded.\n",
      "PartitionPin::PersistLoad: Failed to read Partition Pin name.  Partition Pin not "
      "loaded.\n",
      "PartitionPin::PersistLoad: Failed to read Partition Pin Bel.  Partition Pin not loaded.\n",
      "PartitionPin::PersistLoad: Failed to read Partition Pin Site.  Partition Pin not "
      "loaded.\n",
  };
  const Port::XUID oldId(7, 7);
  for (int k = 0; k < 6; ++k) {
    ScriptedStream s;
    s.UInt(2).UInt(0).Xuid(kPinId).Str("new").Str("newBel").Str("newSite");
    s.failAt = k;
    auto pin = NewPin();
    ZorE::PartitionPin& own = Own(pin);
    own.m_xuid = oldId;
    own.m_name = "old";
    own.m_bel = "oldBel";
    own.m_site = "oldSite";
    ZoreTest::CapturingSink sink;
    EXPECT_EQ(Persist(pin)->PersistLoad(&s), 0) << "item " << k;
    EXPECT_EQ(sink.All(), std::vector<std::string>{std::string("ERROR: ") + expected[k]});
    // Items before the failed one are stored; the failed one and later keep
    // the old value (this stream leaves a failed target untouched).
    EXPECT_EQ(own.m_xuid, k > 2 ? kPinId : oldId) << "item " << k;
    EXPECT_EQ(own.m_name.str(), k > 3 ? "new" : "old") << "item " << k;
    EXPECT_EQ(own.m_bel.str(), k > 4 ? "newBel" : "oldBel") << "item " << k;
    EXPECT_EQ(own.m_site.str(), "oldSite") << "item " << k;
  }
}

TEST_F(PinRecord, NullStreamFailsWithTheFirstItemsMessage) {
  ZoreTest::CapturingSink sink;
  auto pin = NewPin();
  EXPECT_EQ(Persist(pin)->PersistSave(nullptr), 0);
  EXPECT_EQ(Persist(pin)->PersistLoad(nullptr), 0);
  EXPECT_EQ(sink.Texts(Port_Severity::Error).size(), 2u);
}

}  // namespace
