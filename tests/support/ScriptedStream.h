// A persistence stream for record tests. Items are kept as typed values in
// order: writes append them, reads take the next one, and a test can also lay
// out a record item by item as an older writer did:
//
//   ScriptedStream s;
//   s.Str("1").Str("0").Xuid(id).Str("u1").Str("top/u1").Int(0).Int(0);
//   partition->PersistLoad(&s);
//
// One chosen operation (counted from 0 over reads and writes) fails. A read
// that fails still takes its item, so the items after it line up, as a host
// stream that skips a bad item would. Reading an item of another kind, or
// past the last item, fails.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Prjrep/IPersist.h"

namespace ZoreTest {

class ScriptedStream : public Prjrep::IPersistStream {
 public:
  enum class Kind { Int, Time, Bool, UInt, Byte, String, Xuid, FileName };
  struct Item {
    Kind kind;
    std::int64_t number = 0;
    Port::StringBase text;
    Port::XUID xuid;
  };

  std::vector<Item> items;
  std::size_t next = 0;  // the item the next read takes
  int failAt = -1;       // the operation that fails; -1 for none
  int operations = 0;    // operations so far

  /// Starts reading again from the first item, with no failure planned.
  void Rewind(int failingOperation = -1) {
    next = 0;
    operations = 0;
    failAt = failingOperation;
  }
  bool AtEnd() const { return next == items.size(); }

  // ---- laying out a record ----
  ScriptedStream& Int(std::int32_t v) { return Put(Kind::Int, v); }
  ScriptedStream& Time(Port::Time v) { return Put(Kind::Time, v); }
  ScriptedStream& Bool(bool v) { return Put(Kind::Bool, v); }
  ScriptedStream& UInt(std::uint32_t v) { return Put(Kind::UInt, v); }
  ScriptedStream& Byte(std::uint8_t v) { return Put(Kind::Byte, v); }
  ScriptedStream& Str(const Port::StringBase& v) { return Put(Kind::String, 0, v); }
  ScriptedStream& File(const Port::StringBase& v) { return Put(Kind::FileName, 0, v); }
  ScriptedStream& Xuid(const Port::XUID& v) { return Put(Kind::Xuid, 0, {}, v); }

  // ---- IPersistStream ----
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return iid == Prjrep::IPersistStream::kIID || iid == CitI::IInterface::kIID ? this : nullptr;
  }
  CitI::Status ReadInt(std::int32_t& v) override { return TakeNumber(Kind::Int, v); }
  CitI::Status WriteInt(std::int32_t v) override { return Append(Kind::Int, v); }
  CitI::Status ReadTime(Port::Time& v) override { return TakeNumber(Kind::Time, v); }
  CitI::Status WriteTime(Port::Time v) override { return Append(Kind::Time, v); }
  CitI::Status ReadBool(bool& v) override { return TakeNumber(Kind::Bool, v); }
  CitI::Status WriteBool(bool v) override { return Append(Kind::Bool, v); }
  CitI::Status ReadUInt(std::uint32_t& v) override { return TakeNumber(Kind::UInt, v); }
  CitI::Status WriteUInt(std::uint32_t v) override { return Append(Kind::UInt, v); }
  CitI::Status ReadByte(std::uint8_t& v) override { return TakeNumber(Kind::Byte, v); }
  CitI::Status WriteByte(std::uint8_t v) override { return Append(Kind::Byte, v); }
  CitI::Status ReadString(Port::StringBase& v) override { return TakeText(Kind::String, v); }
  CitI::Status WriteString(const Port::StringBase& v) override {
    return Append(Kind::String, 0, v);
  }
  CitI::Status ReadXUID(Port::XUID& v) override {
    const Item* item = Take(Kind::Xuid);
    if (!item) return 0;
    v = item->xuid;
    return 1;
  }
  CitI::Status WriteXUID(const Port::XUID& v) override { return Append(Kind::Xuid, 0, {}, v); }
  CitI::Status ReadFileName(Port::StringBase& v) override { return TakeText(Kind::FileName, v); }
  CitI::Status WriteFileName(const Port::StringBase& v) override {
    return Append(Kind::FileName, 0, v);
  }

 private:
  ScriptedStream& Put(Kind kind, std::int64_t number, const Port::StringBase& text = {},
                      const Port::XUID& xuid = {}) {
    items.push_back(Item{kind, number, text, xuid});
    return *this;
  }
  bool Fails() { return operations++ == failAt; }
  CitI::Status Append(Kind kind, std::int64_t number, const Port::StringBase& text = {},
                      const Port::XUID& xuid = {}) {
    if (Fails()) return 0;
    Put(kind, number, text, xuid);
    return 1;
  }
  /// The next item when it is of `kind` and this operation does not fail.
  const Item* Take(Kind kind) {
    const bool fails = Fails();
    if (next >= items.size()) return nullptr;
    const Item& item = items[next++];
    return fails || item.kind != kind ? nullptr : &item;
  }
  template <class T>
  CitI::Status TakeNumber(Kind kind, T& v) {
    const Item* item = Take(kind);
    if (!item) return 0;
    v = static_cast<T>(item->number);
    return 1;
  }
  CitI::Status TakeText(Kind kind, Port::StringBase& v) {
    const Item* item = Take(kind);
    if (!item) return 0;
    v = item->text;
    return 1;
  }
};

}  // namespace ZoreTest
