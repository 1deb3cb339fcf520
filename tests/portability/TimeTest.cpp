// Calendar text of time values, checked in UTC so the expected texts do not
// depend on the machine's zone.
#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>

#include "Port/UtTime.h"
#include "TestSupport.h"

namespace {

TEST(UtTimeTest, CTimeWritesCalendarTextOrMinusOneOutsideTheCalendar) {
  porttest::ScopedEnv utc("TZ", "UTC");
  tzset();
  const std::pair<Port::Time, const char*> cases[] = {{0, "Thu Jan  1 00:00:00 1970\n"},
                                                      {1000000000, "Sun Sep  9 01:46:40 2001\n"},
                                                      {-1, "Wed Dec 31 23:59:59 1969\n"},
                                                      {951782400, "Tue Feb 29 00:00:00 2000\n"},
                                                      {253402300800, "Sat Jan  1 00:00:00 10000\n"},
                                                      {INT64_MAX, "-1\n"},
                                                      {INT64_MIN, "-1\n"}};
  for (auto [value, text] : cases) {
    Port::StringBase out("previous contents");
    EXPECT_EQ(UT_TIME::CTime(&value, &out), &out);
    EXPECT_EQ(out.str(), text) << value;
  }
  Port::StringBase out("x");
  EXPECT_EQ(UT_TIME::CTime(nullptr, &out), &out);
  EXPECT_EQ(out.str(), "-1\n");
}

}  // namespace
