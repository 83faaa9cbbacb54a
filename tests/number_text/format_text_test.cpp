// Patterns and integer text.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

#include "controls/number_text.h"
#include "tests/number_text/case_name.h"

namespace {

using controls::FormatArg;
using controls::FormatText;
using controls::IntegerText;

// The arguments live in the table's own initializer lists, so the tables are local arrays (whose
// lists live as long as they do) walked in a loop.
struct PatternCase {
  const char* name;
  const char* pattern;
  std::initializer_list<FormatArg> args;
  const char* text;
};

void ExpectWrites(std::span<const PatternCase> cases) {
  for (const PatternCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormatText(c.pattern, c.args), c.text);
  }
}

constexpr std::int32_t I(std::int32_t value) { return value; }

TEST(FormatText, WritesThePatternsOfTheSystem) {
  const PatternCase cases[] = {
      {"ResultLabel", "%.5g", {12.3456789}, "12.346"},
      {"ResultLabelScientific", "%.5g", {123456.0}, "1.2346E005"},
      {"StarPrecision", "%.*g", {I(3), 12.3456789}, "12.3"},
      {"StarPrecisionZeroCountsAsTwo", "%.*g", {I(0), 12.3456789}, "12"},
      {"StarPrecisionOneCountsAsTwo", "%.*g", {I(1), 12.3456789}, "12"},
      {"StarPrecisionFourteenPadsExponent", "%.*g", {I(14), 1E20}, "1E020"},
      {"StarPrecisionFifteenPadsExponent", "%.*g", {I(15), 1E20}, "1E020"},
      {"StarPrecisionEighteen", "%.*g", {I(18), 0.1}, "0.100000000000000006"},
      {"NegativeStarPrecisionCountsAsFifteen", "%.*g", {I(-1), 1.0 / 3.0}, "0.333333333333333"},
      {"NegativeStarPrecisionPadsExponent", "%.*g", {I(-1), 1E20}, "1E020"},
      {"StarPrecisionNineteenCountsAsFifteen", "%.*g", {I(19), 1.0 / 3.0}, "0.333333333333333"},
      {"SettingsLine", "%.4d->%s", {I(1001), std::string_view("15.5")}, "1001->15.5"},
      {"SettingsLinePadded", "%.4d->%s", {I(7), std::string_view("abc")}, "0007->abc"},
      {"SettingsLineNegative", "%.4d->%s", {I(-5), std::string_view("")}, "-0005->"},
      {"SettingsLineTextCopiedWhole",
       "%.4d->%s",
       {I(1002), std::string_view("%.5g %s")},
       "1002->%.5g %s"},
  };
  ExpectWrites(cases);
}

TEST(FormatText, WritesDirectivesAndCopiesTheRest) {
  const PatternCase cases[] = {
      {"TextAroundDirectives", "L = %.5g ft", {1.5}, "L = 1.5 ft"},
      {"TwoDirectives", "%.2g/%.3g", {0.125, 2.675}, "0.13/2.67"},
      {"IntegerAsNumber", "%.5g", {I(42)}, "42"},
      {"WrittenPrecisionAboveEighteen", "%.19g", {1.0 / 3.0}, "0.333333333333333"},
      {"HugeWrittenPrecision", "%.99999999999g", {1.0 / 3.0}, "0.333333333333333"},
      {"IntegerNoPaddingAboveSixteen", "%.17d", {I(7)}, "7"},
      {"IntegerPaddingSixteen", "%.16d", {I(7)}, "0000000000000007"},
      {"IntegerStarPrecision", "%.*d", {I(3), I(7)}, "007"},
      {"NotADirectiveWithoutPoint", "%d %g 100%", {I(1)}, "%d %g 100%"},
      {"NotADirectiveWithoutPrecision", "%.g", {1.5}, "%.g"},
      {"NotADirectiveUnknownLetter", "%.5f", {1.5}, "%.5f"},
      {"PercentAtEnd", "50%", {}, "50%"},
      {"MissingArguments", "[%.5g|%.4d|%s]", {}, "[0|0000|]"},
      {"MismatchedArgument", "%s|%.2d", {1.5, std::string_view("x")}, "|00"},
  };
  ExpectWrites(cases);
}

struct IntegerTextCase {
  const char* name;
  std::int32_t value;
  int minDigits;
  const char* text;
};

class WrittenInteger : public testing::TestWithParam<IntegerTextCase> {};

TEST_P(WrittenInteger, Writes) {
  const IntegerTextCase& c = GetParam();
  EXPECT_EQ(IntegerText(c.value, c.minDigits), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, WrittenInteger,
    testing::Values(IntegerTextCase{"Padded", 7, 4, "0007"},
                    IntegerTextCase{"LongerThanPadding", 12345, 4, "12345"},
                    IntegerTextCase{"NegativePadded", -5, 4, "-0005"},
                    IntegerTextCase{"ZeroPadded", 0, 4, "0000"}, IntegerTextCase{"Zero", 0, 0, "0"},
                    IntegerTextCase{"MostNegative", -2147483647 - 1, 0, "-2147483648"},
                    IntegerTextCase{"MostNegativePadded", -2147483647 - 1, 12, "-002147483648"},
                    IntegerTextCase{"MostPositive", 2147483647, 0, "2147483647"},
                    IntegerTextCase{"SixteenDigits", -7, 16, "-0000000000000007"},
                    IntegerTextCase{"NoPaddingAboveSixteen", 7, 17, "7"},
                    IntegerTextCase{"NegativeMinDigits", 7, -3, "7"}),
    number_text_test::CaseName<IntegerTextCase>);

TEST(IntegerTextDefault, HasNoPadding) { EXPECT_EQ(IntegerText(-42), "-42"); }

}  // namespace
