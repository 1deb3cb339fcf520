// The typed stream: every kind round-trips any value; reads of the wrong
// kind, of damaged or cut bytes fail, leave the target alone and leave the
// stream failed; and partition records read from damaged bytes are refused
// without a crash, a leak or a pin loop that runs on.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "MemoryStream.h"
#include "support/ZoreTest.h"

namespace {

using HostPersist::MemoryStream;

TEST(MemoryStream, EveryKindRoundTripsAnyValue) {
  const Port::StringBase anyBytes(std::string("a\0b\"\xff\n", 6));
  const Port::XUID id(0xfedcba9876543210ULL, 1);
  MemoryStream w;
  w.WriteInt(INT_MIN), w.WriteTime(-1), w.WriteTime(LLONG_MAX), w.WriteBool(true);
  w.WriteUInt(UINT_MAX), w.WriteByte(255), w.WriteString(anyBytes), w.WriteString("");
  w.WriteXUID(id), w.WriteFileName("/a b/c.qnl");

  MemoryStream r(w.Bytes());
  std::int32_t i = 0;
  Port::Time t1 = 0, t2 = 0;
  bool b = false;
  std::uint32_t u = 0;
  std::uint8_t byte = 0;
  Port::StringBase s1, s2("x"), f;
  Port::XUID x;
  const CitI::Status reads[] = {r.ReadInt(i),  r.ReadTime(t1),   r.ReadTime(t2),   r.ReadBool(b),
                                r.ReadUInt(u), r.ReadByte(byte), r.ReadString(s1), r.ReadString(s2),
                                r.ReadXUID(x), r.ReadFileName(f)};
  for (CitI::Status status : reads) EXPECT_EQ(status, 1);
  EXPECT_TRUE(r.AtEnd());
  EXPECT_FALSE(r.Failed());
  EXPECT_EQ(std::make_tuple(i, t1, t2, b, u, byte, s1, s2.str(), x, f.str()),
            std::make_tuple(INT_MIN, Port::Time{-1}, Port::Time{LLONG_MAX}, true, UINT_MAX,
                            std::uint8_t{255}, anyBytes, std::string(), id, "/a b/c.qnl"));
  EXPECT_EQ(r.ReadInt(i), 0) << "past the end";
  EXPECT_EQ(i, INT_MIN) << "a failed read leaves the target alone";
}

TEST(MemoryStream, WrongKindsAndDamagedBytesFailAndTheStreamStaysFailed) {
  MemoryStream w, b, kinds;
  w.WriteString("abcdef"), b.WriteBool(true);
  const std::string text = w.Bytes();
  std::string huge = text, badBool = b.Bytes();
  huge[1] = huge[2] = huge[3] = huge[4] = '\xff';  // four billion bytes announced
  badBool[1] = 2;                                  // a byte no writer stores
  // Each stream fails at its first read, whatever it holds.
  for (const std::string& bytes :
       {text.substr(0, text.size() - 1), text.substr(0, 3), text.substr(0, 1), huge, badBool,
        std::string("\x09\x00\x00\x00\x00", 5)}) {
    MemoryStream r(bytes);
    Port::StringBase s("keep");
    bool flag = false;
    HostPersist::ItemKind kind;
    EXPECT_EQ(r.PeekKind(kind), bytes[0] != '\x09') << "a tag that names no kind";
    EXPECT_EQ(bytes == badBool ? r.ReadBool(flag) : r.ReadString(s), 0) << bytes.size();
    EXPECT_EQ(s.str(), "keep");
  }

  kinds.WriteInt(7), kinds.WriteString("name"), kinds.WriteFileName("path");
  MemoryStream r(kinds.Bytes()), r2(kinds.Bytes()), r3(kinds.Bytes());
  std::uint32_t u = 42;
  std::int32_t i = 0;
  Port::StringBase s("keep");
  EXPECT_EQ(r.ReadUInt(u), 0) << "an int is not a uint";
  EXPECT_EQ(u, 42u);
  EXPECT_TRUE(r.Failed());
  EXPECT_EQ(r.ReadInt(i), 0) << "a failed stream fails every later read";
  EXPECT_EQ(r2.ReadInt(i) + r2.ReadFileName(s), 1) << "a string is not a file name";
  EXPECT_EQ(r3.ReadInt(i) + r3.ReadString(s) + r3.ReadString(s), 2) << "nor the reverse";
}

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
