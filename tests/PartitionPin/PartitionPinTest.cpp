// The partition pin: name, Bel and Site with their internal reports, version,
// dump, identity and the check of its Pin element (its record is checked with
// the partition's).
#include <gtest/gtest.h>

#include "Prjrep/IPersist.h"
#include "support/Probe.h"
#include "support/XmlDoc.h"
#include "support/ZoreTest.h"

namespace {

using Strings = std::vector<std::string>;
using ZoreTest::CapturingSink;
using ZoreTest::NewPin;
using ZoreTest::PinProbe;

const Port::XUID kPinId(0x0123456789abcdefULL, 0xfedcba9876543210ULL);

class PartitionPinTest : public ZoreTest::LeakCheckedTest {};

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
