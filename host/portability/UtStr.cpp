// Decimal text to int and back, clamping instead of overflowing.
#include "Port/UtStr.h"

#include <climits>
#include <cstdio>

namespace UT_STR {
namespace {
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
}  // namespace

int AToI(const char* text) {
  if (!text) return 0;
  while (IsBlank(*text)) ++text;
  bool negative = false;
  if (*text == '+' || *text == '-') {
    negative = *text == '-';
    ++text;
  }
  // Accumulate the magnitude in a wider type and stop growing it once it is
  // past the int range, so any number of digits is safe.
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  long long magnitude = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    if (magnitude <= limit) magnitude = magnitude * 10 + (*text - '0');
  }
  if (magnitude > limit) magnitude = limit;
  return static_cast<int>(negative ? -magnitude : magnitude);
}

char* IToA(char* buffer, int value) {
  // "-2147483648" plus the terminating NUL fills the 12 bytes exactly.
  std::snprintf(buffer, 12, "%d", value);
  return buffer;
}

}  // namespace UT_STR
