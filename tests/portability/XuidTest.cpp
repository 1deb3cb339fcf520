// XUID text parsing: both letter cases, the word layout, and every kind of
// malformed text refused by Parse and thrown by the constructor.
#include <gtest/gtest.h>

#include <string>

#include "Port/Exception.h"
#include "Port/XUID.h"
#include "Xuids.h"

namespace {

using Port::XUID;

TEST(XuidTest, ParsesEitherCaseIntoTwoWords) {
  const XUID lower("{2c4cfe12-3096-490e-bf15-40cec3980408}");
  EXPECT_EQ(lower.Word1(), 0x2c4cfe123096490eULL);
  EXPECT_EQ(lower.Word2(), 0xbf1540cec3980408ULL);
  EXPECT_EQ(XUID("{2c4CFE12-3096-490E-Bf15-40CEC3980408}"), lower);
  EXPECT_EQ(lower, Xuids::ZorE_PartitionPin) << "the runtime parse agrees with the table";
  XUID parsed;
  ASSERT_TRUE(XUID::Parse("{ffffffff-ffff-ffff-ffff-fffffffffffe}", parsed));
  EXPECT_EQ(parsed, XUID(~0ULL, ~0ULL - 1));
}

TEST(XuidTest, MalformedTextsAreRefusedAndThrown) {
  const char* const malformed[] = {
      "2c4cfe12-3096-490e-bf15-40cec3980408}",    // no opening brace
      "{2c4cfe12-3096-490e-bf15-40cec3980408",    // no closing brace
      "{2c4cfe1-23096-490e-bf15-40cec3980408}",   // first group 7 digits
      "{2c4cfe12-3096-490e-bf15-40cec398040}",    // last group 11 digits
      "{2c4cfe12-3096-490e-bf15-40cec39804080}",  // last group 13 digits
      "{2c4cfe12-3096-490e-bf15-40cec398040g}",   // not a hex digit
      "{2c4cfe12 3096-490e-bf15-40cec3980408}",   // wrong separator
      "{2c4cfe12-3096-490e-bf15-40cec3980408}x",  // trailing junk
      "",
  };
  const XUID original(0x1111, 0x2222);
  for (const char* text : malformed) {
    XUID out = original;
    EXPECT_FALSE(XUID::Parse(text, out)) << text;
    EXPECT_EQ(out, original) << text;
    try {
      XUID thrown(text);
      ADD_FAILURE() << "no exception for " << text;
    } catch (const Port::Exception& e) {
      EXPECT_EQ(e.Domain(), "Portability");
      EXPECT_NE(e.Message().find(std::string("'") + text + "'"), std::string::npos) << e.what();
    }
  }
  XUID out = original;
  EXPECT_FALSE(XUID::Parse(nullptr, out));
  EXPECT_THROW(XUID(static_cast<const char*>(nullptr)), Port::Exception);
}

}  // namespace
