// 128-bit identities of interfaces and component classes.
//
// Text form: 32 hex digits in groups of 8-4-4-4-12 inside braces, either
// letter case. Word 1 is the number formed by the first 16 digits, word 2 by
// the last 16, so "{2c4cfe12-3096-490e-bf15-40cec3980408}" is
// 0x2c4cfe123096490e, 0xbf1540cec3980408. The words can be computed at compile
// time (XuidWords), and a runtime XUID is built from them or parsed from text.
#pragma once

#include <cstdint>

#include "Port/HostApi.h"

namespace Port {

/// The two words of an identity, as a literal type usable in constant tables.
struct XuidWords {
  std::uint64_t word1;
  std::uint64_t word2;
  friend constexpr bool operator==(XuidWords a, XuidWords b) {
    return a.word1 == b.word1 && a.word2 == b.word2;
  }
};

namespace detail {
constexpr int HexDigit(char c) {
  return (c >= '0' && c <= '9')   ? c - '0'
         : (c >= 'a' && c <= 'f') ? c - 'a' + 10
         : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                  : -1;
}
}  // namespace detail

/// Parses the text form; false (and `out` untouched) when it is malformed.
constexpr bool ParseXuidText(const char* text, XuidWords& out) {
  if (!text || text[0] != '{') return false;
  std::uint64_t words[2] = {0, 0};
  int digits = 0;
  int i = 1;
  const int groupEnds[] = {8, 12, 16, 20, 32};
  int group = 0;
  for (; digits < 32; ++i) {
    int v = detail::HexDigit(text[i]);
    if (v < 0) return false;
    words[digits / 16] = (words[digits / 16] << 4) | static_cast<std::uint64_t>(v);
    ++digits;
    if (digits == groupEnds[group]) {
      ++group;
      if (digits < 32) {
        if (text[i + 1] != '-') return false;
        ++i;
      }
    }
  }
  if (text[i] != '}' || text[i + 1] != '\0') return false;
  out = XuidWords{words[0], words[1]};
  return true;
}

/// Words of a text known at compile time; a malformed text does not compile
/// where it is used in a constant expression.
constexpr XuidWords XuidFromText(const char* text) {
  XuidWords w{0, 0};
  if (!ParseXuidText(text, w)) throw "malformed XUID text";
  return w;
}

class HOST_API XUID {
 public:
  XUID() = default;
  constexpr XUID(std::uint64_t word1, std::uint64_t word2) : m_word1(word1), m_word2(word2) {}
  XUID(XuidWords w) : m_word1(w.word1), m_word2(w.word2) {}  // NOLINT: implicit by design
  /// Parses the text form. A malformed text throws Port::Exception naming it:
  /// an identity never silently becomes zero.
  explicit XUID(const char* text);
  XUID(const XUID&) = default;
  XUID& operator=(const XUID&) = default;
  virtual ~XUID() = default;

  /// Parses without throwing; false and `out` unchanged on a malformed text.
  static bool Parse(const char* text, XUID& out);

  std::uint64_t Word1() const { return m_word1; }
  std::uint64_t Word2() const { return m_word2; }
  XuidWords Words() const { return {m_word1, m_word2}; }
  bool IsZero() const { return m_word1 == 0 && m_word2 == 0; }

  friend bool operator==(const XUID& a, const XUID& b) {
    return a.m_word1 == b.m_word1 && a.m_word2 == b.m_word2;
  }
  friend bool operator!=(const XUID& a, const XUID& b) { return !(a == b); }
  friend bool operator==(const XUID& a, XuidWords b) {
    return a.m_word1 == b.word1 && a.m_word2 == b.word2;
  }
  friend bool operator<(const XUID& a, const XUID& b) {
    return a.m_word1 != b.m_word1 ? a.m_word1 < b.m_word1 : a.m_word2 < b.m_word2;
  }

 private:
  std::uint64_t m_word1 = 0;
  std::uint64_t m_word2 = 0;
};

}  // namespace Port
