// Partition records read from damaged bytes through the host's stream: every
// cut of a record is refused, and no flipped byte crashes the load, leaks a
// component or lets a pin loop run on.
#include <gtest/gtest.h>

#include "MemoryStream.h"
#include "support/ZoreTest.h"

namespace {

using HostPersist::MemoryStream;

class DamagedRecord : public ZoreTest::LeakCheckedTest {};

/// Loads a new partition from `bytes`; the errors it issued in `errors`.
CitI::Status Load(const std::string& bytes, std::size_t& errors) {
  ZoreTest::CapturingSink sink;
  MemoryStream s(bytes);
  const CitI::Status status =
      CitI::QueryAs<Prjrep::IPersist>(ZoreTest::NewPartition().get())->PersistLoad(&s);
  errors = sink.Texts(Port_Severity::Error).size();
  return status;
}

TEST_F(DamagedRecord, EveryCutIsRefusedAndNoFlippedByteRunsAway) {
  auto p = ZoreTest::NewPartition();
  p->SetHierarchicalName("top/u1");
  for (const char* pin : {"a", "b", "c"}) p->AddPartitionPin(pin);
  p->SetTrait("preserve", "routing", true);
  p->SetTimestamp(ZavU::PACKED, 5);
  p->AddIPFileName("x.qxp");
  MemoryStream saved;
  ASSERT_EQ(CitI::QueryAs<Prjrep::IPersist>(p.get())->PersistSave(&saved), 1);
  const std::string record = saved.Bytes();
  std::size_t errors = 0;
  ASSERT_EQ(Load(record, errors), 1);
  EXPECT_EQ(errors, 0u);
  for (std::size_t at = 0; at < record.size(); ++at) {
    EXPECT_EQ(Load(record.substr(0, at), errors), 0) << "cut at " << at;
    EXPECT_GE(errors, 1u) << "cut at " << at;
    for (unsigned char mask : {0x01, 0x80, 0xff}) {
      std::string damaged = record;
      damaged[at] = static_cast<char>(damaged[at] ^ mask);
      const CitI::Status status = Load(damaged, errors);
      EXPECT_TRUE(status == 0 || status == 1) << "byte " << at;
      // A failing pin loop stops after a handful of pins, whatever count
      // the damaged bytes announce.
      EXPECT_LE(errors, 20u) << "byte " << at;
    }
  }
}

}  // namespace
