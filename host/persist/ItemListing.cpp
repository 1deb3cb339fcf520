// The listing of stream items (see ItemListing.h).
#include "ItemListing.h"

#include <cinttypes>
#include <cstdio>

#include "PersistTexts.h"

namespace HostPersist {

std::string XuidText(const Port::XUID& xuid) {
  char text[40];
  std::snprintf(text, sizeof text,
                "{%08" PRIx64 "-%04" PRIx64 "-%04" PRIx64 "-%04" PRIx64 "-%012" PRIx64 "}",
                xuid.Word1() >> 32, (xuid.Word1() >> 16) & 0xffff, xuid.Word1() & 0xffff,
                xuid.Word2() >> 48, xuid.Word2() & std::uint64_t{0xffffffffffff});
  return text;
}

std::string QuotedText(const Port::StringBase& text) {
  std::string quoted = "\"";
  for (const char c : text.str()) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte >= 0x20 && byte < 0x7f) {
      quoted += c;
    } else {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02x", byte);
      quoted += escape;
    }
  }
  return quoted + '"';
}

namespace {

/// Reads the next item, known to be of `kind`, as its listed value.
bool ReadValue(MemoryStream& s, ItemKind kind, std::string& value) {
  switch (kind) {
    case ItemKind::kInt: {
      std::int32_t v = 0;
      if (s.ReadInt(v) != 1) return false;
      value = std::to_string(v);
      return true;
    }
    case ItemKind::kTime: {
      Port::Time v = 0;
      if (s.ReadTime(v) != 1) return false;
      value = std::to_string(v);
      return true;
    }
    case ItemKind::kBool: {
      bool v = false;
      if (s.ReadBool(v) != 1) return false;
      value = v ? "true" : "false";
      return true;
    }
    case ItemKind::kUInt: {
      std::uint32_t v = 0;
      if (s.ReadUInt(v) != 1) return false;
      value = std::to_string(v);
      return true;
    }
    case ItemKind::kByte: {
      std::uint8_t v = 0;
      if (s.ReadByte(v) != 1) return false;
      value = std::to_string(v);
      return true;
    }
    case ItemKind::kString:
    case ItemKind::kFileName: {
      Port::StringBase v;
      const CitI::Status status = kind == ItemKind::kString ? s.ReadString(v) : s.ReadFileName(v);
      if (status != 1) return false;
      value = v.str();
      return true;
    }
    case ItemKind::kXuid: {
      Port::XUID v;
      if (s.ReadXUID(v) != 1) return false;
      value = XuidText(v);
      return true;
    }
  }
  return false;
}

}  // namespace

const char* ItemKindName(ItemKind kind) { return Texts::kItemNames[static_cast<int>(kind)]; }

bool IsTextItem(ItemKind kind) {
  return kind == ItemKind::kString || kind == ItemKind::kFileName || kind == ItemKind::kXuid;
}

bool ReadItems(MemoryStream& stream, std::vector<ListedItem>& out, std::string& problem) {
  while (!stream.AtEnd()) {
    const std::size_t at = stream.ReadPosition();
    ListedItem item{};
    if (!stream.PeekKind(item.kind)) {
      problem = ombform(Texts::kUnknownItem, at);
      return false;
    }
    if (!ReadValue(stream, item.kind, item.value)) {
      problem = ombform(Texts::kItemUnreadable, ItemKindName(item.kind), at);
      return false;
    }
    out.push_back(std::move(item));
  }
  return true;
}

bool ListItems(MemoryStream& stream, std::ostream& out, std::string& problem) {
  std::vector<ListedItem> items;
  const bool read = ReadItems(stream, items, problem);
  // What was read before a fault is listed too.
  for (const ListedItem& item : items) {
    const bool quoted = item.kind == ItemKind::kString || item.kind == ItemKind::kFileName;
    out << ItemKindName(item.kind) << ' '
        << (quoted ? QuotedText(Port::StringBase(item.value)) : item.value) << '\n';
  }
  return read;
}

}  // namespace HostPersist
