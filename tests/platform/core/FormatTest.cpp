#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

struct FormatCase {
  std::string expected;
  std::string fmt;
  std::initializer_list<TVarRec> args;
};

TEST(Format, DirectivesProduceThePlatformsText) {
  const FormatCase cases[] = {
      {"Name: Button1", "%s: %s", {"Name", std::string("Button1")}},
      {"3 items", "%d %s", {3, "items"}},
      {"[abc       ]", "[%-10s]", {"abc"}},
      {"[       abc]", "[%10s]", {"abc"}},
      {"[   42]", "[%5d]", {42}},
      {"[42   ]", "[%-5d]", {42}},
      {"-0042", "%.4d", {-42}},
      {"FF 00FF", "%x %.4X", {255, 255}},
      {"0000001A", "%.8x", {26}},
      {"FFFFFFFF", "%x", {-1}},
      {"4294967295", "%u", {-1}},
      {"3.14", "%.2f", {3.14159}},
      {"0.13", "%.2f", {0.125}},       // half away from zero on the decimal digits
      {"2.67", "%.2f", {2.675}},       // 2.675 is really 2.67499... in binary
      {"-1.50", "%f", {-1.5}},         // two decimals by default
      {"1", "%.0f", {0.5}},
      {"1.23450000000000E+003", "%e", {1234.5}},
      {"1.2E-005", "%.2e", {0.0000123}},
      {"1234.5", "%g", {1234.5}},
      {"1,234,567.89", "%n", {1234567.891}},
      {"100%", "%d%%", {100}},
      {"b a b", "%1:s %0:s %s", {"a", "b"}},
      {"[  x]", "[%*s]", {3, "x"}},
      {"ab", "%.2s", {"abcdef"}},
      {"c", "%s", {'c'}},
      {"%", "%%", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Format(c.fmt, c.args), c.expected) << c.fmt;
}

TEST(Format, MismatchOrMissingArgumentRaisesConvertError) {
  const FormatCase cases[] = {
      {"Format '%d' invalid or incompatible with argument", "%d", {"text"}},
      {"Format '%s' invalid or incompatible with argument", "%s", {12}},
      {"Format '%f' invalid or incompatible with argument", "%f", {12}},
      {"Format '%x' invalid or incompatible with argument", "%x", {1.5}},
      {"Format '%q' invalid or incompatible with argument", "%q", {1}},
      {"Format 'ends in %' invalid or incompatible with argument", "ends in %", {1}},
      {"Format '%99999999d' invalid or incompatible with argument", "%99999999d", {1}},
      {"No argument for format '%s %s'", "%s %s", {"one"}},
      {"No argument for format '%3:s'", "%3:s", {"one"}},
  };
  for (const auto& c : cases) {
    try {
      Format(c.fmt, c.args);
      ADD_FAILURE() << "no exception for " << c.fmt;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), c.expected);
    }
  }
}

TEST(FloatToStr, FifteenDigitsGeneralFormat) {
  const std::pair<long double, std::string> cases[] = {
      {0, "0"},
      {0.1, "0.1"},
      {-2.5, "-2.5"},
      {1.0 / 3, "0.333333333333333"},
      {100, "100"},
      {123456789012345.0, "123456789012345"},
      {1e15, "1E15"},
      {1e20, "1E20"},
      {0.00001, "1E-5"},
      {0.0001, "0.0001"},
      {1.5e-10, "1.5E-10"},
      {0.999999999999999999, "1"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(FloatToStr(value), text) << text;
}

TEST(StrToFloat, AcceptsPlainDecimalsOnly) {
  EXPECT_EQ(StrToFloat(" 1.5 "), 1.5L);
  EXPECT_EQ(StrToFloat("-2E3"), -2000.0L);
  EXPECT_EQ(StrToFloat(".5"), 0.5L);
  for (const char* bad : {"", "abc", "1.5x", "0x10", "inf", "nan", "1e", "1e999999", "."}) {
    EXPECT_THROW(StrToFloat(bad), EConvertError) << bad;
  }
  try {
    StrToFloat("1,5");
    ADD_FAILURE();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'1,5' is not a valid floating point value");
  }
}
