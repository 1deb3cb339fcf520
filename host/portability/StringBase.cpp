// Comparison, search and printf-style filling of Port::StringBase, and the
// free formatting helper ombform.
#include "Port/StringBase.h"

#include <cstring>

#include "VFormat.h"

namespace Port {
namespace {

// Keyword comparison folds ASCII letters to lower case only; other bytes,
// including those above 127, compare as they are.
unsigned char Fold(unsigned char c, CompareType type) {
  if (type == kCompareKeyword && c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  return c;
}

int CompareBytes(const char* a, std::size_t aLength, const char* b, std::size_t bLength,
                 CompareType type) {
  const std::size_t common = aLength < bLength ? aLength : bLength;
  for (std::size_t i = 0; i < common; ++i) {
    const unsigned char ca = Fold(static_cast<unsigned char>(a[i]), type);
    const unsigned char cb = Fold(static_cast<unsigned char>(b[i]), type);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (aLength == bLength) return 0;
  return aLength < bLength ? -1 : 1;
}

}  // namespace

int StringBase::Compare(const char* text, CompareType type) const {
  const char* other = text ? text : "";
  return CompareBytes(m_text.data(), m_text.size(), other, std::strlen(other), type);
}

int StringBase::Compare(const StringBase& other, CompareType type) const {
  return CompareBytes(m_text.data(), m_text.size(), other.m_text.data(), other.m_text.size(), type);
}

int StringBase::GetIndexOfString(const char* text, CompareType type) const {
  if (!text) return -1;
  const std::size_t needle = std::strlen(text);
  if (needle > m_text.size()) return -1;
  for (std::size_t at = 0; at + needle <= m_text.size(); ++at) {
    if (CompareBytes(m_text.data() + at, needle, text, needle, type) == 0) {
      return static_cast<int>(at);
    }
  }
  return -1;
}

StringBase& StringBase::Format(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  m_text = detail::VFormat(fmt, args);
  va_end(args);
  return *this;
}

StringBase StringBase::doFormat(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  StringBase result(detail::VFormat(fmt, args));
  va_end(args);
  return result;
}

}  // namespace Port

std::string ombvform(const char* fmt, va_list args) { return Port::detail::VFormat(fmt, args); }

std::string ombform(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  std::string result = Port::detail::VFormat(fmt, args);
  va_end(args);
  return result;
}
