// The partition pin: name, Bel and Site with their internal reports,
// version, dump and identity.
#include <gtest/gtest.h>

#include "Prjrep/IPersist.h"
#include "support/ZoreTest.h"

namespace {

using ZoreTest::CapturingSink;
using ZoreTest::NewPin;

class PartitionPinTest : public ZoreTest::LeakCheckedTest {};

TEST_F(PartitionPinTest, FreshPinIsEmpty) {
  auto pin = NewPin();
  ZorE::PartitionPin& own = ZoreTest::Own(pin);
  EXPECT_EQ(pin->GetName().str(), "");
  EXPECT_EQ(own.m_bel.str(), "");
  EXPECT_EQ(own.m_site.str(), "");
  Port::XUID xuid(1, 2);
  pin.As<Prjrep::IPersist>()->GetXUID(xuid);
  EXPECT_TRUE(xuid.IsZero());
}

TEST_F(PartitionPinTest, BelAndSiteAccessorsReportEachUseAndSettersAnswerZero) {
  auto pin = NewPin();
  CapturingSink sink;
  EXPECT_EQ(pin->SetPartitionPinBel("LAB_X1_Y2"), 0);
  EXPECT_EQ(pin->GetPartitionPinBel().str(), "LAB_X1_Y2");
  EXPECT_EQ(pin->SetPartitionPinSite("SITE_7"), 0);
  EXPECT_EQ(pin->GetPartitionPinSite().str(), "SITE_7");
  EXPECT_EQ(sink.All(),
            (std::vector<std::string>{"INTERNAL: PartitionPin::SetPartitionPinBel() called.\n",
                                      "INTERNAL: PartitionPin::GetPartitionPinBel() called.\n",
                                      "INTERNAL: PartitionPin::SetPartitionPinSite called.\n",
                                      "INTERNAL: PartitionPin::GetPartitionPinSite called.\n"}));
  for (const Port_Message& m : sink.messages) EXPECT_EQ(m.domain, "VudododirazaDoruviV");
  sink.Clear();
  EXPECT_EQ(pin->ClearPartitionPinBelAndSite(), 0);
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(ZoreTest::Own(pin).m_bel.str(), "");
  EXPECT_EQ(ZoreTest::Own(pin).m_site.str(), "");
}

TEST_F(PartitionPinTest, NameVersionAndNoOperation) {
  auto pin = NewPin();
  EXPECT_EQ(pin->SetName("data[3]"), 1);
  EXPECT_EQ(pin->GetName().str(), "data[3]");
  std::uint32_t version = 9, revision = 9;
  EXPECT_EQ(pin->GetVersion(&version, &revision), 1);
  EXPECT_EQ(version, 2u);
  EXPECT_EQ(revision, 0u);
  EXPECT_EQ(pin.As<ZavU::IPPXPartition>()->NoOperation(), 1);
}

TEST_F(PartitionPinTest, DumpIssuesOneStatusLine) {
  auto pin = NewPin();
  CapturingSink sink;
  EXPECT_EQ(pin->Dump(), 1);
  pin->SetName("clk");
  pin->Dump();
  EXPECT_EQ(sink.All(), (std::vector<std::string>{"STATUS: Partition Pin \"\":\n",
                                                  "STATUS: Partition Pin \"clk\":\n"}));
}

TEST_F(PartitionPinTest, IdentityAndClass) {
  auto pin = NewPin();
  auto other = NewPin();
  auto persist = pin.As<Prjrep::IPersist>();
  const Port::XUID id(0x0123456789abcdefull, 0xfedcba9876543210ull);
  EXPECT_EQ(persist->SetXUID(id), 1);
  Port::XUID back;
  EXPECT_EQ(persist->GetXUID(back), 1);
  EXPECT_EQ(back, id);
  Port::XUID class1, class2;
  persist->GetClassXUID(class1);
  other.As<Prjrep::IPersist>()->GetClassXUID(class2);
  EXPECT_EQ(class1, class2);
  EXPECT_EQ(class1, Port::XUID("{2c4cfe12-3096-490e-bf15-40cec3980408}"));
}

TEST_F(PartitionPinTest, DestructionLeavesADebugTrace) {
  CapturingSink sink;
  NewPin();
  EXPECT_EQ(sink.Texts(Port_Severity::Debug),
            std::vector<std::string>{"In ZorE::PartitionPin::~PartitionPin\n"});
}

}  // namespace
