#include "base/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "base/errors.h"

using namespace orv::base;

namespace {

template <typename Convert>
std::string RefusalOf(Convert convert, const std::string& text) {
  try {
    convert(text);
  } catch (const OrvError& error) {
    return error.what();
  }
  return "(accepted)";
}

TEST(FloatToText, GeneralFormWithFifteenDigits) {
  const std::pair<double, std::string> cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {100.0, "100"},
      {0.01, "0.01"},
      {8.43, "8.43"},
      {-8.43, "-8.43"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {0.00009, "9E-5"},
      {0.0001, "0.0001"},
      {-0.0001, "-0.0001"},
      {0.00012345, "0.00012345"},
      {1e15 - 1, "999999999999999"},
      {1e15, "1E15"},
      {1.5e20, "1.5E20"},
      {-1.5e20, "-1.5E20"},
      {1.25e-7, "1.25E-7"},
      {19.2e-6, "1.92E-5"},
      {8250.0, "8250"},
      {123456789012345.6, "123456789012346"},
      {999999999999999.5, "1E15"},
      {0.1 + 0.2, "0.3"},
      {1e100, "1E100"},
      {5e-324, "4.94065645841247E-324"},
      // 15 digits would round it beyond the largest double.
      {std::numeric_limits<double>::max(), "1.7976931348623157E308"},
      {1.7976931348623e308, "1.7976931348623E308"},
      {3.1415926535897933e-50, "3.14159265358979E-50"},
      {12.5, "12.5"},
      {1e14, "100000000000000"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(FloatToText(value), text) << "value: " << value;
}

TEST(FloatToText, RefusesValuesThatAreNotFinite) {
  for (double value : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_THROW(FloatToText(value), OrvError);
  }
}

TEST(FloatToText, ReadsBackToTheSameTextAndCloseValue) {
  for (double value : {8.43, 0.148, 19.2e-6, 1.0 / 7.0, 12345.678, -0.5, 3e-9, 7.77e18,
                       std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()}) {
    std::string text = FloatToText(value);
    EXPECT_EQ(FloatToText(TextToFloat(text)), text);
    EXPECT_NEAR(TextToFloat(text), value, std::fabs(value) * 1e-14);
  }
}

TEST(FloatToExactText, KeepsTheDigitsThatTellTheValueApart) {
  EXPECT_EQ(FloatToExactText(90.00000000000001), "90.00000000000001");
  EXPECT_EQ(FloatToExactText(-1.0 / 3), "-0.3333333333333333");
  EXPECT_EQ(FloatToExactText(6.5e78), "6.5E78");
}

TEST(IntToText, PlainDecimal) {
  EXPECT_EQ(IntToText(0), "0");
  EXPECT_EQ(IntToText(-15), "-15");
  EXPECT_EQ(IntToText(1000000), "1000000");
  EXPECT_EQ(IntToText(std::numeric_limits<long long>::min()), "-9223372036854775808");
}

TEST(TextToFloat, AcceptsDecimalNumbersWithBlanksAndExponent) {
  const std::pair<std::string, double> cases[] = {
      {"12.5", 12.5},     {"  12.5  ", 12.5},
      {"\t-3", -3.0},     {"+4.25", 4.25},
      {"1E3", 1000.0},    {"1e-3", 0.001},
      {"2.5E+2", 250.0},  {"9E-5", 9e-5},
      {".5", 0.5},        {"5.", 5.0},
      {"0", 0.0},         {"-0", 0.0},
      {"1E-400", 0.0},    {"0.000001e-320", 0.0},
      {"1.5E20", 1.5e20}, {"5e-2147483649", 0.0},
  };
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(TextToFloat(text), value) << "text: " << text;
}

TEST(TextToFloat, RefusesEverythingElseNamingTheText) {
  const std::string cases[] = {"",    "   ", "12,5", "1.234.5", "abc", "1e",  "1e+",   "e5",   ".",    "-",
                               "+-1", "--1", "1 2",  "inf",     "nan", "NaN", "1E400", "0x10", "1.5x", "١٢",
                               "5e2147483648", "1e99999999999999999999"};
  for (const std::string& text : cases) {
    EXPECT_EQ(RefusalOf(TextToFloat, text), "'" + text + "' is not a valid floating point value");
  }
  // About 1e398 however many zeros lead its digits: too large, never zero;
  // the same digits with a smaller exponent are too small, and read as 0.
  const std::string zeros = "0." + std::string(1000000, '0') + "1e";
  EXPECT_THROW(TextToFloat(zeros + "1000400"), OrvError);
  EXPECT_EQ(TextToFloat(zeros + "999000"), 0.0);
}

TEST(TextToInt, AcceptsDecimalIntegers) {
  const std::pair<std::string, int> cases[] = {
      {"15", 15},
      {" 15 ", 15},
      {"-7", -7},
      {"+7", 7},
      {"0", 0},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(TextToInt(text), value) << "text: " << text;
}

TEST(TextToInt, RefusesEverythingElseNamingTheText) {
  const std::string cases[] = {"15.0", "",    "1e2", "2147483648", "-2147483649",
                               "+-1",  "12a", "1 2", "0x1F",       "+"};
  for (const std::string& text : cases) {
    EXPECT_EQ(RefusalOf(TextToInt, text), "'" + text + "' is not a valid integer value");
  }
}

// A locale with a decimal comma must change neither our conversions nor,
// after ForcePointSeparator, the C library's.
TEST(ForcePointSeparator, PointHoldsUnderACommaLocale) {
  if (!std::setlocale(LC_NUMERIC, "ru_RU.UTF-8")) GTEST_SKIP() << "no locale with a decimal comma installed";
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  EXPECT_EQ(FloatToText(8.43), "8.43");
  EXPECT_DOUBLE_EQ(TextToFloat("8.43"), 8.43);
  EXPECT_THROW(TextToFloat("8,43"), OrvError);
  ForcePointSeparator();
  EXPECT_STREQ(std::localeconv()->decimal_point, ".");
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
