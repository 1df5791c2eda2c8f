#include "codeplug/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <stdexcept>
#include <string>

#include "codeplug/text_formats.h"

namespace px {
namespace {

TEST(NumberTextTest, NumericAcceptsPlainDecimalsWithBlanksAndSign) {
  for (const char* text : {"0", "145", "145.00000", " 145.5 ", "\t7", "+3", "-2.5", ".5", "5.", "007"}) {
    EXPECT_TRUE(IsNumeric(text)) << text;
  }
  for (const char* text : {"", " ", ".", "+", "-", "1.2.3", "1e5", "0x1F", "&H1F", "1,000", "145,5",
                           "12a", "- 5", "5-", "$5", "1 2", "inf", "nan"}) {
    EXPECT_FALSE(IsNumeric(text)) << text;
  }
  EXPECT_FALSE(IsNumeric(std::string(400, '9'))) << "beyond a double is not a number";
}

TEST(NumberTextTest, ParseGivesTheValue) {
  EXPECT_DOUBLE_EQ(*ParseNumber(" 145.5 "), 145.5);
  EXPECT_DOUBLE_EQ(*ParseNumber("-2.25"), -2.25);
  EXPECT_DOUBLE_EQ(*ParseNumber(".5"), 0.5);
  EXPECT_DOUBLE_EQ(*ParseNumber("5."), 5.0);
  EXPECT_DOUBLE_EQ(*ParseNumber("+3"), 3.0);
  EXPECT_FALSE(ParseNumber("x").has_value());
  EXPECT_DOUBLE_EQ(NumberValue("x", 7), 7);
}

TEST(NumberTextTest, PatternsRoundHalfAwayOnTheDecimalValue) {
  // The doubles of these are a hair below the half; a person expects them to round up.
  EXPECT_EQ(FormatFreqText(145.000005), "145.00001");
  EXPECT_EQ(FormatNineDigits(145.000005 * 100000), "014500001");
  EXPECT_EQ(FormatOneDecimal(0.05), "0.1");
  EXPECT_EQ(FormatFixed(1.005, 1, 2), "1.01");
  EXPECT_EQ(FormatOffsetText(-0.000005), "-0.00001");
  EXPECT_EQ(FormatFreqText(145.0000049), "145.00000");
  // Arithmetic noise does not tip a value over a half either way.
  EXPECT_EQ(FormatOneDecimal(0.1 + 0.2), "0.3");
  EXPECT_EQ(FormatFreqText(145.1 + 0.2), "145.30000");
}

TEST(NumberTextTest, PatternsPadAndCarry) {
  EXPECT_EQ(FormatFreqText(145), "145.00000");
  EXPECT_EQ(FormatFreqText(5.5), "005.50000");
  EXPECT_EQ(FormatFreqText(99.999995), "100.00000");
  EXPECT_EQ(FormatFreqText(999.999995), "1000.00000");
  EXPECT_EQ(FormatLimitText(136), "136.00000");
  EXPECT_EQ(FormatLimitText(0.5), ".50000");
  EXPECT_EQ(FormatLimitText(0), ".00000");
  EXPECT_EQ(FormatOffsetText(0.6), "0.60000");
  EXPECT_EQ(FormatDistanceText(0.6), "0.60000");
  EXPECT_EQ(FormatFreq4Text(155), "155.0000");
  EXPECT_EQ(FormatNineDigits(14500000), "014500000");
  EXPECT_EQ(FormatFourDigits(145), "0145");
  EXPECT_EQ(FormatTenthsText(62.5), "62.5");
  EXPECT_EQ(FormatTenthsText(0), "0.0");
  EXPECT_EQ(FormatOneDecimal(25), "25.0");
  EXPECT_EQ(FormatTenthsNoLeadZero(288.5), "288.5");
  EXPECT_EQ(FormatTenthsNoLeadZero(0.5), ".5");
}

TEST(NumberTextTest, ZeroHasNoSignAndNonFiniteFormatsAsZero) {
  EXPECT_EQ(FormatFreqText(-0.000001), "000.00000");
  EXPECT_EQ(FormatOffsetText(-0.0), "0.00000");
  EXPECT_EQ(FormatFreqText(std::numeric_limits<double>::quiet_NaN()), "000.00000");
  EXPECT_EQ(FormatOffsetText(std::numeric_limits<double>::infinity()), "0.00000");
  EXPECT_EQ(FormatPlainNumber(std::numeric_limits<double>::quiet_NaN()), "0");
}

TEST(NumberTextTest, IntegerRoundingModes) {
  EXPECT_EQ(RoundToInteger(2.5), 3);
  EXPECT_EQ(RoundToInteger(-2.5), -3);
  EXPECT_EQ(RoundToInteger(2.5, Rounding::HalfToEven), 2);
  EXPECT_EQ(RoundToInteger(3.5, Rounding::HalfToEven), 4);
  EXPECT_EQ(RoundToInteger(-2.5, Rounding::HalfToEven), -2);
  EXPECT_EQ(RoundToInteger(0.5, Rounding::HalfToEven), 0);
  EXPECT_EQ(RoundToInteger(2.5000001, Rounding::HalfToEven), 3);
  // 173.99750 MHz x 10000 is an exact half of the decimal value, not of the double.
  EXPECT_EQ(RoundScaled(173.99745, 4, Rounding::HalfToEven), 1739974);
  EXPECT_EQ(RoundScaled(173.99755, 4, Rounding::HalfToEven), 1739976);
  EXPECT_EQ(RoundScaled(145.000005, 5), 14500001);
  EXPECT_EQ(RoundToInteger(1e300), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(RoundToInteger(-1e300), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(RoundToInteger(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_DOUBLE_EQ(RoundToDecimals(0.1 + 0.2, 5), 0.3);
}

TEST(NumberTextTest, PlainFormIsShortestWithoutExponent) {
  EXPECT_EQ(FormatPlainNumber(136), "136");
  EXPECT_EQ(FormatPlainNumber(173.9975), "173.9975");
  EXPECT_EQ(FormatPlainNumber(45.995), "45.995");
  EXPECT_EQ(FormatPlainNumber(0.5), "0.5");
  EXPECT_EQ(FormatPlainNumber(-2), "-2");
  EXPECT_EQ(FormatPlainNumber(0), "0");
  EXPECT_EQ(FormatPlainNumber(0.00001), "0.00001");
  EXPECT_EQ(FormatPlainNumber(1e20), "100000000000000000000");
  EXPECT_EQ(FormatPlainNumber(0.1 + 0.2), "0.3");
}

// Switches the C and C++ global locales to one with a decimal comma, and back.
class CommaLocaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mOldC = std::setlocale(LC_ALL, nullptr);
    mOldCpp = std::locale();
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE", "fr_FR"}) {
      if (std::setlocale(LC_ALL, name) == nullptr) continue;
      if (std::string(std::localeconv()->decimal_point) != ",") continue;
      try {
        std::locale::global(std::locale(name));
      } catch (const std::runtime_error&) {
        continue;
      }
      mActive = true;
      return;
    }
    std::setlocale(LC_ALL, mOldC.c_str());
    GTEST_SKIP() << "no locale with a decimal comma is installed";
  }
  void TearDown() override {
    std::locale::global(mOldCpp);
    std::setlocale(LC_ALL, mOldC.c_str());
  }

  bool mActive = false;
  std::string mOldC;
  std::locale mOldCpp;
};

TEST_F(CommaLocaleTest, NumberTextsKeepThePoint) {
  ASSERT_TRUE(mActive);
  EXPECT_EQ(FormatFreqText(145.5), "145.50000");
  EXPECT_EQ(FormatPlainNumber(173.9975), "173.9975");
  EXPECT_EQ(FormatTenthsText(62.5), "62.5");
  EXPECT_DOUBLE_EQ(*ParseNumber("145.5"), 145.5);
  EXPECT_FALSE(IsNumeric("145,5"));
  EXPECT_EQ(ToStoredFreq("145.50000"), "014550000");
  EXPECT_EQ(ToDisplayFreq("014550000", FormatContext{}), "145.50000");
  EXPECT_EQ(CtcssTexts()[20], "127.3");
}

}  // namespace
}  // namespace px
