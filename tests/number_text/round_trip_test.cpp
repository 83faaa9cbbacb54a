// Properties over many doubles: the digits FormatGeneral writes are those of an exact
// conversion (apart from halves of the 18-digit intermediate, which round away from zero), the
// notation follows the rounded exponent, and every text reads back with ParseDecimal to the
// double nearest to the written digits.

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "controls/decimal_separator.h"
#include "controls/number_text.h"

namespace {

// A decimal number as sign, significant digits (no leading or trailing zeros) and the exponent E
// of 0.digits * 10^E, read from any of the texts involved ("-1.2346E005", "0.00012", "1.5e+07").
struct DecimalDigits {
  bool negative = false;
  std::string digits;
  long exponent = 0;

  bool operator==(const DecimalDigits&) const = default;
};

DecimalDigits ReadDigits(std::string_view text) {
  DecimalDigits number;
  std::size_t pos = 0;
  if (pos < text.size() && text[pos] == '-') {
    number.negative = true;
    ++pos;
  }
  long integerDigits = 0;
  bool inFraction = false;
  for (; pos < text.size() && text[pos] != 'e' && text[pos] != 'E'; ++pos) {
    if (text[pos] == '.') {
      inFraction = true;
      continue;
    }
    if (number.digits.empty() && text[pos] == '0') {
      if (inFraction) {
        --integerDigits;  // a leading zero of the fraction
      }
      continue;
    }
    number.digits += text[pos];
    if (!inFraction) {
      ++integerDigits;
    }
  }
  long exponent = 0;
  if (pos < text.size()) {
    exponent = std::strtol(std::string(text.substr(pos + 1)).c_str(), nullptr, 10);
  }
  while (!number.digits.empty() && number.digits.back() == '0') {
    number.digits.pop_back();
  }
  number.exponent = integerDigits + exponent;
  return number;
}

std::string Printed(const char* format, int precision, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, precision, value);
  return text;
}

// The 18-digit intermediate of |value|, from the C library's exact conversion.
std::string IntermediateDigits(double value) {
  const std::string text = Printed("%.*e", 17, std::fabs(value));
  return text.substr(0, 1) + text.substr(2, 17);
}

// Halves of the intermediate round away from zero, where an exact rounding (the C library's)
// rounds to even or judges the exact value; only then may the two differ.
bool IntermediateIsHalfway(const std::string& intermediate, int precision) {
  if (precision >= 18 || intermediate[static_cast<std::size_t>(precision)] != '5') {
    return false;
  }
  return intermediate.find_first_not_of('0', static_cast<std::size_t>(precision) + 1) ==
         std::string::npos;
}

struct Format {
  int precision;
  int exponentDigits;
};

constexpr Format kFormats[] = {{2, 3}, {5, 3}, {10, 0}, {15, 0}, {15, 3}, {17, 4}, {18, 3}};
constexpr int kLowestFixedExponent = -3;

// An empty text when `value` passes every check at `format`, else what went wrong.
std::string CheckFormatted(double value, Format format) {
  const std::string text = controls::FormatGeneral(value, format.precision, format.exponentDigits);
  const std::string where = "value " + Printed("%.*e", 17, value) + " precision " +
                            std::to_string(format.precision) + " text \"" + text + "\": ";

  const DecimalDigits written = ReadDigits(text);
  if (written.negative != (value < 0)) {
    return where + "wrong sign";
  }
  if (!IntermediateIsHalfway(IntermediateDigits(value), format.precision)) {
    DecimalDigits exact = ReadDigits(Printed("%.*e", format.precision - 1, value));
    if (written != exact) {
      return where + "digits differ from the exact rounding " +
             Printed("%.*e", format.precision - 1, value);
    }
  }
  const bool fixed = text.find('E') == std::string::npos;
  const bool fixedRange =
      written.exponent >= kLowestFixedExponent && written.exponent <= format.precision;
  if (fixed != fixedRange) {
    return where + "wrong notation";
  }

  const std::optional<double> read = controls::ParseDecimal(text);
  const double nearest = std::strtod(text.c_str(), nullptr);
  if (!read) {
    return where + "does not read back";
  }
  if (std::bit_cast<std::uint64_t>(*read) != std::bit_cast<std::uint64_t>(nearest)) {
    return where + "reads back as " + Printed("%.*e", 17, *read) + ", nearest is " +
           Printed("%.*e", 17, nearest);
  }
  return {};
}

constexpr std::uint64_t kSeed = 20240611;
constexpr int kRandomBitPatterns = 20000;
constexpr int kRandomSubnormals = 2000;
constexpr int kNeighbours = 2;  // doubles on either side of each switch point
constexpr std::uint64_t kSignBit = 0x8000000000000000u;
constexpr std::uint64_t kMantissaMask = 0x000FFFFFFFFFFFFFu;

double FromText(const std::string& text) {
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

void AddWithNeighbours(std::vector<double>& values, double center) {
  double below = center;
  double above = center;
  values.push_back(center);
  for (int i = 0; i < kNeighbours; ++i) {
    below = std::nextafter(below, -std::numeric_limits<double>::infinity());
    above = std::nextafter(above, std::numeric_limits<double>::infinity());
    values.push_back(below);
    values.push_back(above);
  }
}

// Doubles over the whole range: random bit patterns, random subnormals, every power of ten, and
// the points where rounding to each precision carries into the next decade (9.99...95 * 10^k),
// which is also where the notation switches.
std::vector<double> SampleValues() {
  std::vector<double> values;
  std::mt19937_64 random(kSeed);
  while (values.size() < static_cast<std::size_t>(kRandomBitPatterns)) {
    const double value = std::bit_cast<double>(random());
    if (std::isfinite(value)) {
      values.push_back(value);
    }
  }
  for (int i = 0; i < kRandomSubnormals; ++i) {
    const std::uint64_t bits = random() & (kSignBit | kMantissaMask);
    values.push_back(std::bit_cast<double>(bits));
  }
  for (int power = -324; power <= 308; ++power) {
    AddWithNeighbours(values, FromText("1e" + std::to_string(power)));
  }
  for (int precision = 2; precision <= 18; ++precision) {
    for (int power = -6; power <= 20; ++power) {
      const std::string carryPoint = "9." +
                                     std::string(static_cast<std::size_t>(precision - 1), '9') +
                                     "5e" + std::to_string(power);
      AddWithNeighbours(values, FromText(carryPoint));
      AddWithNeighbours(values, -FromText(carryPoint));
    }
  }
  AddWithNeighbours(values, std::numeric_limits<double>::max());
  AddWithNeighbours(values, std::numeric_limits<double>::min());
  return values;
}

class FormattedTexts : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = controls::DecimalSeparator();
    controls::SetDecimalSeparator('.');
  }
  void TearDown() override { controls::SetDecimalSeparator(saved_); }

 private:
  char saved_ = '.';
};

TEST_F(FormattedTexts, AreExactAndReadBackToTheNearestDouble) {
  constexpr std::size_t kReportedFailures = 10;
  std::vector<std::string> failures;
  for (const double value : SampleValues()) {
    for (const Format format : kFormats) {
      if (value == 0 || std::isinf(value)) {
        continue;
      }
      std::string failure = CheckFormatted(value, format);
      if (!failure.empty() && failures.size() < kReportedFailures) {
        failures.push_back(std::move(failure));
      }
    }
  }
  for (const std::string& failure : failures) {
    ADD_FAILURE() << failure;
  }
}

// The oracle itself: the C library rounds exactly and reads the texts as ParseDecimal should.
TEST(RoundTripOracle, IsExact) {
  EXPECT_EQ(IntermediateDigits(0.1), "100000000000000006");
  EXPECT_EQ(IntermediateDigits(1000000000000000.125), "100000000000000012");
  EXPECT_EQ(std::strtod("9007199254740993", nullptr), 9007199254740992.0);
  EXPECT_EQ(ReadDigits("-0.00012345"), (DecimalDigits{true, "12345", -3}));
  EXPECT_EQ(ReadDigits("1.2346E005"), (DecimalDigits{false, "12346", 6}));
  EXPECT_EQ(ReadDigits("1.500000e-05"), (DecimalDigits{false, "15", -4}));
  EXPECT_EQ(ReadDigits("12000"), (DecimalDigits{false, "12", 5}));
}

}  // namespace
