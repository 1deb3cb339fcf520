// The typed byte stream: encoding and decoding of each kind of item.
#include "MemoryStream.h"

#include <algorithm>
#include <utility>

namespace HostPersist {

namespace {
constexpr std::size_t kTagSize = 1;
constexpr std::size_t kLengthSize = 4;
constexpr std::size_t kQuadrupleFrom = std::size_t{1} << 20;
}  // namespace

MemoryStream::MemoryStream(std::string bytes, std::size_t readFrom)
    : m_bytes(std::move(bytes)),
      m_readPos(readFrom <= m_bytes.size() ? readFrom : m_bytes.size()) {}

std::string MemoryStream::TakeBytes() {
  m_readPos = 0;
  return std::exchange(m_bytes, std::string());
}

bool MemoryStream::PeekKind(ItemKind& kind) const {
  if (m_failed || m_readPos >= m_bytes.size()) return false;
  const auto tag = static_cast<std::uint8_t>(m_bytes[m_readPos]);
  if (tag < static_cast<std::uint8_t>(ItemKind::kInt) ||
      tag > static_cast<std::uint8_t>(ItemKind::kFileName)) {
    return false;
  }
  kind = static_cast<ItemKind>(tag);
  return true;
}

CitI::IInterface* MemoryStream::Lookup(const Port::XUID& iid) {
  using S = MemoryStream;
  static const CitI::TLookupEntry<S> table[] = {
      {Prjrep::IPersistStream::kIID, CitI::AsBase<S, Prjrep::IPersistStream>},
      {CommonI::IRefCount::kIID, CitI::Embedded<S, &S::m_refCount>},
      {CitI::IInterface::kIID, CitI::AsBase<S, Prjrep::IPersistStream>},
  };
  return CitI::LookupInTable(table, *this, iid);
}

// ---- writing ----

void MemoryStream::PutItem(ItemKind kind, std::uint64_t value, int size, std::uint64_t value2,
                           int size2) {
  MakeRoom(kTagSize + static_cast<std::size_t>(size + size2));
  m_bytes.push_back(static_cast<char>(kind));
  for (int i = 0; i < size; ++i) m_bytes.push_back(static_cast<char>(value >> (8 * i)));
  for (int i = 0; i < size2; ++i) m_bytes.push_back(static_cast<char>(value2 >> (8 * i)));
}

void MemoryStream::PutText(ItemKind kind, const Port::StringBase& text) {
  PutItem(kind, text.Length(), kLengthSize);
  MakeRoom(text.Length());
  m_bytes.append(text.str());
}

void MemoryStream::Grow(std::size_t more) {
  // A project's bytes run to tens of megabytes: growing a large buffer four
  // times over instead of twice copies (and first touches) a third as much.
  const std::size_t factor = m_bytes.capacity() >= kQuadrupleFrom ? 4 : 2;
  m_bytes.reserve(std::max(m_bytes.size() + more, m_bytes.capacity() * factor));
}

CitI::Status MemoryStream::WriteInt(std::int32_t value) {
  PutItem(ItemKind::kInt, static_cast<std::uint32_t>(value), 4);
  return 1;
}
CitI::Status MemoryStream::WriteTime(Port::Time value) {
  PutItem(ItemKind::kTime, static_cast<std::uint64_t>(value), 8);
  return 1;
}
CitI::Status MemoryStream::WriteBool(bool value) {
  PutItem(ItemKind::kBool, value ? 1 : 0, 1);
  return 1;
}
CitI::Status MemoryStream::WriteUInt(std::uint32_t value) {
  PutItem(ItemKind::kUInt, value, 4);
  return 1;
}
CitI::Status MemoryStream::WriteByte(std::uint8_t value) {
  PutItem(ItemKind::kByte, value, 1);
  return 1;
}
CitI::Status MemoryStream::WriteString(const Port::StringBase& value) {
  PutText(ItemKind::kString, value);
  return 1;
}
CitI::Status MemoryStream::WriteFileName(const Port::StringBase& value) {
  PutText(ItemKind::kFileName, value);
  return 1;
}
CitI::Status MemoryStream::WriteXUID(const Port::XUID& value) {
  PutItem(ItemKind::kXuid, value.Word1(), 8, value.Word2(), 8);
  return 1;
}

// ---- reading ----

CitI::Status MemoryStream::Fail() {
  m_failed = true;
  return 0;
}

const unsigned char* MemoryStream::Take(ItemKind kind, std::size_t size) {
  ItemKind next;
  if (!PeekKind(next) || next != kind || m_bytes.size() - m_readPos < kTagSize + size) {
    Fail();
    return nullptr;
  }
  const auto* at = reinterpret_cast<const unsigned char*>(m_bytes.data()) + m_readPos + kTagSize;
  m_readPos += kTagSize + size;
  return at;
}

std::uint64_t MemoryStream::TakeWord(const unsigned char* at, int size) const {
  std::uint64_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = (value << 8) | at[i];
  return value;
}

CitI::Status MemoryStream::TakeText(ItemKind kind, Port::StringBase& text) {
  const unsigned char* at = Take(kind, kLengthSize);
  if (!at) return 0;
  // The length is checked against what is left before anything is copied,
  // so a damaged length cannot make the stream allocate beyond its buffer.
  const std::uint64_t length = TakeWord(at, kLengthSize);
  if (length > m_bytes.size() - m_readPos) return Fail();
  text = Port::StringBase(m_bytes.data() + m_readPos, length);
  m_readPos += length;
  return 1;
}

CitI::Status MemoryStream::ReadInt(std::int32_t& value) {
  const unsigned char* at = Take(ItemKind::kInt, 4);
  if (!at) return 0;
  value = static_cast<std::int32_t>(static_cast<std::uint32_t>(TakeWord(at, 4)));
  return 1;
}
CitI::Status MemoryStream::ReadTime(Port::Time& value) {
  const unsigned char* at = Take(ItemKind::kTime, 8);
  if (!at) return 0;
  value = static_cast<Port::Time>(TakeWord(at, 8));
  return 1;
}
CitI::Status MemoryStream::ReadBool(bool& value) {
  const unsigned char* at = Take(ItemKind::kBool, 1);
  if (!at) return 0;
  if (*at > 1) return Fail();  // no writer stores any other byte
  value = *at == 1;
  return 1;
}
CitI::Status MemoryStream::ReadUInt(std::uint32_t& value) {
  const unsigned char* at = Take(ItemKind::kUInt, 4);
  if (!at) return 0;
  value = static_cast<std::uint32_t>(TakeWord(at, 4));
  return 1;
}
CitI::Status MemoryStream::ReadByte(std::uint8_t& value) {
  const unsigned char* at = Take(ItemKind::kByte, 1);
  if (!at) return 0;
  value = *at;
  return 1;
}
CitI::Status MemoryStream::ReadString(Port::StringBase& value) {
  return TakeText(ItemKind::kString, value);
}
CitI::Status MemoryStream::ReadFileName(Port::StringBase& value) {
  return TakeText(ItemKind::kFileName, value);
}
CitI::Status MemoryStream::ReadXUID(Port::XUID& value) {
  const unsigned char* at = Take(ItemKind::kXuid, 16);
  if (!at) return 0;
  value = Port::XUID(TakeWord(at, 8), TakeWord(at + 8, 8));
  return 1;
}

}  // namespace HostPersist
