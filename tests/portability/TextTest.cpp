// Values as text: StringBase comparison, search, truncation and formatting,
// the decimal reading of UT_STR, calendar text of time values (in UTC,
// whatever the machine's zone) and the parsing of XUID text.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <string>

#include "Port/Exception.h"
#include "Port/StringBase.h"
#include "Port/UtStr.h"
#include "Port/UtTime.h"
#include "Port/XUID.h"
#include "TestSupport.h"

namespace {

using Port::StringBase;
using Port::XUID;

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(StringBaseTest, CompareOrdersBytesUnsignedPrefixesFirstAndFoldsOnlyAsciiLetters) {
  constexpr auto kExact = Port::kCompareExact, kKeyword = Port::kCompareKeyword;
  const struct {
    StringBase a, b;
    Port::CompareType type;
    int sign;
  } cases[] = {
      {"abc", "abc", kExact, 0},
      {"abc", "abd", kExact, -1},
      {"abc", "ab", kExact, 1},
      {"ABC", "abc", kExact, -1},
      {"\xe9", "z", kExact, 1},
      {"_", "A", kExact, 1},
      {"MiXeD_1", "mixed_1", kKeyword, 0},
      {"AB", "abc", kKeyword, -1},
      {"_", "A", kKeyword, -1},
      {"\xc9", "\xe9", kKeyword, -1},
      {StringBase("a\0b", 3), StringBase("a\0c", 3), kExact, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Sign(c.a.Compare(c.b, c.type)), c.sign) << c.a.str() << " vs " << c.b.str();
    if (c.b.Length() == std::strlen(c.b.c_str())) {  // a NUL byte would end the text
      EXPECT_EQ(Sign(c.a.Compare(c.b.c_str(), c.type)), c.sign) << c.a.str() << " vs text";
    }
  }
  EXPECT_EQ(Sign(StringBase("a\0b", 3).Compare("a")), 1) << "a NUL byte takes part";
  EXPECT_EQ(StringBase("").Compare(nullptr), 0);
}

TEST(StringBaseTest, SearchTruncateAndFormat) {
  const StringBase text("one Two one two");
  EXPECT_EQ(text.GetIndexOfString("two"), 12);
  EXPECT_EQ(text.GetIndexOfString("E T", Port::kCompareKeyword), 2);
  EXPECT_EQ(text.GetIndexOfString("one Two one two and more"), -1);
  EXPECT_EQ(text.GetIndexOfString(nullptr), -1);

  StringBase cut("partition");
  cut.Truncate(4);
  EXPECT_EQ(cut.str(), "part");

  StringBase formatted("old contents that must go");
  formatted.Format("%s=%d", "width", 42);
  EXPECT_EQ(formatted.str(), "width=42");
  // Around the size formatted without a second pass, and well past it.
  for (std::size_t size : {254u, 255u, 256u, 257u, 1000u}) {
    const std::string longText(size - 2, 'x');
    EXPECT_EQ(StringBase::doFormat("<%s>", longText.c_str()).str(), "<" + longText + ">") << size;
  }
  EXPECT_EQ(StringBase::doFormat("a%cb", 0).Length(), 3u) << "a formatted NUL byte stays";
}

TEST(UtStrTest, AToIReadsTheLeadingNumberAndClamps) {
  const std::pair<const char*, int> cases[] = {{"12abc", 12},
                                               {"  -7", -7},
                                               {"\t\n+15x", 15},
                                               {"x", 0},
                                               {"- 5", 0},
                                               {nullptr, 0},
                                               {"2147483647", INT_MAX},
                                               {"2147483648", INT_MAX},
                                               {"-2147483648", INT_MIN},
                                               {"-2147483649", INT_MIN},
                                               {"-99999999999999999999999", INT_MIN}};
  for (auto [text, value] : cases) EXPECT_EQ(UT_STR::AToI(text), value) << (text ? text : "null");
}

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

TEST(XuidTest, ParsesEitherCaseAndRefusesMalformedTexts) {
  const XUID lower("{2c4cfe12-3096-490e-bf15-40cec3980408}");
  EXPECT_EQ(lower, XUID(0x2c4cfe123096490eULL, 0xbf1540cec3980408ULL));
  EXPECT_EQ(XUID("{2c4CFE12-3096-490E-Bf15-40CEC3980408}"), lower);
  const XUID original(0x1111, 0x2222);
  for (const char* text : {"{2c4cfe1-23096-490e-bf15-40cec3980408}",  // first group 7 digits
                           "{2c4cfe12-3096-490e-bf15-40cec398040g}",  // not a hex digit
                           "{2c4cfe12-3096-490e-bf15-40cec3980408}x", ""}) {
    XUID out = original;
    EXPECT_FALSE(XUID::Parse(text, out)) << text;
    EXPECT_EQ(out, original) << text;
    try {
      XUID thrown(text);
      ADD_FAILURE() << "no exception for " << text;
    } catch (const Port::Exception& e) {
      EXPECT_NE(e.Message().find(std::string("'") + text + "'"), std::string::npos) << e.what();
    }
  }
  EXPECT_THROW(XUID(static_cast<const char*>(nullptr)), Port::Exception);
}

}  // namespace
