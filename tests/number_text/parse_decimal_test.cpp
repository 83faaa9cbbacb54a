// ReadDecimal reading: the reading rule, correct rounding, and texts beyond the double range.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "controls/number_text.h"
#include "tests/number_text/case_name.h"

namespace {

using controls::ParseDecimal;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct DecimalCase {
  const char* name;
  std::string text;
  std::optional<double> value;  // none: the text does not read
};

class ReadDecimal : public testing::TestWithParam<DecimalCase> {};

TEST_P(ReadDecimal, Reads) {
  const DecimalCase& c = GetParam();
  const std::optional<double> read = ParseDecimal(c.text);
  ASSERT_EQ(read.has_value(), c.value.has_value());
  if (read) {
    EXPECT_EQ(*read, *c.value);
    EXPECT_EQ(std::signbit(*read), std::signbit(*c.value)) << "sign of " << *read;
  }
}

std::string Repeated(char c, std::size_t count) { return std::string(count, c); }

INSTANTIATE_TEST_SUITE_P(
    Accepted, ReadDecimal,
    testing::Values(
        DecimalCase{"LeadingSpace", " 5", 5}, DecimalCase{"LeadingSpaces", "   -12.5", -12.5},
        DecimalCase{"NoIntegerDigits", ".5", 0.5}, DecimalCase{"NoFractionDigits", "5.", 5},
        DecimalCase{"Exponent", "1e5", 100000},
        DecimalCase{"CapitalExponentWithSignAndZeros", "1E+05", 100000},
        DecimalCase{"NegativeExponent", "1.5e-3", 0.0015},
        DecimalCase{"SignPointExponent", "-.5e1", -5}, DecimalCase{"PlusSign", "+5", 5},
        DecimalCase{"PointBeforeExponent", "5.e3", 5000},
        DecimalCase{"FormatterExponent", "1.2346E005", 123460},
        DecimalCase{"FormatterNegativeExponent", "1.234E-005", 1.234E-5},
        DecimalCase{"NegativeZero", "-0", -0.0}, DecimalCase{"LeadingZeros", "007.50", 7.5}),
    number_text_test::CaseName<DecimalCase>);

// A mantissa without digits counts as zero.
INSTANTIATE_TEST_SUITE_P(EmptyMantissa, ReadDecimal,
                         testing::Values(DecimalCase{"LonePoint", ".", 0},
                                         DecimalCase{"ExponentOnly", "e5", 0},
                                         DecimalCase{"PointAndExponent", ".e5", 0},
                                         DecimalCase{"SignAndPoint", "-.", -0.0},
                                         DecimalCase{"SignAndExponent", "-E-7", -0.0},
                                         DecimalCase{"PlusAndPoint", "+.", 0}),
                         number_text_test::CaseName<DecimalCase>);

INSTANTIATE_TEST_SUITE_P(
    Refused, ReadDecimal,
    testing::Values(
        DecimalCase{"TrailingSpace", "5 ", std::nullopt}, DecimalCase{"Empty", "", std::nullopt},
        DecimalCase{"PlusAlone", "+", std::nullopt}, DecimalCase{"MinusAlone", "-", std::nullopt},
        DecimalCase{"SpacesOnly", "   ", std::nullopt},
        DecimalCase{"SpacesAndSign", "  -", std::nullopt},
        DecimalCase{"TrailingLetter", "12a", std::nullopt},
        DecimalCase{"ExponentWithoutDigits", "1e", std::nullopt},
        DecimalCase{"ExponentSignWithoutDigits", "1e+", std::nullopt},
        DecimalCase{"PointExponentWithoutDigits", ".e", std::nullopt},
        DecimalCase{"Comma", "1,5", std::nullopt}, DecimalCase{"TwoSigns", "+-5", std::nullopt},
        DecimalCase{"TwoMinusSigns", "--5", std::nullopt},
        DecimalCase{"SpaceAfterSign", "- 5", std::nullopt}, DecimalCase{"Tab", "\t5", std::nullopt},
        DecimalCase{"SecondPoint", "1.2.3", std::nullopt},
        DecimalCase{"SecondExponent", "1e5e5", std::nullopt},
        DecimalCase{"FractionalExponent", "1e5.5", std::nullopt},
        DecimalCase{"Infinity", "INF", std::nullopt},
        DecimalCase{"NegativeInfinity", "-INF", std::nullopt},
        DecimalCase{"NaN", "NAN", std::nullopt},
        DecimalCase{"LowerCaseInfinity", "inf", std::nullopt},
        DecimalCase{"HexadecimalFloat", "0x1p3", std::nullopt},
        DecimalCase{"EmbeddedZeroByte", std::string("5\0", 2), std::nullopt}),
    number_text_test::CaseName<DecimalCase>);

// The nearest double, also for long digit strings and at the ends of the range.
INSTANTIATE_TEST_SUITE_P(
    Rounding, ReadDecimal,
    testing::Values(
        DecimalCase{"LargestDouble", "1.7976931348623157E308", std::numeric_limits<double>::max()},
        DecimalCase{"BelowOverflowHalf", "1.7976931348623158e308",
                    std::numeric_limits<double>::max()},
        DecimalCase{"SmallestSubnormal", "4.9406564584124654E-324",
                    std::numeric_limits<double>::denorm_min()},
        DecimalCase{"AboveHalfSmallestSubnormal", "2.4703282292062328e-324",
                    std::numeric_limits<double>::denorm_min()},
        DecimalCase{"SmallestNormal", "2.2250738585072014e-308",
                    std::numeric_limits<double>::min()},
        // 2^53 + 1 is a tie between two doubles, resolved to even; any excess breaks the tie.
        DecimalCase{"TieToEven", "9007199254740993", 9007199254740992.0},
        DecimalCase{"JustAboveTie", "9007199254740993.00000000000000000000001", 9007199254740994.0},
        DecimalCase{"ManyLeadingZeros", "0." + Repeated('0', 399) + "1e400", 1},
        DecimalCase{"LongMantissa", "1" + Repeated('0', 300), 1E300},
        DecimalCase{"PointOne", "0.1", 0.1}),
    number_text_test::CaseName<DecimalCase>);

// Texts beyond the double range read: too large gives an infinity of the text's sign, too small
// (below half the smallest subnormal) a zero of the text's sign, and a zero mantissa zero, whatever
// the exponent.
INSTANTIATE_TEST_SUITE_P(
    BeyondRange, ReadDecimal,
    testing::Values(DecimalCase{"TooLarge", "1e400", kInfinity},
                    DecimalCase{"TooLargeNegative", "-1e400", -kInfinity},
                    DecimalCase{"JustAboveOverflowHalf", "1.7976931348623159e308", kInfinity},
                    DecimalCase{"TooSmall", "1e-400", 0},
                    DecimalCase{"TooSmallNegative", "-1e-400", -0.0},
                    DecimalCase{"BelowHalfSmallestSubnormal", "2.4703282292062327e-324", 0},
                    DecimalCase{"ZeroMantissaHugeExponent", "0e99999999999", 0},
                    DecimalCase{"NegativeZeroMantissaHugeExponent", "-0.000e99999999999", -0.0},
                    DecimalCase{"HugeExponent", "1e99999999999", kInfinity},
                    DecimalCase{"HugeExponentNegative", "-1e99999999999", -kInfinity},
                    DecimalCase{"HugeNegativeExponent", "1e-99999999999", 0},
                    DecimalCase{"TooManyIntegerDigits", "1" + Repeated('0', 400), kInfinity},
                    DecimalCase{"TooManyLeadingZeros", "0." + Repeated('0', 400) + "1", 0}),
    number_text_test::CaseName<DecimalCase>);

}  // namespace
