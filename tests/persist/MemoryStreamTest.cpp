// The typed stream: every kind round-trips, reads of the wrong kind and
// damaged bytes fail and leave the stream failed, and the lent count.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "MemoryStream.h"

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
  EXPECT_EQ(std::make_tuple(i, t1, t2, b, u, byte),
            std::make_tuple(INT_MIN, Port::Time{-1}, Port::Time{LLONG_MAX}, true, UINT_MAX,
                            std::uint8_t{255}));
  EXPECT_EQ(s1, anyBytes);
  EXPECT_EQ(s2.str(), "");
  EXPECT_EQ(x, id);
  EXPECT_EQ(f.str(), "/a b/c.qnl");
  EXPECT_EQ(r.ReadInt(i), 0) << "past the end";
  EXPECT_EQ(i, INT_MIN) << "a failed read leaves the target alone";
}

TEST(MemoryStream, ReadOfAnotherKindFailsAndTheStreamStaysFailed) {
  MemoryStream w;
  w.WriteInt(7);
  w.WriteString("name");
  w.WriteFileName("path");

  MemoryStream r(w.Bytes());
  std::uint32_t u = 42;
  EXPECT_EQ(r.ReadUInt(u), 0) << "an int is not a uint";
  EXPECT_EQ(u, 42u);
  EXPECT_TRUE(r.Failed());
  std::int32_t i = 0;
  EXPECT_EQ(r.ReadInt(i), 0) << "a failed stream fails every later read";
  EXPECT_EQ(i, 0);

  // A string is not a file name, nor the reverse.
  MemoryStream r2(w.Bytes());
  Port::StringBase text("keep");
  ASSERT_EQ(r2.ReadInt(i), 1);
  EXPECT_EQ(r2.ReadFileName(text), 0);
  EXPECT_EQ(text.str(), "keep");
  MemoryStream r3(w.Bytes());
  ASSERT_EQ(r3.ReadInt(i), 1);
  ASSERT_EQ(r3.ReadString(text), 1);
  EXPECT_EQ(r3.ReadString(text), 0);
}

TEST(MemoryStream, DamagedBytesFailWithoutReadingOrAllocatingPastTheEnd) {
  MemoryStream w;
  w.WriteString("abcdef");
  const std::string good = w.Bytes();
  Port::StringBase text("keep");

  // Cut inside the value, inside the length, right after the tag.
  for (std::size_t cut : {good.size() - 1, std::size_t{3}, std::size_t{1}, std::size_t{0}}) {
    MemoryStream r(good.substr(0, cut));
    EXPECT_EQ(r.ReadString(text), 0) << "cut at " << cut;
    EXPECT_EQ(text.str(), "keep");
  }
  // A length of four billion in a short buffer.
  std::string huge = good;
  huge[1] = huge[2] = huge[3] = huge[4] = '\xff';
  MemoryStream r(huge);
  EXPECT_EQ(r.ReadString(text), 0);

  // A bool byte no writer stores, and a byte that names no kind.
  MemoryStream b;
  b.WriteBool(true);
  std::string badBool = b.Bytes();
  badBool[1] = 2;
  bool flag = false;
  MemoryStream rb(badBool);
  EXPECT_EQ(rb.ReadBool(flag), 0);
  MemoryStream unknown(std::string("\x09\x00\x00\x00\x00", 5));
  std::int32_t i = 0;
  HostPersist::ItemKind kind;
  EXPECT_FALSE(unknown.PeekKind(kind));
  EXPECT_EQ(unknown.ReadInt(i), 0);
}

TEST(MemoryStream, LentStreamCountsReferencesButIsFreedByItsOwner) {
  MemoryStream s;
  auto* count = CitI::QueryAs<CommonI::IRefCount>(&s);
  ASSERT_NE(count, nullptr);
  EXPECT_EQ(CitI::QueryAs<Prjrep::IPersistStream>(count), &s);
  int n = 0;
  {
    CommonI::RefCountPtr<Prjrep::IPersistStream> held(&s);
    count->GetRefCount(n);
    EXPECT_EQ(n, 2);
  }
  count->Release();  // even the last Release leaves the owner's stream alone
  count->GetRefCount(n);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(s.WriteInt(1), 1);
}

}  // namespace
