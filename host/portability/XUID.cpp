// Runtime parsing of identity texts: a throwing constructor for texts that
// must be right, and a non-throwing Parse for texts that come from outside.
#include "Port/XUID.h"

#include <string>

#include "Port/Exception.h"

namespace Port {

XUID::XUID(const char* text) {
  XuidWords words{0, 0};
  if (!ParseXuidText(text, words)) {
    std::string message = "malformed XUID text ";
    message += text ? "'" + std::string(text) + "'" : std::string("(null)");
    message += ": expected {xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx} in hex digits";
    throw Exception("Portability", __FILE__, "", __LINE__, std::move(message));
  }
  m_word1 = words.word1;
  m_word2 = words.word2;
}

bool XUID::Parse(const char* text, XUID& out) {
  XuidWords words{0, 0};
  if (!ParseXuidText(text, words)) return false;
  out = XUID(words);
  return true;
}

}  // namespace Port
