#include "common/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using common::formatE;
using common::formatFixed;
using common::formatGeneral;
using common::formatInt;
using common::parseInt;
using common::parseReal;

TEST(ParseInt, AcceptsSignAndDigitsWithin32Bits) {
  EXPECT_EQ(parseInt("0"), 0);
  EXPECT_EQ(parseInt("+12"), 12);
  EXPECT_EQ(parseInt("-007"), -7);
  EXPECT_EQ(parseInt("2147483647"), 2147483647);
  EXPECT_EQ(parseInt("-2147483648"), std::numeric_limits<int32_t>::min());
  for (const char* bad : {"", "+", "-", "2147483648", "-2147483649", "99999999999999999999", "1.0",
                          "2.0", " 1", "1 ", "0x10", "1e3", "１"})
    EXPECT_FALSE(parseInt(bad).has_value()) << bad;
}

TEST(ParseReal, AcceptsTheDecimalFormsOnly) {
  struct Case {
    const char* text;
    double value;
  };
  const Case good[] = {{"10", 10.0},  {"12.", 12.0},     {".5", 0.5},  {"-.5", -0.5},
                       {"+1e3", 1e3}, {"1.5E-2", 0.015}, {"007", 7.0}, {"0.1", 0.1}};
  for (const Case& c : good) EXPECT_EQ(parseReal(c.text), c.value) << c.text;
  for (const char* bad : {"", ".", "-", "+.", "e5", "1e", "1e+", "1.5.2", " 1", "1 ", "inf", "nan",
                          "0x1p3", "1_000", "1,5", "1e400", "-1e400", "1d3"})
    EXPECT_FALSE(parseReal(bad).has_value()) << bad;
}

TEST(ParseReal, UnderflowRoundsCorrectly) {
  EXPECT_EQ(parseReal("1e-400"), 0.0);
  EXPECT_TRUE(std::signbit(*parseReal("-1e-400")));
  EXPECT_EQ(parseReal("4.9e-324"), std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(parseReal("2.5e-324"), std::numeric_limits<double>::denorm_min());
}

TEST(ToNumber, ErrorNamesPlaceAndText) {
  common::Location where{"MESH.DAT", 3, 2};
  try {
    common::toReal("1.2x", where);
    FAIL();
  } catch (const common::ConversionError& e) {
    EXPECT_STREQ(e.what(), "MESH.DAT: 3 行目: 2 番目の値「1.2x」は実数ではありません");
  }
  try {
    common::toInt("1.0", {"MESH.DAT", 3, 0});
    FAIL();
  } catch (const common::ConversionError& e) {
    EXPECT_STREQ(e.what(), "MESH.DAT: 3 行目: 「1.0」は整数ではありません");
  }
  EXPECT_EQ(common::Location({"MESH.DAT", 3, 2}).describe(), "MESH.DAT: 3 行目: 2 番目の値");
  EXPECT_EQ(common::Location({"", 0, 4}).describe(), "4 番目の値");
  EXPECT_THROW(common::toInt("1.0", where), common::ConversionError);
  EXPECT_EQ(common::toInt("-5", where), -5);
}

TEST(Format, PrintfIntegerAndFixed) {
  EXPECT_EQ(formatInt(42, 8), "      42");
  EXPECT_EQ(formatInt(-123456789, 5), "-123456789");
  EXPECT_EQ(formatFixed(1.0, 10, 3), "     1.000");
  EXPECT_EQ(formatFixed(2.5, 5, 0), "    2");
  EXPECT_EQ(formatFixed(0.0625, 0, 3), "0.062");  // tie to even on the binary value
  EXPECT_EQ(formatFixed(-0.0, 10, 3), "    -0.000");
  EXPECT_EQ(formatFixed(-0.0004, 10, 3), "    -0.000");
  EXPECT_EQ(formatFixed(100000.0, 10, 3), "100000.000");
}

TEST(Format, EFormatCountsSignificantDigits) {
  struct Case {
    double value;
    int width, digits;
    const char* text;
  };
  const Case cases[] = {
      {0.00016, 10, 3, " 1.60E-004"},
      {1.0, 15, 4, "     1.000E+000"},
      {-0.75, 19, 11, " -7.5000000000E-001"},
      {1.125, 10, 3, " 1.12E+000"},
      {9.9996, 0, 4, "1.000E+001"},
      {5e-324, 10, 3, " 4.94E-324"},
      {-0.0, 0, 3, "-0.00E+000"},
      {-0.0, 0, 11, "-0.0000000000E+000"},
      {1e100, 0, 3, "1.00E+100"},
      {2.7777777777777777e-24, 10, 5, "2.7778E-024"},
  };
  for (const Case& c : cases) EXPECT_EQ(formatE(c.value, c.width, c.digits), c.text) << c.value;
}

TEST(Format, GeneralNumberText) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {1.0, "1"},
      {-2.5, "-2.5"},
      {100.0, "100"},
      {0.1, "0.1"},
      {0.000001, "1E-6"},
      {0.00001, "0.00001"},
      {9.999999999999999e-06, "0.00001"},
      {999999999999999.9, "1E15"},
      {123456789012345.0, "123456789012345"},
      {1e15, "1E15"},
      {1.5e15, "1.5E15"},
      {1e-9 * 1000, "1E-6"},
      {0.0025 * 1000, "2.5"},
      {1.0 / 3.0, "0.333333333333333"},
      {-1.25e-7, "-1.25E-7"},
      {1e100, "1E100"},
  };
  for (const Case& c : cases) EXPECT_EQ(formatGeneral(c.value), c.text) << c.value;
}

TEST(Format, WidenedFieldKeepsABlankBetweenNumbers) {
  std::string line;
  common::appendWidened(line, formatInt(1, 8));
  common::appendWidened(line, formatFixed(100000.0, 10, 3));
  common::appendWidened(line, formatFixed(0.0, 10, 3));
  EXPECT_EQ(line, "       1 100000.000     0.000");
  std::string first;
  common::appendWidened(first, formatInt(123456789, 8));
  EXPECT_EQ(first, "123456789");
}

}  // namespace
