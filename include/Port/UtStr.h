// Decimal conversion.
#pragma once

#include "Port/HostApi.h"

namespace UT_STR {
/// The leading decimal number of `text` (blanks, then an optional sign, then
/// digits), as C's atoi reads it; 0 when there is none; clamped to the int
/// range instead of overflowing.
HOST_API int AToI(const char* text);
/// Writes `value` in decimal into `buffer` (room for 12 bytes) and returns it.
HOST_API char* IToA(char* buffer, int value);
}  // namespace UT_STR
