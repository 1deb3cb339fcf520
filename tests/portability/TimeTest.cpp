// Calendar text of time values, checked in UTC so the expected texts do not
// depend on the machine's zone.
#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <string>

#include "Port/UtTime.h"
#include "TestSupport.h"

namespace {

std::string CTimeText(Port::Time value) {
  Port::StringBase out("previous contents");
  Port::StringBase* result = UT_TIME::CTime(&value, &out);
  return result == &out ? out.str() : "<wrong result pointer>";
}

class UtcZone {
 public:
  UtcZone() : m_env("TZ", "UTC") { tzset(); }
  ~UtcZone() { tzset(); }

 private:
  porttest::ScopedEnv m_env;
};

TEST(UtTimeTest, CTimeWritesCalendarTextInCtimeLayout) {
  UtcZone utc;
  EXPECT_EQ(CTimeText(0), "Thu Jan  1 00:00:00 1970\n");
  EXPECT_EQ(CTimeText(1000000000), "Sun Sep  9 01:46:40 2001\n");
  EXPECT_EQ(CTimeText(1700000000), "Tue Nov 14 22:13:20 2023\n");
  EXPECT_EQ(CTimeText(-1), "Wed Dec 31 23:59:59 1969\n");
  // Day numbers of two digits use the full width; years past 9999 widen.
  EXPECT_EQ(CTimeText(951782400), "Tue Feb 29 00:00:00 2000\n");
  EXPECT_EQ(CTimeText(253402300800), "Sat Jan  1 00:00:00 10000\n");
}

TEST(UtTimeTest, TimeOutsideTheCalendarWritesMinusOne) {
  UtcZone utc;
  EXPECT_EQ(CTimeText(INT64_MAX), "-1\n");
  EXPECT_EQ(CTimeText(INT64_MIN), "-1\n");
  Port::StringBase out("x");
  EXPECT_EQ(UT_TIME::CTime(nullptr, &out), &out);
  EXPECT_EQ(out.str(), "-1\n");
}

}  // namespace
