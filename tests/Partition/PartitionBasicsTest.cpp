// Naming, flags, proxy names, QNL file and IP file names of a partition, and
// the lists it hands out.
#include <gtest/gtest.h>
#include <unistd.h>

#include "Partition/Partition.h"
#include "ZavU/IXPartition.h"
#include "framework/LiveObjects.h"
#include "support/Probe.h"
#include "support/ZoreTest.h"

namespace {

using ZoreTest::CapturingSink;
using ZoreTest::Drain;
using ZoreTest::NewPartition;

class PartitionBasics : public ZoreTest::LeakCheckedTest {};

TEST_F(PartitionBasics, FreshPartitionIsEmpty) {
  auto p = NewPartition();
  auto x = p.As<ZavU::IXPartition>();
  EXPECT_FALSE(p->IsRoot());
  EXPECT_FALSE(p->IsReconfigurable());
  EXPECT_FALSE(p->IsIsolated());
  EXPECT_FALSE(x->IsImport());
  EXPECT_FALSE(x->IsXmlDefined());
  EXPECT_EQ(p->GetName().str(), "");
  EXPECT_EQ(p->GetHierarchicalName().str(), "");
  EXPECT_EQ(p->GetQnlFile().str(), "");
  EXPECT_EQ(x->GetImportTag().str(), "");
  EXPECT_EQ(x->GetBoundaryOpt().str(), "");
  Port::StringBase location("junk");
  EXPECT_EQ(x->GetImportLocation(location), 1);
  EXPECT_EQ(location.str(), "");
  Dpm::IStringIterator* ipFiles = p->GetIPFileNames();
  ipFiles->First();
  EXPECT_TRUE(ipFiles->IsDone());
  EXPECT_EQ(ipFiles->CurrentItem(), nullptr) << "past the end reads nothing";
  delete ipFiles;
}

TEST_F(PartitionBasics, SettersStoreAndReportSuccess) {
  auto p = NewPartition();
  auto x = p.As<ZavU::IXPartition>();
  EXPECT_EQ(p->SetHierarchicalName("top/u1"), 1);
  EXPECT_EQ(p->GetName().str(), "top/u1");
  EXPECT_EQ(p->GetHierarchicalName().str(), "top/u1");
  EXPECT_EQ(p->SetRoot(true), 1);
  EXPECT_TRUE(p->IsRoot());
  EXPECT_EQ(p->SetIsolated(true), 1);
  EXPECT_TRUE(p->IsIsolated());
  EXPECT_EQ(x->SetXmlDefined(true), 1);
  EXPECT_TRUE(x->IsXmlDefined());
  EXPECT_EQ(x->SetXmlDefined(false), 1);
  EXPECT_FALSE(x->IsXmlDefined());
}

TEST_F(PartitionBasics, DestructionTracesThenDropsItsPins) {
  ZavU::PinRef kept;
  CapturingSink sink;
  {
    auto p = NewPartition();
    ASSERT_EQ(p->AddPartitionPin("held"), 1);
    ASSERT_EQ(p->AddPartitionPin("dropped"), 1);
    kept = p->FindPartitionPin("held");
    const int live = ZorE::LiveComponents();
    p.Reset();
    EXPECT_EQ(ZorE::LiveComponents(), live - 2) << "the partition and the pin held nowhere else";
  }
  EXPECT_EQ(sink.Texts(Port_Severity::Debug),
            (std::vector<std::string>{"In ZorE::Partition::~Partition\n",
                                      "In ZorE::PartitionPin::~PartitionPin\n"}));
  // A pin held elsewhere lives on, with the holder's reference only.
  ASSERT_TRUE(kept);
  EXPECT_EQ(ZoreTest::RefCount(kept.get()), 1);
  EXPECT_EQ(kept->GetName().str(), "held");
}

TEST_F(PartitionBasics, ProxyNames) {
  auto p = NewPartition();
  EXPECT_EQ(p->GetProxyName("u1").str(), "u1_PROXY");
  EXPECT_EQ(p->GetProxyName("").str(), "_PROXY");
}

TEST_F(PartitionBasics, QnlFileIsMadeAbsoluteUnlessEmpty) {
  auto p = NewPartition();
  EXPECT_EQ(p->SetQnlFile(""), 1);
  EXPECT_EQ(p->GetQnlFile().str(), "");
  char cwd[4096];
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  EXPECT_EQ(p->SetQnlFile("out/top.qnl"), 1);
  EXPECT_EQ(p->GetQnlFile().str(), std::string(cwd) + "/out/top.qnl");
  EXPECT_EQ(p->SetQnlFile("/abs/x.qnl"), 1);
  EXPECT_EQ(p->GetQnlFile().str(), "/abs/x.qnl");
  // Read from the description or not, the QNL file is made absolute.
  p.As<ZavU::IXPartition>()->SetXmlDefined(true);
  p->SetQnlFile("rel.qnl");
  EXPECT_EQ(p->GetQnlFile().str(), std::string(cwd) + "/rel.qnl");
}

TEST_F(PartitionBasics, IpFileNamesKeepOrderAndDuplicatesAndListsAreSnapshots) {
  auto p = NewPartition();
  p->AddIPFileName("a.qxp");
  p->AddIPFileName("b.qxp");
  p->AddIPFileName("a.qxp");
  Dpm::IStringIterator* before = p->GetIPFileNames();
  EXPECT_EQ(p->ClearIPFileNames(), 1);
  EXPECT_EQ(Drain(p->GetIPFileNames()), std::vector<std::string>{});
  EXPECT_EQ(Drain(before), (std::vector<std::string>{"a.qxp", "b.qxp", "a.qxp"}));
}

TEST_F(PartitionBasics, StringListsForwardLookupToTheirPartition) {
  auto p = NewPartition();
  p->AddIPFileName("a.qxp");
  Dpm::IStringIterator* list = p->GetIPFileNames();
  EXPECT_EQ(list->QueryInterface(Port::XUID(ZavU::IPartition::kIID)), p.get());
  list->First();
  EXPECT_EQ(list->CurrentItem()->QueryInterface(Port::XUID(ZavU::IPartition::kIID)), p.get());
  // A reference taken through the list counts on the partition.
  CommonI::AddRefTo(list);
  EXPECT_EQ(ZoreTest::RefCount(p.get()), 2);
  CommonI::ReleaseFrom(list);
  delete list;
}

TEST_F(PartitionBasics, OutstandingListsAreReclaimedWithTheirPartition) {
  // Lists never destroyed by their holders are freed with the partition (the
  // sanitizer run would report them otherwise), and pin lists give up their
  // pins then.
  auto p = NewPartition();
  p->AddIPFileName("a.qxp");
  p->GetIPFileNames();
  p->GetIPFileNames();
  ASSERT_EQ(p->AddPartitionPin("clk"), 1);
  {
    auto pins = p->GetPartitionPins();
    ASSERT_TRUE(pins);
  }
  // The partition, its pin and the pin list's reference on the pin all go.
}

TEST_F(PartitionBasics, AListDestroyedByItsHolderIsForgotten) {
  auto p = NewPartition();
  delete p->GetIPFileNames();
  auto pins = p->GetPartitionPins();
  ZavU::IPartitionPinIterator* raw = pins.get();
  pins.Reset();
  delete raw;  // the holder frees it itself: the partition must not free it again
}

}  // namespace
