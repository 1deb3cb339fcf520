// The pin's check of its Pin element: the four location attributes pins no
// longer carry, under each check flag and format version.
#include <gtest/gtest.h>

#include "support/XmlDoc.h"
#include "support/ZoreTest.h"

namespace {

using ZoreTest::CapturingSink;
using ZoreTest::NewPin;
using ZoreTest::XmlDoc;

class PartitionPinXml : public ZoreTest::LeakCheckedTest {
 protected:
  static std::string Refused(const char* attribute) {
    return std::string("ERROR: The \"") + attribute +
           "\" attribute on Partition pins is no longer supported.  Please correct the "
           "xpartition.pxml file.\n";
  }
};

TEST_F(PartitionPinXml, AllFourLocationsAreReportedInOrder) {
  // Written in another order than they are examined.
  XmlDoc doc(R"(<Pin Name="a" BelPin="P" BelSite="B" Binding="X" Site="S"/>)");
  auto pin = NewPin();
  auto check = pin.As<ZavU::IPPXPartition>();
  CapturingSink sink;
  EXPECT_EQ(check->ReadXmlAttributes(doc.Root(), 1, 2), 0);
  EXPECT_EQ(sink.All(), (std::vector<std::string>{Refused("Site"), Refused("Binding"),
                                                  Refused("BelSite"), Refused("BelPin")}));
  EXPECT_EQ(ZoreTest::Own(pin).m_site.str(), "");
  EXPECT_EQ(ZoreTest::Own(pin).m_bel.str(), "");
  EXPECT_EQ(ZoreTest::Own(pin).m_name.str(), "") << "the check does not name the pin";
}

TEST_F(PartitionPinXml, EachLocationAloneUnderEveryCheckSetting) {
  for (const char* attribute : {"Site", "Binding", "BelSite", "BelPin"}) {
    XmlDoc doc(std::string("<Pin Name=\"a\" ") + attribute + "=\"v\"/>");
    for (std::uint32_t checkFlag : {0u, 1u, 2u}) {
      for (std::uint32_t formatVersion : {0u, 1u, 2u, 3u}) {
        const bool checked = checkFlag != 0 && formatVersion >= 2;
        auto pin = NewPin();
        CapturingSink sink;
        EXPECT_EQ(
            pin.As<ZavU::IPPXPartition>()->ReadXmlAttributes(doc.Root(), checkFlag, formatVersion),
            checked ? 0 : 1)
            << attribute << " " << checkFlag << "/" << formatVersion;
        EXPECT_EQ(sink.All(), checked ? std::vector<std::string>{Refused(attribute)}
                                      : std::vector<std::string>{});
      }
    }
  }
}

TEST_F(PartitionPinXml, EmptyLocationsAndOtherAttributesPass) {
  XmlDoc doc(R"(<Pin Name="a" Site="" Binding="" site="lower case is another name" Bel="x"/>)");
  auto pin = NewPin();
  CapturingSink sink;
  EXPECT_EQ(pin.As<ZavU::IPPXPartition>()->ReadXmlAttributes(doc.Root(), 1, 2), 1);
  EXPECT_TRUE(sink.All().empty());
}

}  // namespace
