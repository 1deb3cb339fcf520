// printf-style formatting into a std::string of exactly the formatted size,
// so a formatted NUL byte stays part of the text.
#include "VFormat.h"

#include <cstdio>

namespace Port::detail {

std::string VFormat(const char* fmt, va_list args) {
  if (!fmt) return std::string();
  char small[256];
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(small, sizeof small, fmt, measure);
  va_end(measure);
  if (length < 0) return std::string();
  if (static_cast<std::size_t>(length) < sizeof small) {
    return std::string(small, static_cast<std::size_t>(length));
  }
  // Too long for the stack buffer: format again into a string of the size
  // the first pass reported (plus room for the terminating NUL).
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  va_list fill;
  va_copy(fill, args);
  std::vsnprintf(text.data(), text.size(), fmt, fill);
  va_end(fill);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace Port::detail
