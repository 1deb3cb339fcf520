#include "xml/XmlEscape.h"

namespace HostXml {

std::string XmlEscaped(const std::string& text) {
  if (text.find_first_of("&<>\"") == std::string::npos) return text;
  std::string out;
  out.reserve(text.size() + 16);
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace HostXml
