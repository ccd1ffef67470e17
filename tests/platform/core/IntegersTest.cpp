#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

TEST(StrToInt, AcceptsDecimalHexAndSigns) {
  const std::pair<const char*, int32_t> cases[] = {
      {"0", 0},          {"42", 42},         {"-42", -42},       {"+7", 7},
      {"  12", 12},      {"\t5", 5},         {"$1F", 31},        {"0x1f", 31},
      {"-$10", -16},     {"2147483647", 2147483647},             {"-2147483648", INT32_MIN},
      {"007", 7},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(StrToInt(text), value) << text;
}

TEST(StrToInt, RejectsWithThePlatformsMessage) {
  for (const char* bad : {"", " ", "abc", "12 ", "1 2", "1.5", "-", "$", "0x", "2147483648", "-2147483649", "$G",
                          "99999999999999999999999"}) {
    try {
      StrToInt(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), std::string("'") + bad + "' is not a valid integer value");
    }
  }
  EXPECT_EQ(StrToIntDef("abc", -1), -1);
  int32_t v = 5;
  EXPECT_FALSE(TryStrToInt("x", v));
  EXPECT_EQ(v, 5);
}

TEST(StrToInt64, UsesTheWholeRange) {
  EXPECT_EQ(StrToInt64("9223372036854775807"), INT64_MAX);
  EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
  EXPECT_THROW(StrToInt64("9223372036854775808"), EConvertError);
  EXPECT_EQ(StrToInt64("$7FFFFFFFFF"), 0x7FFFFFFFFFLL);
}

TEST(IntToHex, PadsAndShowsTwosComplement) {
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(0x12345, 2), "12345");
  EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
  EXPECT_EQ(IntToHex(int64_t{-1}, 2), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(IntToStr(-9000000000LL), "-9000000000");
}
