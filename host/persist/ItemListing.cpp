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
      value = QuotedText(v);
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

bool ListItems(MemoryStream& stream, std::ostream& out, std::string& problem) {
  std::string value;
  while (!stream.AtEnd()) {
    const std::size_t at = stream.ReadPosition();
    ItemKind kind;
    if (!stream.PeekKind(kind)) {
      problem = ombform(Texts::kUnknownItem, at);
      return false;
    }
    const char* name = Texts::kItemNames[static_cast<int>(kind)];
    if (!ReadValue(stream, kind, value)) {
      problem = ombform(Texts::kItemUnreadable, name, at);
      return false;
    }
    out << name << ' ' << value << '\n';
  }
  return true;
}

}  // namespace HostPersist
