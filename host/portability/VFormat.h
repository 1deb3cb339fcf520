// printf-style formatting into a std::string, shared by the string and
// message code of this library. Not part of the public interface.
#pragma once

#include <cstdarg>
#include <string>

namespace Port::detail {

/// The text `fmt` formats to with `args`; a null format gives "". `args` is
/// left usable by the caller (the function works on a copy).
__attribute__((visibility("hidden"))) std::string VFormat(const char* fmt, va_list args);

}  // namespace Port::detail
