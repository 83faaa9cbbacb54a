// ReadInteger reading: decimal and hexadecimal forms, the 32-bit limits, and the fallback.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "controls/number_text.h"
#include "tests/number_text/case_name.h"

namespace {

using controls::IntegerOrDefault;
using controls::ParseInteger;

constexpr std::int32_t kMostNegative = -2147483647 - 1;

struct IntegerCase {
  const char* name;
  const char* text;
  std::optional<std::int32_t> value;  // none: the text does not read
};

class ReadInteger : public testing::TestWithParam<IntegerCase> {};

TEST_P(ReadInteger, Reads) {
  const IntegerCase& c = GetParam();
  EXPECT_EQ(ParseInteger(c.text), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, ReadInteger,
    testing::Values(IntegerCase{"LeadingZeros", "0012", 12},
                    IntegerCase{"NegativeLeadingZeros", "-001", -1},
                    IntegerCase{"LeadingSpace", " 7", 7}, IntegerCase{"PlusSign", "+5", 5},
                    IntegerCase{"Zero", "0", 0}, IntegerCase{"NegativeZero", "-0", 0},
                    IntegerCase{"MostPositive", "2147483647", 2147483647},
                    IntegerCase{"MostNegative", "-2147483648", kMostNegative},
                    IntegerCase{"ManyLeadingZeros", "000000000000000000002147483647", 2147483647},
                    IntegerCase{"AboveMostPositive", "2147483648", std::nullopt},
                    IntegerCase{"BelowMostNegative", "-2147483649", std::nullopt},
                    IntegerCase{"FarAboveRange", "99999999999999999999", std::nullopt},
                    IntegerCase{"FourGigaDoesNotWrap", "4294967297", std::nullopt}),
    number_text_test::CaseName<IntegerCase>);

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, ReadInteger,
    testing::Values(IntegerCase{"Dollar", "$3E8", 1000}, IntegerCase{"ZeroX", "0x1A", 26},
                    IntegerCase{"ZeroCapitalX", "0X1f", 31}, IntegerCase{"CapitalX", "X1a", 26},
                    IntegerCase{"X", "x10", 16}, IntegerCase{"NegativeDollar", "-$10", -16},
                    IntegerCase{"NegativeZeroX", "-0x10", -16},
                    IntegerCase{"SpacesAndPlus", "  +$ff", 255},
                    IntegerCase{"AllBitsAreMinusOne", "$FFFFFFFF", -1},
                    IntegerCase{"TopBitIsMostNegative", "$80000000", kMostNegative},
                    IntegerCase{"NegatedTopBitWraps", "-$80000000", kMostNegative},
                    IntegerCase{"NegatedAllBits", "-$FFFFFFFF", 1},
                    IntegerCase{"LeadingZerosAreFree", "$00000000F", 15},
                    IntegerCase{"NinthSignificantDigit", "$100000000", std::nullopt},
                    IntegerCase{"NinthDigitAfterZeros", "0x000123456789", std::nullopt}),
    number_text_test::CaseName<IntegerCase>);

INSTANTIATE_TEST_SUITE_P(Refused, ReadInteger,
                         testing::Values(IntegerCase{"TrailingSpace", "7 ", std::nullopt},
                                         IntegerCase{"Empty", "", std::nullopt},
                                         IntegerCase{"DollarAlone", "$", std::nullopt},
                                         IntegerCase{"ZeroXAlone", "0x", std::nullopt},
                                         IntegerCase{"MinusAlone", "-", std::nullopt},
                                         IntegerCase{"SpacesOnly", "  ", std::nullopt},
                                         IntegerCase{"ExponentLetter", "1e3", std::nullopt},
                                         IntegerCase{"DecimalPoint", "12.0", std::nullopt},
                                         IntegerCase{"TwoSigns", "+-5", std::nullopt},
                                         IntegerCase{"Tab", "\t5", std::nullopt},
                                         IntegerCase{"NotAHexDigit", "0x1G", std::nullopt},
                                         IntegerCase{"SpaceAfterPrefix", "$ 1", std::nullopt},
                                         IntegerCase{"PrefixAfterZero", "0$1", std::nullopt},
                                         IntegerCase{"HexDigitsWithoutPrefix", "1A", std::nullopt},
                                         IntegerCase{"TwoPrefixes", "0x$1", std::nullopt}),
                         number_text_test::CaseName<IntegerCase>);

TEST(IntegerOrDefault, GivesTheValueOrTheFallback) {
  EXPECT_EQ(IntegerOrDefault("0012", -1), 12);
  EXPECT_EQ(IntegerOrDefault("7 ", -1), -1);
  EXPECT_EQ(IntegerOrDefault("", 0), 0);
  EXPECT_EQ(IntegerOrDefault("2147483648", 99), 99);
  EXPECT_EQ(IntegerOrDefault("$FFFFFFFF", 99), -1);
}

}  // namespace
