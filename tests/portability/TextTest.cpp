// StringBase comparison, search, truncation and formatting, and the decimal
// conversions of UT_STR.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "Port/StringBase.h"
#include "Port/UtStr.h"

namespace {

using Port::StringBase;

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
      {"abd", "abc", kExact, 1},
      {"ab", "abc", kExact, -1},
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
  const std::pair<const char*, int> found[] = {
      {"one", 0}, {"two", 12}, {"e t", 10}, {"three", -1}, {"one Two one two and more", -1}};
  for (auto [needle, at] : found) EXPECT_EQ(text.GetIndexOfString(needle), at) << needle;
  EXPECT_EQ(text.GetIndexOfString("E T", Port::kCompareKeyword), 2);
  EXPECT_EQ(text.GetIndexOfString(nullptr), -1);
  EXPECT_EQ(StringBase("").GetIndexOfString("x"), -1);

  StringBase cut("partition");
  cut.Truncate(100);
  EXPECT_EQ(cut.str(), "partition");
  cut.Truncate(4);
  EXPECT_EQ(cut.str(), "part");

  StringBase formatted("old contents that must go");
  formatted.Format("%s=%d", "width", 42);
  EXPECT_EQ(formatted.str(), "width=42");
  const std::string longText(1000, 'x');
  EXPECT_EQ(StringBase::doFormat("<%s>", longText.c_str()).str(), "<" + longText + ">");
  EXPECT_EQ(StringBase::doFormat("a%cb", 0).Length(), 3u) << "a formatted NUL byte stays";
  EXPECT_EQ(ombform("%s-%u", "pin", 7u), "pin-7");
}

TEST(UtStrTest, AToIReadsTheLeadingNumberAndClampsAndIToAWritesIt) {
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
  char buffer[12];
  EXPECT_EQ(UT_STR::IToA(buffer, 0), buffer);
  EXPECT_STREQ(buffer, "0");
  for (auto [value, text] :
       {std::pair{-305, "-305"}, {INT_MIN, "-2147483648"}, {INT_MAX, "2147483647"}}) {
    EXPECT_STREQ(UT_STR::IToA(buffer, value), text);
  }
}

}  // namespace
