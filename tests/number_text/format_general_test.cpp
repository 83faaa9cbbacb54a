// The general number format: notation switches, the two-step rounding, special values, the
// precision and exponent-digit limits, and the decimal separator.

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "controls/decimal_separator.h"
#include "controls/number_text.h"
#include "tests/number_text/case_name.h"

namespace {

using controls::FloatText;
using controls::FormatGeneral;

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The result label (precision 5, three exponent digits) and FloatText (15, no padding).
struct LabelAndFloatTextCase {
  const char* name;
  double value;
  const char* label;
  const char* floatText;
};

class LabelAndFloatText : public testing::TestWithParam<LabelAndFloatTextCase> {};

TEST_P(LabelAndFloatText, Writes) {
  const LabelAndFloatTextCase& c = GetParam();
  EXPECT_EQ(FormatGeneral(c.value, 5, 3), c.label);
  EXPECT_EQ(FloatText(c.value), c.floatText);
}

INSTANTIATE_TEST_SUITE_P(
    Values, LabelAndFloatText,
    testing::Values(
        LabelAndFloatTextCase{"Fraction", 12.3456789, "12.346", "12.3456789"},
        LabelAndFloatTextCase{"SmallestFixed", 0.0001, "0.0001", "0.0001"},
        LabelAndFloatTextCase{"SmallScientific", 0.00001234, "1.234E-005", "1.234E-5"},
        LabelAndFloatTextCase{"JustBelowSmallestFixed", 0.000099999, "9.9999E-005", "9.9999E-5"},
        LabelAndFloatTextCase{"BelowFixedLimit", 99999.4, "99999", "99999.4"},
        LabelAndFloatTextCase{"RoundsUpToFixedLimit", 99999.5, "1E005", "99999.5"},
        LabelAndFloatTextCase{"FiveDigitInteger", 12345, "12345", "12345"},
        LabelAndFloatTextCase{"SixDigitInteger", 123456, "1.2346E005", "123456"},
        LabelAndFloatTextCase{"Negative", -1234.5678, "-1234.6", "-1234.5678"},
        LabelAndFloatTextCase{"TenToFourteen", 1E14, "1E014", "100000000000000"},
        LabelAndFloatTextCase{"RoundsUpToTenToFifteen", 999999999999999.6, "1E015", "1E15"},
        LabelAndFloatTextCase{"TenToTwenty", 1E20, "1E020", "1E20"},
        LabelAndFloatTextCase{"Zero", 0.0, "0", "0"},
        LabelAndFloatTextCase{"NegativeZero", -0.0, "0", "0"},
        LabelAndFloatTextCase{"NegativeHalf", -0.5, "-0.5", "-0.5"},
        LabelAndFloatTextCase{"OneThird", 1.0 / 3.0, "0.33333", "0.333333333333333"},
        LabelAndFloatTextCase{"TwoThirds", 2.0 / 3.0, "0.66667", "0.666666666666667"},
        LabelAndFloatTextCase{"PointOnePlusPointTwo", 0.1 + 0.2, "0.3", "0.3"},
        LabelAndFloatTextCase{"LargestDouble", std::numeric_limits<double>::max(), "1.7977E308",
                              "1.79769313486232E308"},
        LabelAndFloatTextCase{"SmallestSubnormal", std::numeric_limits<double>::denorm_min(),
                              "4.9407E-324", "4.94065645841247E-324"},
        LabelAndFloatTextCase{"SmallestNormal", std::numeric_limits<double>::min(), "2.2251E-308",
                              "2.2250738585072E-308"},
        LabelAndFloatTextCase{"Infinity", kInfinity, "INF", "INF"},
        LabelAndFloatTextCase{"NegativeInfinity", -kInfinity, "-INF", "-INF"},
        LabelAndFloatTextCase{"NaN", kNaN, "NAN", "NAN"},
        LabelAndFloatTextCase{"NegativeNaN", -kNaN, "NAN", "NAN"}),
    number_text_test::CaseName<LabelAndFloatTextCase>);

// Any precision and exponent-digit count.
struct GeneralCase {
  const char* name;
  double value;
  int precision;
  int exponentDigits;
  const char* text;
};

class GeneralFormat : public testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralFormat, Writes) {
  const GeneralCase& c = GetParam();
  EXPECT_EQ(FormatGeneral(c.value, c.precision, c.exponentDigits), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Rounding, GeneralFormat,
    testing::Values(
        // Halves of the intermediate round away from zero.
        GeneralCase{"EighthUp", 0.125, 2, 3, "0.13"},
        GeneralCase{"NegativeEighthAwayFromZero", -0.125, 2, 3, "-0.13"},
        GeneralCase{"TwelveAndAHalf", 12.5, 2, 3, "13"},
        // The doubles lie below the halves, and so do their intermediates.
        GeneralCase{"BelowHalfStaysDown", 2.675, 3, 3, "2.67"},
        GeneralCase{"BelowHalfStaysDownSmall", 0.285, 2, 3, "0.28"},
        // Below the half too, but the intermediate is 826530275555914500: judged on it.
        GeneralCase{"IntermediateHalfRoundsUp", 826.5302755559145, 15, 0, "826.530275555915"},
        GeneralCase{"CarryIntoNewDecade", 9.995, 2, 3, "10"},
        GeneralCase{"CarryPastPrecisionGoesScientific", 100, 2, 3, "1E002"},
        // 0.000099999999 rounds to 0.0001, whose exponent allows fixed notation.
        GeneralCase{"RoundsUpIntoFixedRange", 0.000099999999, 5, 3, "0.0001"},
        GeneralCase{"CarryKeepsSign", -99999.5, 5, 3, "-1E005"}),
    number_text_test::CaseName<GeneralCase>);

INSTANTIATE_TEST_SUITE_P(
    Intermediate, GeneralFormat,
    testing::Values(
        // The 18 digits come from the exact binary value: 0.1 is 0.1000000000000000055511...
        GeneralCase{"EighteenDigitsOfPointOne", 0.1, 18, 0, "0.100000000000000006"},
        GeneralCase{"SeventeenDigitsOfPointOne", 0.1, 17, 0, "0.10000000000000001"},
        // 1000000000000000.125 is exact: its nineteenth digit is a tie, resolved to even.
        GeneralCase{"ExactTieToEven", 1000000000000000.125, 18, 0, "1000000000000000.12"},
        GeneralCase{"ExactTieUpToEven", 1000000000000000.375, 18, 0, "1000000000000000.38"},
        GeneralCase{"LargestDoubleInFull", std::numeric_limits<double>::max(), 18, 0,
                    "1.79769313486231571E308"},
        GeneralCase{"LargestSubnormal", 2.2250738585072009E-308, 18, 3,
                    "2.22507385850720089E-308"}),
    number_text_test::CaseName<GeneralCase>);

INSTANTIATE_TEST_SUITE_P(
    Limits, GeneralFormat,
    testing::Values(GeneralCase{"PrecisionZeroCountsAsTwo", 12.3456789, 0, 3, "12"},
                    GeneralCase{"PrecisionOneCountsAsTwo", 12.3456789, 1, 3, "12"},
                    GeneralCase{"NegativePrecisionCountsAsTwo", 12.3456789, -7, 3, "12"},
                    GeneralCase{"PrecisionAboveEighteenCountsAsEighteen", 0.1, 19, 3,
                                "0.100000000000000006"},
                    GeneralCase{"FixedUpToPrecisionEighteen", 1E17, 18, 3, "100000000000000000"},
                    GeneralCase{"ScientificFromTenToPrecision", 1E18, 18, 3, "1E018"},
                    GeneralCase{"FourExponentDigits", 1E20, 5, 4, "1E0020"},
                    GeneralCase{"NegativeFourExponentDigits", 1.5E-5, 5, 4, "1.5E-0005"},
                    GeneralCase{"FiveExponentDigitsCountAsNone", 1E20, 5, 5, "1E20"},
                    GeneralCase{"NegativeExponentDigitsCountAsNone", 1E20, 5, -1, "1E20"},
                    GeneralCase{"ExponentLongerThanPadding", 1E-300, 5, 2, "1E-300"},
                    GeneralCase{"ExponentZero", 1.5E5, 5, 3, "1.5E005"},
                    GeneralCase{"ScientificOfOneDecade", 123456, 5, 0, "1.2346E5"},
                    GeneralCase{"ZerosBeyondLastDigit", 1.2E4, 5, 3, "12000"},
                    GeneralCase{"FixedNoFraction", 99999, 5, 3, "99999"},
                    GeneralCase{"FixedLeadingZeros", 0.00012345, 5, 3, "0.00012345"},
                    GeneralCase{"FixedBelowOne", 0.5, 5, 3, "0.5"}),
    number_text_test::CaseName<GeneralCase>);

// The separator is read at every call; fixtures restore it.
class Separator : public testing::Test {
 protected:
  void SetUp() override { saved_ = controls::DecimalSeparator(); }
  void TearDown() override { controls::SetDecimalSeparator(saved_); }

 private:
  char saved_ = '.';
};

TEST_F(Separator, IsWrittenBetweenIntegerAndFractionDigits) {
  controls::SetDecimalSeparator(',');
  EXPECT_EQ(FormatGeneral(12.3456789, 5, 3), "12,346");
  EXPECT_EQ(FormatGeneral(0.00012345, 5, 3), "0,00012345");
  EXPECT_EQ(FormatGeneral(123456, 5, 3), "1,2346E005");
  EXPECT_EQ(FloatText(-0.5), "-0,5");
  EXPECT_EQ(controls::FormatText("%.5g", {0.25}), "0,25");
  // Whole numbers get none.
  EXPECT_EQ(FormatGeneral(12345, 5, 3), "12345");
  EXPECT_EQ(FormatGeneral(1E20, 5, 3), "1E020");

  controls::SetDecimalSeparator('.');
  EXPECT_EQ(FormatGeneral(12.3456789, 5, 3), "12.346");
}

TEST_F(Separator, IsNotConsultedWhenReading) {
  controls::SetDecimalSeparator(',');
  EXPECT_EQ(controls::ParseDecimal("12.5"), 12.5);
  EXPECT_FALSE(controls::ParseDecimal("12,5").has_value());
}

}  // namespace
