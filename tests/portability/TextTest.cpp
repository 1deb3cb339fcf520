// StringBase comparison, search, truncation and formatting, and the decimal
// conversions of UT_STR.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "Port/StringBase.h"
#include "Port/UtStr.h"

namespace {

using Port::kCompareExact;
using Port::kCompareKeyword;
using Port::StringBase;

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(StringBaseTest, CompareExactOrdersBytesUnsignedAndPrefixesFirst) {
  EXPECT_EQ(StringBase("abc").Compare("abc"), 0);
  EXPECT_EQ(Sign(StringBase("abc").Compare("abd")), -1);
  EXPECT_EQ(Sign(StringBase("abd").Compare("abc")), 1);
  // A prefix sorts before the longer text, in both directions.
  EXPECT_EQ(Sign(StringBase("ab").Compare("abc")), -1);
  EXPECT_EQ(Sign(StringBase("abc").Compare(StringBase("ab"))), 1);
  EXPECT_EQ(Sign(StringBase("").Compare("a")), -1);
  EXPECT_EQ(StringBase("").Compare(nullptr), 0);
  // Exact comparison sees case; bytes above 127 sort after ASCII.
  EXPECT_EQ(Sign(StringBase("ABC").Compare("abc")), -1);
  EXPECT_EQ(Sign(StringBase("\xe9").Compare("z")), 1);
  // Embedded NUL bytes take part when both sides are strings.
  EXPECT_EQ(Sign(StringBase("a\0b", 3).Compare(StringBase("a\0c", 3))), -1);
  EXPECT_EQ(Sign(StringBase("a\0b", 3).Compare("a")), 1);
}

TEST(StringBaseTest, CompareKeywordFoldsOnlyAsciiLetters) {
  EXPECT_EQ(StringBase("ABC").Compare("abc", kCompareKeyword), 0);
  EXPECT_EQ(StringBase("MiXeD_1").Compare(StringBase("mixed_1"), kCompareKeyword), 0);
  EXPECT_EQ(Sign(StringBase("ABC").Compare("abd", kCompareKeyword)), -1);
  EXPECT_EQ(Sign(StringBase("AB").Compare("abc", kCompareKeyword)), -1);
  // Letters fold to lower case, as strcasecmp does: "_" sorts before "A".
  EXPECT_EQ(Sign(StringBase("_").Compare("A", kCompareKeyword)), -1);
  EXPECT_EQ(Sign(StringBase("_").Compare("A", kCompareExact)), 1);
  // Bytes outside ASCII letters are not folded.
  EXPECT_NE(StringBase("\xc9").Compare("\xe9", kCompareKeyword), 0);
  EXPECT_NE(StringBase("[").Compare("{", kCompareKeyword), 0);
}

TEST(StringBaseTest, GetIndexOfStringFindsFirstOccurrenceOrMinusOne) {
  const StringBase text("one Two one two");
  EXPECT_EQ(text.GetIndexOfString("one"), 0);
  EXPECT_EQ(text.GetIndexOfString("two"), 12);
  EXPECT_EQ(text.GetIndexOfString("two", kCompareKeyword), 4);
  EXPECT_EQ(text.GetIndexOfString("three"), -1);
  EXPECT_EQ(text.GetIndexOfString("one Two one two and more"), -1);
  EXPECT_EQ(StringBase("").GetIndexOfString("x"), -1);
  EXPECT_EQ(text.GetIndexOfString(nullptr), -1);
  EXPECT_EQ(text.GetIndexOfString("e t"), 10);
  EXPECT_EQ(text.GetIndexOfString("E T", kCompareKeyword), 2);
}

TEST(StringBaseTest, TruncateKeepsLeadingBytes) {
  StringBase text("partition");
  text.Truncate(100);
  EXPECT_EQ(text, StringBase("partition"));
  text.Truncate(4);
  EXPECT_EQ(text, StringBase("part"));
  text.Truncate(0);
  EXPECT_TRUE(text.IsEmpty());
}

TEST(StringBaseTest, FormatReplacesAndSizesExactly) {
  StringBase text("old contents that must go");
  text.Format("%s=%d", "width", 42);
  EXPECT_EQ(text.str(), "width=42");
  EXPECT_EQ(StringBase::doFormat("%05.1f|%-3s|", 3.14159, "a").str(), "003.1|a  |");
  // A text longer than any small internal buffer comes out whole.
  const std::string longText(1000, 'x');
  EXPECT_EQ(StringBase::doFormat("<%s>", longText.c_str()).str(), "<" + longText + ">");
  // A formatted NUL byte stays part of the text.
  EXPECT_EQ(StringBase::doFormat("a%cb", 0).Length(), 3u);
  EXPECT_EQ(ombform("%s-%u", "pin", 7u), "pin-7");
  EXPECT_EQ(ombform("%s", longText.c_str()).size(), 1000u);
}

TEST(UtStrTest, AToIReadsLeadingNumberAndClamps) {
  EXPECT_EQ(UT_STR::AToI("12abc"), 12);
  EXPECT_EQ(UT_STR::AToI("  -7"), -7);
  EXPECT_EQ(UT_STR::AToI("\t\n+15x"), 15);
  EXPECT_EQ(UT_STR::AToI("x"), 0);
  EXPECT_EQ(UT_STR::AToI("- 5"), 0);
  EXPECT_EQ(UT_STR::AToI(""), 0);
  EXPECT_EQ(UT_STR::AToI(nullptr), 0);
  EXPECT_EQ(UT_STR::AToI("2147483647"), INT_MAX);
  EXPECT_EQ(UT_STR::AToI("2147483648"), INT_MAX);
  EXPECT_EQ(UT_STR::AToI("-2147483648"), INT_MIN);
  EXPECT_EQ(UT_STR::AToI("-2147483649"), INT_MIN);
  EXPECT_EQ(UT_STR::AToI("123456789012345678901234567890"), INT_MAX);
  EXPECT_EQ(UT_STR::AToI("-99999999999999999999999"), INT_MIN);
}

TEST(UtStrTest, IToAWritesDecimalIntoBuffer) {
  char buffer[12];
  EXPECT_EQ(UT_STR::IToA(buffer, 0), buffer);
  EXPECT_STREQ(buffer, "0");
  EXPECT_STREQ(UT_STR::IToA(buffer, -305), "-305");
  EXPECT_STREQ(UT_STR::IToA(buffer, INT_MAX), "2147483647");
  EXPECT_STREQ(UT_STR::IToA(buffer, INT_MIN), "-2147483648");
  // Round trip through both conversions.
  for (int value : {1, -1, 99999, -1000000, INT_MAX, INT_MIN}) {
    EXPECT_EQ(UT_STR::AToI(UT_STR::IToA(buffer, value)), value);
  }
}

}  // namespace
