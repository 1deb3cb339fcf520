#include "xml/XmlEscape.h"

namespace HostXml {

namespace {

/// The standard entity that stands for `c` in an attribute value, or null
/// when `c` stands for itself.
const char* EntityFor(char c) {
  static constexpr struct {
    char c;
    const char* entity;
  } kEntities[] = {{'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'"', "&quot;"}};
  for (const auto& e : kEntities) {
    if (e.c == c) return e.entity;
  }
  return nullptr;
}

}  // namespace

std::string XmlEscaped(const std::string& text) {
  if (text.find_first_of("&<>\"") == std::string::npos) return text;
  std::string out;
  out.reserve(text.size() + 16);
  for (char c : text) {
    const char* entity = EntityFor(c);
    if (entity) {
      out += entity;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace HostXml
