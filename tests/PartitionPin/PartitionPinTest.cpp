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
  auto persist = pin.As<Prjrep::IPersist>();
  CapturingSink sink;
  EXPECT_EQ(pin->Dump(), 1);
  EXPECT_EQ(pin->SetName("data[3]"), 1);
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
  EXPECT_EQ(PinProbe(pin).Bel().str() + PinProbe(pin).Site().str(), "");

  std::uint32_t version = 9, revision = 9;
  EXPECT_EQ(pin->GetVersion(&version, &revision), 1);
  EXPECT_EQ(version * 10 + revision, 20u);
  EXPECT_EQ(pin.As<ZavU::IPPXPartition>()->NoOperation(), 1);
  Port::XUID xuid(1, 2);
  EXPECT_EQ(persist->GetXUID(xuid), 1);
  EXPECT_TRUE(xuid.IsZero());
  EXPECT_EQ(persist->SetXUID(kPinId), 1);
  EXPECT_EQ(persist->GetXUID(xuid), 1);
  EXPECT_EQ(xuid, kPinId);
  EXPECT_EQ(persist->GetClassXUID(xuid), 1);
  EXPECT_EQ(xuid, Port::XUID("{2c4cfe12-3096-490e-bf15-40cec3980408}"));
  persist.Reset();
  pin.Reset();
  EXPECT_EQ(sink.Texts(Port_Severity::Debug), Strings{"In ZorE::PartitionPin::~PartitionPin\n"});
}

TEST_F(PartitionPinTest, RecordRoundTripsSixItemsAndReportsEachFailedItem) {
  CapturingSink sink;
  auto saved = Filled();
  ScriptedStream s;
  ASSERT_EQ(Persist(saved)->PersistSave(&s), 1);
  std::vector<Kind> kinds;
  for (const auto& item : s.items) kinds.push_back(item.kind);
  EXPECT_EQ(kinds, (std::vector<Kind>{Kind::UInt, Kind::UInt, Kind::Xuid, Kind::String,
                                      Kind::String, Kind::String}));
  EXPECT_EQ(s.items[0].number * 10 + s.items[1].number, 20);
  // Read back into an empty pin; any version numbers are read alike.
  auto loaded = NewPin();
  s.items[0].number = 1;
  s.items[1].number = 7;
  s.Rewind();
  ASSERT_EQ(Persist(loaded)->PersistLoad(&s), 1);
  EXPECT_TRUE(s.AtEnd());
  EXPECT_EQ(loaded->GetName().str(), "clk");
  EXPECT_EQ(PinProbe(loaded).Bel().str() + "/" + PinProbe(loaded).Site().str(),
            "SLICE_X0Y0.A/SLICE_X0Y0");
  EXPECT_EQ(PinProbe(loaded).Xuid(), kPinId);
  EXPECT_TRUE(sink.All().empty());

  // The record's own test checks the load messages; a load that fails keeps
  // what it read before the failed item.
  const char* saveItems[] = {"version number", "revision number", "XUID",
                             "name",           "Bel name",        "Site name"};
  for (int k = 0; k < 6; ++k) {
    auto pin = Filled();
    sink.Clear();
    ScriptedStream failed;
    failed.failAt = k;
    EXPECT_EQ(Persist(pin)->PersistSave(&failed), 0) << k;
    EXPECT_EQ(failed.items.size(), static_cast<std::size_t>(k)) << "items before the failure stay";
    EXPECT_EQ(sink.All(), Strings{std::string("ERROR: PartitionPin") + (k < 2 ? "" : " ") +
                                  "::PersistSave: Failed to write Partition Pin " + saveItems[k] +
                                  ".  Partition Pin data not written.\n"});
    ScriptedStream r = Record("new", "newBel", "newSite");
    r.items[2].xuid = Port::XUID(7, 7);
    r.Rewind(k);
    EXPECT_EQ(Persist(pin)->PersistLoad(&r), 0) << k;
    EXPECT_EQ(PinProbe(pin).Xuid(), k > 2 ? Port::XUID(7, 7) : kPinId) << k;
    EXPECT_EQ(pin->GetName().str(), k > 3 ? "new" : "clk") << k;
    EXPECT_EQ(PinProbe(pin).Bel().str(), k > 4 ? "newBel" : "SLICE_X0Y0.A") << k;
    EXPECT_EQ(PinProbe(pin).Site().str(), "SLICE_X0Y0") << k;
  }
  sink.Clear();
  EXPECT_EQ(Persist(saved)->PersistSave(nullptr), 0);
  EXPECT_EQ(Persist(saved)->PersistLoad(nullptr), 0);
  EXPECT_EQ(sink.All().size(), 2u);
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
