// The partition pin: name, Bel and Site with their internal reports, version,
// dump, identity, its record (six items, every message of save and load) and
// the check of its Pin element.
#include <gtest/gtest.h>

#include "Prjrep/IPersist.h"
#include "support/Probe.h"
#include "support/ScriptedStream.h"
#include "support/XmlDoc.h"
#include "support/ZoreTest.h"

namespace {

using Kind = ZoreTest::ScriptedStream::Kind;
using Strings = std::vector<std::string>;
using ZoreTest::CapturingSink;
using ZoreTest::NewPin;
using ZoreTest::PinProbe;
using ZoreTest::ScriptedStream;

const Port::XUID kPinId(0x0123456789abcdefULL, 0xfedcba9876543210ULL);

class PartitionPinTest : public ZoreTest::LeakCheckedTest {
 protected:
  static Prjrep::IPersist* Persist(const ZavU::PinRef& pin) {
    return CitI::QueryAs<Prjrep::IPersist>(pin.get());
  }
  static ScriptedStream Record(const char* name, const char* bel, const char* site) {
    ScriptedStream s;
    s.UInt(2).UInt(0).Xuid(kPinId).Str(name).Str(bel).Str(site);
    return s;
  }
  /// A pin filled through its record, as a project load fills it.
  static ZavU::PinRef Filled() {
    auto pin = NewPin();
    ScriptedStream s = Record("clk", "SLICE_X0Y0.A", "SLICE_X0Y0");
    EXPECT_EQ(Persist(pin)->PersistLoad(&s), 1);
    return pin;
  }
};

TEST_F(PartitionPinTest, NameBelSiteVersionDumpAndIdentity) {
  auto pin = NewPin();
  Port::XUID xuid(1, 2);
  auto persist = pin.As<Prjrep::IPersist>();
  persist->GetXUID(xuid);
  EXPECT_TRUE(xuid.IsZero());
  CapturingSink sink;
  EXPECT_EQ(pin->Dump(), 1);
  EXPECT_EQ(pin->SetName("data[3]"), 1);
  EXPECT_EQ(pin->GetName().str(), "data[3]");
  pin->Dump();
  // The Bel and Site accessors report every use; the setters answer 0 but store.
  EXPECT_EQ(pin->SetPartitionPinBel("LAB_X1_Y2"), 0);
  EXPECT_EQ(pin->GetPartitionPinBel().str(), "LAB_X1_Y2");
  EXPECT_EQ(pin->SetPartitionPinSite("SITE_7"), 0);
  EXPECT_EQ(pin->GetPartitionPinSite().str(), "SITE_7");
  EXPECT_EQ(sink.All(),
            (Strings{"STATUS: Partition Pin \"\":\n", "STATUS: Partition Pin \"data[3]\":\n",
                     "INTERNAL: PartitionPin::SetPartitionPinBel() called.\n",
                     "INTERNAL: PartitionPin::GetPartitionPinBel() called.\n",
                     "INTERNAL: PartitionPin::SetPartitionPinSite called.\n",
                     "INTERNAL: PartitionPin::GetPartitionPinSite called.\n"}));
  for (const Port_Message& m : sink.messages) EXPECT_EQ(m.domain, "VudododirazaDoruviV");
  sink.Clear();
  EXPECT_EQ(pin->ClearPartitionPinBelAndSite(), 0);
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(PinProbe(pin).Bel().str(), "");
  EXPECT_EQ(PinProbe(pin).Site().str(), "");

  std::uint32_t version = 9, revision = 9;
  EXPECT_EQ(pin->GetVersion(&version, &revision), 1);
  EXPECT_EQ(version * 10 + revision, 20u);
  EXPECT_EQ(pin.As<ZavU::IPPXPartition>()->NoOperation(), 1);
  EXPECT_EQ(persist->SetXUID(kPinId), 1);
  EXPECT_EQ(persist->GetXUID(xuid), 1);
  EXPECT_EQ(xuid, kPinId);
  EXPECT_EQ(persist->GetClassXUID(xuid), 1);
  EXPECT_EQ(xuid, Port::XUID("{2c4cfe12-3096-490e-bf15-40cec3980408}"));
  persist.Reset();
  pin.Reset();
  EXPECT_EQ(sink.Texts(Port_Severity::Debug), Strings{"In ZorE::PartitionPin::~PartitionPin\n"});
}

TEST_F(PartitionPinTest, RecordRoundTripsSixItems) {
  CapturingSink sink;
  for (bool filled : {false, true}) {
    auto saved = filled ? Filled() : NewPin();
    ScriptedStream s;
    ASSERT_EQ(Persist(saved)->PersistSave(&s), 1);
    const Kind kinds[] = {Kind::UInt,   Kind::UInt,   Kind::Xuid,
                          Kind::String, Kind::String, Kind::String};
    ASSERT_EQ(s.items.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(s.items[i].kind, kinds[i]) << i;
    EXPECT_EQ(s.items[0].number * 10 + s.items[1].number, 20);
    EXPECT_EQ(s.items[2].xuid, filled ? kPinId : Port::XUID());
    EXPECT_EQ(s.items[4].text.str(), filled ? "SLICE_X0Y0.A" : "");
    EXPECT_EQ(s.items[5].text.str(), filled ? "SLICE_X0Y0" : "");
    // Read back into a pin holding other values; any numbers are read alike.
    auto loaded = filled ? NewPin() : Filled();
    s.items[0].number = 1;
    s.items[1].number = 7;
    s.Rewind();
    ASSERT_EQ(Persist(loaded)->PersistLoad(&s), 1);
    EXPECT_TRUE(s.AtEnd());
    EXPECT_EQ(loaded->GetName().str(), filled ? "clk" : "");
    EXPECT_EQ(PinProbe(loaded).Bel(), PinProbe(saved).Bel());
    EXPECT_EQ(PinProbe(loaded).Site(), PinProbe(saved).Site());
    EXPECT_EQ(PinProbe(loaded).Xuid(), PinProbe(saved).Xuid());
  }
  EXPECT_TRUE(sink.All().empty());
}

TEST_F(PartitionPinTest, EachFailedItemIsReportedAndALoadKeepsWhatWasRead) {
  struct Item {
    const char* save;
    const char* load;
  };
  const Item items[] = {
      {"PartitionPin::PersistSave: Failed to write Partition Pin version number.  Partition Pin "
       "data not written.\n",
       "PartitionPin::PersistLoad: Failed to read Partition Pin version.  Partition Pin not "
       "loaded.\n"},
      {"PartitionPin::PersistSave: Failed to write Partition Pin revision number.  Partition Pin "
       "data not written.\n",
       "PartitionPin::PersistLoad: Failed to read Partition Pin revision.  Partition Pin not "
       "loaded.\n"},
      {"PartitionPin ::PersistSave: Failed to write Partition Pin XUID.  Partition Pin data not "
       "written.\n",
       "PartitionPin::PersistLoad: Failed to read Partition Pin XUID.  Partition Pin not "
       "loaded.\n"},
      {"PartitionPin ::PersistSave: Failed to write Partition Pin name.  Partition Pin data not "
       "written.\n",
       "PartitionPin::PersistLoad: Failed to read Partition Pin name.  Partition Pin not "
       "loaded.\n"},
      {"PartitionPin ::PersistSave: Failed to write Partition Pin Bel name.  Partition Pin data "
       "not written.\n",
       "PartitionPin::PersistLoad: Failed to read Partition Pin Bel.  Partition Pin not "
       "loaded.\n"},
      {"PartitionPin ::PersistSave: Failed to write Partition Pin Site name.  Partition Pin data "
       "not written.\n",
       "PartitionPin::PersistLoad: Failed to read Partition Pin Site.  Partition Pin not "
       "loaded.\n"},
  };
  for (int k = 0; k < 6; ++k) {
    auto pin = Filled();
    CapturingSink sink;
    ScriptedStream saved;
    saved.failAt = k;
    EXPECT_EQ(Persist(pin)->PersistSave(&saved), 0) << k;
    EXPECT_EQ(saved.items.size(), static_cast<std::size_t>(k)) << "items before the failure stay";

    ScriptedStream s = Record("new", "newBel", "newSite");
    s.items[2].xuid = Port::XUID(7, 7);
    s.Rewind(k);
    EXPECT_EQ(Persist(pin)->PersistLoad(&s), 0) << k;
    EXPECT_EQ(sink.All(), (Strings{std::string("ERROR: ") + items[k].save,
                                   std::string("ERROR: ") + items[k].load}));
    // Items before the failed one are stored; the failed one and later keep
    // their old value.
    EXPECT_EQ(PinProbe(pin).Xuid(), k > 2 ? Port::XUID(7, 7) : kPinId) << k;
    EXPECT_EQ(pin->GetName().str(), k > 3 ? "new" : "clk") << k;
    EXPECT_EQ(PinProbe(pin).Bel().str(), k > 4 ? "newBel" : "SLICE_X0Y0.A") << k;
    EXPECT_EQ(PinProbe(pin).Site().str(), "SLICE_X0Y0") << k;
  }
  CapturingSink sink;
  auto pin = NewPin();
  EXPECT_EQ(Persist(pin)->PersistSave(nullptr), 0);
  EXPECT_EQ(Persist(pin)->PersistLoad(nullptr), 0);
  EXPECT_EQ(sink.All(), (Strings{std::string("ERROR: ") + items[0].save,
                                 std::string("ERROR: ") + items[0].load}));
}

std::string Refused(const std::string& attribute) {
  return "ERROR: The \"" + attribute +
         "\" attribute on Partition pins is no longer supported.  Please correct the "
         "xpartition.pxml file.\n";
}

TEST_F(PartitionPinTest, PinElementLocationsAreRefusedWhenChecked) {
  // All four at once, written in another order than they are examined.
  ZoreTest::XmlDoc all(R"(<Pin Name="a" BelPin="P" BelSite="B" Binding="X" Site="S"/>)");
  auto pin = NewPin();
  CapturingSink sink;
  EXPECT_EQ(pin.As<ZavU::IPPXPartition>()->ReadXmlAttributes(all.Root(), 1, 2), 0);
  EXPECT_EQ(sink.All(),
            (Strings{Refused("Site"), Refused("Binding"), Refused("BelSite"), Refused("BelPin")}));
  EXPECT_EQ(pin->GetName().str(), "") << "the check does not name the pin";
  EXPECT_EQ(PinProbe(pin).Site().str(), "");

  // Each alone, under every check flag and format version: checked from 2 on.
  for (const char* attribute : {"Site", "Binding", "BelSite", "BelPin"}) {
    ZoreTest::XmlDoc doc(std::string("<Pin Name=\"a\" ") + attribute + "=\"v\"/>");
    for (std::uint32_t flag : {0u, 1u, 2u}) {
      for (std::uint32_t version : {0u, 1u, 2u, 3u}) {
        const bool checked = flag != 0 && version >= 2;
        sink.Clear();
        EXPECT_EQ(pin.As<ZavU::IPPXPartition>()->ReadXmlAttributes(doc.Root(), flag, version),
                  checked ? 0 : 1)
            << attribute << " " << flag << "/" << version;
        EXPECT_EQ(sink.All(), checked ? Strings{Refused(attribute)} : Strings{});
      }
    }
  }
  // Empty locations and other names pass.
  ZoreTest::XmlDoc other(R"(<Pin Name="a" Site="" Binding="" site="x" Bel="x"/>)");
  sink.Clear();
  EXPECT_EQ(pin.As<ZavU::IPPXPartition>()->ReadXmlAttributes(other.Root(), 1, 2), 1);
  EXPECT_TRUE(sink.All().empty());
}

}  // namespace
