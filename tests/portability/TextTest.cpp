// StringBase comparison, search, truncation and formatting, and the decimal
// conversions of UT_STR.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "Port/StringBase.h"
#include "Port/UtStr.h"

namespace {

using Port::StringBase;

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(StringBaseTest, CompareOrdersBytesUnsignedPrefixesFirstAndFoldsOnlyAsciiLetters) {
  const struct {
    StringBase a, b;
    Port::CompareType type;
    int sign;
  } cases[] = {
      {"abc", "abc", Port::kCompareExact, 0},
      {"abc", "abd", Port::kCompareExact, -1},
      {"abd", "abc", Port::kCompareExact, 1},
      {"ab", "abc", Port::kCompareExact, -1},
      {"abc", "ab", Port::kCompareExact, 1},
      {"", "a", Port::kCompareExact, -1},
      {"ABC", "abc", Port::kCompareExact, -1},
      {"\xe9", "z", Port::kCompareExact, 1},
      {StringBase("a\0b", 3), StringBase("a\0c", 3), Port::kCompareExact, -1},
      {"_", "A", Port::kCompareExact, 1},
      {"MiXeD_1", "mixed_1", Port::kCompareKeyword, 0},
      {"ABC", "abd", Port::kCompareKeyword, -1},
      {"AB", "abc", Port::kCompareKeyword, -1},
      {"_", "A", Port::kCompareKeyword, -1},
      {"\xc9", "\xe9", Port::kCompareKeyword, -1},
      {"[", "{", Port::kCompareKeyword, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Sign(c.a.Compare(c.b, c.type)), c.sign) << c.a.str() << " vs " << c.b.str();
    if (c.b.str().find('\0') == std::string::npos) {
      EXPECT_EQ(Sign(c.a.Compare(c.b.c_str(), c.type)), c.sign) << c.a.str() << " vs text";
    }
  }
  EXPECT_EQ(Sign(StringBase("a\0b", 3).Compare("a")), 1) << "a NUL byte takes part";
  EXPECT_EQ(StringBase("").Compare(nullptr), 0);
}

TEST(StringBaseTest, SearchTruncateAndFormat) {
  const StringBase text("one Two one two");
  EXPECT_EQ(text.GetIndexOfString("one"), 0);
  EXPECT_EQ(text.GetIndexOfString("two"), 12);
  EXPECT_EQ(text.GetIndexOfString("two", Port::kCompareKeyword), 4);
  EXPECT_EQ(text.GetIndexOfString("E T", Port::kCompareKeyword), 2);
  EXPECT_EQ(text.GetIndexOfString("e t"), 10);
  for (const char* absent :
       {"three", "one Two one two and more", static_cast<const char*>(nullptr)}) {
    EXPECT_EQ(text.GetIndexOfString(absent), -1);
  }
  EXPECT_EQ(StringBase("").GetIndexOfString("x"), -1);

  StringBase cut("partition");
  cut.Truncate(100);
  EXPECT_EQ(cut.str(), "partition");
  cut.Truncate(4);
  EXPECT_EQ(cut.str(), "part");

  StringBase formatted("old contents that must go");
  formatted.Format("%s=%d", "width", 42);
  EXPECT_EQ(formatted.str(), "width=42");
  EXPECT_EQ(StringBase::doFormat("%05.1f|%-3s|", 3.14159, "a").str(), "003.1|a  |");
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
                                               {"", 0},
                                               {nullptr, 0},
                                               {"2147483647", INT_MAX},
                                               {"2147483648", INT_MAX},
                                               {"-2147483648", INT_MIN},
                                               {"-2147483649", INT_MIN},
                                               {"123456789012345678901234567890", INT_MAX},
                                               {"-99999999999999999999999", INT_MIN}};
  for (auto [text, value] : cases) EXPECT_EQ(UT_STR::AToI(text), value) << (text ? text : "null");
  char buffer[12];
  EXPECT_EQ(UT_STR::IToA(buffer, 0), buffer);
  EXPECT_STREQ(buffer, "0");
  EXPECT_STREQ(UT_STR::IToA(buffer, -305), "-305");
  EXPECT_STREQ(UT_STR::IToA(buffer, INT_MIN), "-2147483648");
  for (int value : {1, -1, 99999, -1000000, INT_MAX, INT_MIN}) {
    EXPECT_EQ(UT_STR::AToI(UT_STR::IToA(buffer, value)), value);
  }
}

}  // namespace
