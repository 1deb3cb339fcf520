// The host's 8-bit string that knows its length. Names, keys and paths of the
// partition library are held in it by value. Bytes are never interpreted: any
// byte, NUL included, may stand in a string.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>

#include "Port/HostApi.h"

namespace Port {

/// How two texts are compared: exactly, or as keywords (ASCII letters fold).
enum CompareType : int {
  kCompareExact = 0,
  kCompareKeyword = 1,
};

class HOST_API StringBase {
 public:
  StringBase() = default;
  StringBase(const char* text) : m_text(text ? text : "") {}  // NOLINT: implicit by design
  StringBase(const char* bytes, std::size_t length) : m_text(bytes, length) {}
  explicit StringBase(std::string text) : m_text(std::move(text)) {}

  StringBase& operator=(const char* text) {
    m_text = text ? text : "";
    return *this;
  }

  StringBase& Append(const char* text) {
    if (text) m_text += text;
    return *this;
  }
  StringBase& Append(const StringBase& other) {
    m_text += other.m_text;
    return *this;
  }
  StringBase& operator+=(const char* text) { return Append(text); }
  StringBase& operator+=(const StringBase& other) { return Append(other); }

  /// 0 when equal; otherwise the sign of the first difference (shorter first
  /// when one text is a prefix of the other).
  int Compare(const char* text, CompareType type = kCompareExact) const;
  int Compare(const StringBase& other, CompareType type = kCompareExact) const;

  /// Index of the first occurrence of `text`, or -1 when it does not occur.
  int GetIndexOfString(const char* text, CompareType type = kCompareExact) const;

  /// Keeps the bytes before `index`; an index past the end changes nothing.
  void Truncate(std::size_t index) {
    if (index < m_text.size()) m_text.resize(index);
  }
  void Empty() { m_text.clear(); }

  /// Fills the string printf-style, replacing what it held.
  StringBase& Format(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
  /// A new string filled printf-style.
  static StringBase doFormat(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

  const char* GetText() const { return m_text.c_str(); }
  const char* c_str() const { return m_text.c_str(); }
  std::size_t Length() const { return m_text.size(); }
  bool IsEmpty() const { return m_text.empty(); }
  const std::string& str() const { return m_text; }

  friend bool operator==(const StringBase& a, const StringBase& b) { return a.m_text == b.m_text; }
  friend bool operator!=(const StringBase& a, const StringBase& b) { return a.m_text != b.m_text; }
  /// Byte-wise order, shorter first when one is a prefix of the other: the
  /// order of every map keyed by name.
  friend bool operator<(const StringBase& a, const StringBase& b) { return a.m_text < b.m_text; }

 private:
  std::string m_text;
};

}  // namespace Port

/// printf-style formatting into a zero-terminated text owned by the result.
HOST_API std::string ombform(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
/// The same with the arguments of a caller's own variadic function; `args`
/// stays usable by the caller.
HOST_API std::string ombvform(const char* fmt, va_list args) __attribute__((format(printf, 1, 0)));
