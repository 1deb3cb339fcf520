// Calendar text of a time value in the layout of C's ctime, local time.
#include "Port/UtTime.h"

#include <ctime>

namespace UT_TIME {

Port::StringBase* CTime(const Port::Time* time, Port::StringBase* out) {
  if (!out) return out;
  static const char kDays[7][4] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char kMonths[12][4] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::tm parts{};
  const std::time_t seconds = time ? static_cast<std::time_t>(*time) : 0;
  // localtime_r refuses values whose year does not fit the calendar fields.
  if (!time || static_cast<Port::Time>(seconds) != *time || !localtime_r(&seconds, &parts) ||
      parts.tm_wday < 0 || parts.tm_wday > 6 || parts.tm_mon < 0 || parts.tm_mon > 11) {
    *out = "-1\n";
    return out;
  }
  // The year is widened: tm_year near INT_MAX would overflow when 1900 is added.
  const long long year = 1900LL + parts.tm_year;
  out->Format("%.3s %.3s%3d %.2d:%.2d:%.2d %lld\n", kDays[parts.tm_wday], kMonths[parts.tm_mon],
              parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec, year);
  return out;
}

}  // namespace UT_TIME
