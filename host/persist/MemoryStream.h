// HostPersist::MemoryStream, the host's persistence stream over a byte
// buffer: the stream a component record is written to and read from.
//
// Every item is typed. It is stored as one tag byte naming its kind followed
// by its value in little-endian order; strings and file names carry a 32-bit
// length, so any byte may stand in them:
//
//   tag 1 int (4 bytes)     tag 2 time (8)     tag 3 bool (1: 0 or 1)
//   tag 4 uint (4)          tag 5 byte (1)     tag 6 string (4 + n)
//   tag 7 XUID (8 + 8)      tag 8 file name (4 + n)
//
// A read of another kind than the next item, a read past the end and a value
// that cannot be (a bool byte of 2, a length past the end) fail with status 0
// and leave the target as it was. A stream that failed a read stays failed:
// every later read fails at once, so a cut or damaged buffer ends a record's
// loops at the first item it lacks. Writes append and always succeed.
//
// The stream is lent to a component for the length of one call and owned by
// whoever made it, usually on the stack. It answers CommonI::IRefCount so a
// component may hold it during the call like any other object; the count is
// only tracked, and the stream is freed by its owner, never by a Release.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "CitI/TNested.h"
#include "CommonI/TRefCountHelper.h"
#include "Port/HostApi.h"
#include "Prjrep/IPersist.h"

namespace HostPersist {

/// The kind of a stored item: its tag byte.
enum class ItemKind : std::uint8_t {
  kInt = 1,
  kTime = 2,
  kBool = 3,
  kUInt = 4,
  kByte = 5,
  kString = 6,
  kXuid = 7,
  kFileName = 8,
};

class HOST_API MemoryStream final : public CitI::TImplements<MemoryStream, Prjrep::IPersistStream> {
 public:
  /// A stream holding `bytes`; reads start at `readFrom`, writes append.
  explicit MemoryStream(std::string bytes = {}, std::size_t readFrom = 0);
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;

  const std::string& Bytes() const { return m_bytes; }
  /// Hands the buffer over; the stream is empty afterwards.
  std::string TakeBytes();
  void Reserve(std::size_t size) { m_bytes.reserve(size); }

  bool Failed() const { return m_failed; }
  /// Every byte was read.
  bool AtEnd() const { return m_readPos == m_bytes.size(); }
  std::size_t ReadPosition() const { return m_readPos; }
  /// The kind of the next item without reading it; false at the end, after
  /// a failure or on a byte that is no known kind.
  bool PeekKind(ItemKind& kind) const;

  CitI::IInterface* Lookup(const Port::XUID& iid);

  // ---- IPersistStream ----
  CitI::Status ReadInt(std::int32_t& value) override;
  CitI::Status WriteInt(std::int32_t value) override;
  CitI::Status ReadTime(Port::Time& value) override;
  CitI::Status WriteTime(Port::Time value) override;
  CitI::Status ReadBool(bool& value) override;
  CitI::Status WriteBool(bool value) override;
  CitI::Status ReadUInt(std::uint32_t& value) override;
  CitI::Status WriteUInt(std::uint32_t value) override;
  CitI::Status ReadByte(std::uint8_t& value) override;
  CitI::Status WriteByte(std::uint8_t value) override;
  CitI::Status ReadString(Port::StringBase& value) override;
  CitI::Status WriteString(const Port::StringBase& value) override;
  CitI::Status ReadXUID(Port::XUID& value) override;
  CitI::Status WriteXUID(const Port::XUID& value) override;
  CitI::Status ReadFileName(Port::StringBase& value) override;
  CitI::Status WriteFileName(const Port::StringBase& value) override;

 private:
  /// Appends an item of `kind` whose value is the `size` low bytes of
  /// `value` (least significant first), optionally followed by the `size2`
  /// low bytes of `value2`.
  void PutItem(ItemKind kind, std::uint64_t value, int size, std::uint64_t value2 = 0,
               int size2 = 0);
  void PutText(ItemKind kind, const Port::StringBase& text);
  /// Makes room for `more` bytes to be appended.
  void MakeRoom(std::size_t more) {
    if (m_bytes.capacity() - m_bytes.size() < more) Grow(more);
  }
  void Grow(std::size_t more);
  /// Takes the next item's tag and `size` value bytes when the item is of
  /// `kind`; null (and the stream failed) otherwise.
  const unsigned char* Take(ItemKind kind, std::size_t size);
  std::uint64_t TakeWord(const unsigned char* at, int size) const;
  CitI::Status TakeText(ItemKind kind, Port::StringBase& text);
  CitI::Status Fail();

  std::string m_bytes;
  std::size_t m_readPos;
  bool m_failed = false;
  // The lent stream's count: tracked; the owner frees the stream.
  CommonI::TRefCountHelper<MemoryStream> m_refCount{this, CommonI::kOwnerFrees};
};

}  // namespace HostPersist
