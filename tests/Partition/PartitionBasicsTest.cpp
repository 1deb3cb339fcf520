// Naming, flags, proxy names, QNL file and IP file names of a partition, and
// the lists it hands out.
#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>

#include "Prjrep/IPersist.h"
#include "UtilI/ITclCollectable.h"
#include "ZavU/IPartitionPinIterator.h"
#include "ZavU/IXPartition.h"
#include "support/ZoreTest.h"

namespace {

using namespace ZoreTest;

class PartitionBasics : public LeakCheckedTest {};

TEST_F(PartitionBasics, FlagsNamesAndPathsAsSetAndAsFresh) {
  auto p = NewPartition();
  auto x = p.As<ZavU::IXPartition>();
  Port::StringBase location("junk");
  EXPECT_EQ(x->GetImportLocation(location), 1);
  EXPECT_EQ(location.str() + x->GetImportTag().str() + x->GetBoundaryOpt().str(), "");
  EXPECT_EQ(p->IsRoot() || p->IsIsolated() || x->IsImport() || x->IsXmlDefined(), false);
  EXPECT_EQ(p->SetHierarchicalName("top/u1") + p->SetRoot(true) + p->SetIsolated(true) +
                x->SetXmlDefined(true) + p->SetQnlFile(""),
            5);
  EXPECT_EQ(p->GetName().str() + " " + p->GetHierarchicalName().str(), "top/u1 top/u1");
  EXPECT_EQ(p->IsRoot() && p->IsIsolated() && x->IsXmlDefined(), true);
  EXPECT_EQ(x->SetXmlDefined(false), 1);
  EXPECT_FALSE(x->IsXmlDefined());
  EXPECT_EQ(p->GetProxyName("u1").str(), "u1_PROXY");
  // The QNL file is made absolute unless empty, from the description or not.
  char cwd[4096];
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  EXPECT_EQ(p->GetQnlFile().str(), "");
  x->SetXmlDefined(true);
  EXPECT_EQ(p->SetQnlFile("out/top.qnl"), 1);
  EXPECT_EQ(p->GetQnlFile().str(), std::string(cwd) + "/out/top.qnl");
}

TEST_F(PartitionBasics, IpFileListsAreSnapshotsThatForwardToTheirPartition) {
  auto p = NewPartition();
  Dpm::IStringIterator* empty = p->GetIPFileNames();
  empty->First();
  EXPECT_TRUE(empty->IsDone());
  EXPECT_EQ(empty->CurrentItem(), nullptr) << "past the end reads nothing";
  delete empty;  // the holder frees it itself: the partition must not free it again
  for (const char* name : {"a.qxp", "b.qxp", "a.qxp"}) p->AddIPFileName(name);
  Dpm::IStringIterator* list = p->GetIPFileNames();
  CommonI::AddRefTo(list);
  EXPECT_EQ(RefCount(p.get()), 2) << "a reference taken through the list";
  CommonI::ReleaseFrom(list);
  EXPECT_EQ(p->ClearIPFileNames(), 1);
  EXPECT_EQ(Drain(p->GetIPFileNames()), Strings{});
  EXPECT_EQ(Drain(list), (Strings{"a.qxp", "b.qxp", "a.qxp"}));
  // Lists never destroyed by their holders are freed with the partition (the
  // sanitizer run would report them otherwise), and pin lists give up their
  // pins then.
  p->GetIPFileNames();
  ASSERT_EQ(p->AddPartitionPin("clk"), 1);
  ASSERT_TRUE(p->GetPartitionPins());
  auto pins = p->GetPartitionPins();
  ZavU::IPartitionPinIterator* raw = pins.get();
  pins.Reset();
  delete raw;
}

// A pin list's reference counts on its partition: held alone, it keeps the
// partition alive, and the holder destroys the list before the partition.
TEST_F(PartitionBasics, APinListHeldAloneOutlivesItsPartitionsOtherHolders) {
  auto p = NewPartition();
  ASSERT_EQ(p->AddPartitionPin("clk"), 1);
  {
    ZavU::OwnedPinList pins(p->GetPartitionPins());
    p.Reset();
    CommonI::RefCountPtr<ZavU::IPartitionPin> pin;
    pins->First();
    ASSERT_EQ(pins->CurrentItem(pin), 1);
    EXPECT_EQ(pin->GetName().str(), "clk");
  }
}

// A handed-out object answers a lookup as its partition does, with one
// exception: a pin list answers its own identity. The string lists and their
// items are handed out as their interfaces and found by no lookup, so asked
// for their own identities they answer null, as the partition does.
TEST_F(PartitionBasics, HandedOutObjectsAnswerLookupsAsTheirPartition) {
  enum Answer { kNull, kItself, kPartitions };
  const struct {
    const char* asked;
    Port::XuidWords iid;
    Answer stringList, string, pinList;
  } cases[] = {
      {"IString", Dpm::IString::kIID, kNull, kNull, kNull},
      {"IStringIterator", Dpm::IStringIterator::kIID, kNull, kNull, kNull},
      {"IPartitionPinIterator", ZavU::IPartitionPinIterator::kIID, kNull, kNull, kItself},
      {"IPartitionPin", ZavU::IPartitionPin::kIID, kNull, kNull, kNull},
      {"IPartition", ZavU::IPartition::kIID, kPartitions, kPartitions, kPartitions},
      {"IXPartition", ZavU::IXPartition::kIID, kPartitions, kPartitions, kPartitions},
      {"ITclCollectable", UtilI::ITclCollectable::kIID, kPartitions, kPartitions, kPartitions},
      {"IPersist", Prjrep::IPersist::kIID, kPartitions, kPartitions, kPartitions},
      {"IRefCount", CommonI::IRefCount::kIID, kPartitions, kPartitions, kPartitions},
      {"IInterface", CitI::IInterface::kIID, kPartitions, kPartitions, kPartitions},
  };
  auto p = NewPartition();
  p->AddIPFileName("a.qxp");
  std::unique_ptr<Dpm::IStringIterator> strings(p->GetIPFileNames());
  strings->First();
  auto pins = p->GetPartitionPins();
  for (const auto& c : cases) {
    const Port::XUID iid(c.iid);
    const struct {
      const char* name;
      CitI::IInterface* object;
      Answer answer;
    } objects[] = {{"string list", strings.get(), c.stringList},
                   {"string", strings->CurrentItem(), c.string},
                   {"pin list", pins.get(), c.pinList}};
    for (const auto& [name, object, answer] : objects) {
      SCOPED_TRACE(std::string(c.asked) + " asked of the " + name);
      CitI::IInterface* expected = answer == kItself ? object : nullptr;
      if (answer == kPartitions) {
        expected = p->QueryInterface(iid);
        ASSERT_NE(expected, nullptr);
      }
      EXPECT_EQ(object->QueryInterface(iid), expected);
    }
  }
}

}  // namespace
