// Attribute values as they stand in a description's text, written one way by
// the partitions (their own attributes) and by the host (names, pins, the
// project), so a value reads back exactly as it was:
//
//   ZavU::XmlAttributeText::Escaped("a&b\tc")   // "a&amp;b&#9;c"
//
// The characters that would end a value or start markup become the standard
// entities; tab, newline and carriage return become character references,
// since a reader turns them into blanks when they stand in a value as they
// are. Any other text is left as it is. Text that XML 1.0 cannot carry at all
// (other control characters, malformed UTF-8, U+FFFE, U+FFFF) cannot be
// escaped; a writer finds it with FindUncarried and refuses the value.
#pragma once

#include <cstddef>
#include <string>

namespace ZavU::XmlAttributeText {

struct Reference {
  char c;
  const char* text;
};
/// The characters written as references, and what stands for each.
inline constexpr Reference kReferences[] = {
    {'&', "&amp;"}, {'<', "&lt;"},   {'>', "&gt;"},   {'"', "&quot;"},
    {'\t', "&#9;"}, {'\n', "&#10;"}, {'\r', "&#13;"},
};

/// What stands for `c` in an attribute value, or null when `c` stands for
/// itself.
inline const char* ReferenceFor(char c) {
  for (const Reference& reference : kReferences) {
    if (reference.c == c) return reference.text;
  }
  return nullptr;
}

/// `text` as an attribute value; text without any of the referenced
/// characters is returned unchanged.
inline std::string Escaped(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const char* reference = ReferenceFor(c);
    if (reference) {
      out += reference;
    } else {
      out += c;
    }
  }
  return out;
}

/// The byte offset in the UTF-8 `text` of the first character XML 1.0 cannot
/// carry, or std::string::npos when it can carry all of it.
inline std::size_t FindUncarried(const std::string& text) {
  const std::size_t size = text.size();
  std::size_t at = 0;
  while (at < size) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
      if (lead < 0x20 && lead != '\t' && lead != '\n' && lead != '\r') return at;
      ++at;
      continue;
    }
    // A multi-byte sequence: its length from the lead byte, then the
    // continuation bytes, then the code point's range.
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > size) return at;
    unsigned long code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
      const auto next = static_cast<unsigned char>(text[at + i]);
      if ((next & 0xC0) != 0x80) return at;
      code = (code << 6) | (next & 0x3F);
    }
    const unsigned long smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < smallest || code > 0x10FFFF || surrogate || code == 0xFFFE || code == 0xFFFF) {
      return at;
    }
    at += length;
  }
  return std::string::npos;
}

}  // namespace ZavU::XmlAttributeText
