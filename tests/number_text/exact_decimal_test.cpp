// The 18-digit decimal intermediate against the standard library's exact conversion, the table of
// powers of ten and the decimal-exponent estimate against big-integer arithmetic.
#include "controls/exact_decimal.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "controls/big_integer.h"
#include "controls/decimal_powers.h"
#include "controls/wide_multiply.h"

namespace controls {
namespace {

// std::to_chars(scientific, 17) rounds the exact value to 18 digits, ties to even.
Decimal18 Reference(double value) {
  char text[40];
  const auto result = std::to_chars(text, text + sizeof text, value,
                                    std::chars_format::scientific, 17);
  std::string digits(1, text[0]);
  digits.append(text + 2, 17);
  int exponent = 0;
  const char* sign = text + 20;  // after "d.<17 digits>e"
  std::from_chars(sign + 1, result.ptr, exponent);
  if (*sign == '-') {
    exponent = -exponent;
  }
  return {std::stoull(digits), exponent - 17};
}

std::vector<double> Cases() {
  std::vector<double> values = {
      std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min(),
      std::numeric_limits<double>::max(), 1.0, 0.1, 2.675, 826.5302755559145,
      // Exactly halfway at the 18th digit: ties go to the even digit.
      1000000000000000.125, 1000000000000000.375, 0.5, 1.5, 9007199254740993.0 / 8,
      // Just below a power of ten, where the rounding carries into the exponent.
      999999999999999999.0, 9.999999999999999e22, 1e23};
  for (int e = -1074; e <= 1023; ++e) {
    const double power = std::ldexp(1.0, e);
    values.push_back(power);
    values.push_back(std::nextafter(power, 0.0));
    values.push_back(std::nextafter(power, INFINITY));
  }
  for (int e = -323; e <= 308; ++e) {
    const std::string text = "1e" + std::to_string(e);
    double power = 0;
    std::from_chars(text.data(), text.data() + text.size(), power);
    values.push_back(power);
    values.push_back(std::nextafter(power, 0.0));
    values.push_back(std::nextafter(power, INFINITY));
  }
  // Values with a tie at the 18th digit: mantissa / 2^(k+1) with mantissa * 5^k just above
  // 2 * 10^17, for every k whose power is small enough.
  for (std::uint64_t five = 5, k = 1; five < 200000000000000000ULL; five *= 5, ++k) {
    const std::uint64_t first = (200000000000000000ULL + five - 1) / five;
    for (std::uint64_t odd = first | 1, n = 0; n < 20 && odd < (1ULL << 53); odd += 2, ++n) {
      values.push_back(std::ldexp(static_cast<double>(odd), -static_cast<int>(k) - 1));
    }
  }
  std::erase_if(values, [](double value) { return !(value > 0) || std::isinf(value); });
  std::mt19937_64 random(7);
  while (values.size() < 400000) {
    const double value = std::bit_cast<double>(random() >> 1);  // positive
    if (std::isfinite(value) && value > 0) {
      values.push_back(value);
    }
  }
  return values;
}

TEST(ExactDecimal18, MatchesTheStandardLibrarysExactConversion) {
  int mismatches = 0;
  for (const double value : Cases()) {
    const Decimal18 expected = Reference(value);
    const Decimal18 fast = ExactDecimal18(value);
    if (fast.significand != expected.significand || fast.exponent != expected.exponent) {
      ADD_FAILURE() << "value " << value << " (" << std::bit_cast<std::uint64_t>(value)
                    << "): got " << fast.significand << "e" << fast.exponent << ", expected "
                    << expected.significand << "e" << expected.exponent;
      if (++mismatches == 10) {
        return;
      }
    }
  }
}

TEST(ExactDecimal18, BigIntegerRoundingAgreesEverywhere) {
  const std::vector<double> values = Cases();
  int mismatches = 0;
  for (std::size_t i = 0; i < values.size(); i += 7) {
    const Decimal18 expected = Reference(values[i]);
    const Decimal18 slow = ExactDecimal18ByBigIntegers(values[i]);
    if (slow.significand != expected.significand || slow.exponent != expected.exponent) {
      ADD_FAILURE() << "value " << values[i] << ": got " << slow.significand << "e"
                    << slow.exponent << ", expected " << expected.significand << "e"
                    << expected.exponent;
      if (++mismatches == 10) {
        return;
      }
    }
  }
}

// a * 2^binary * 10^decimal with the negative exponents moved to the other side of a comparison.
struct Scaled {
  BigInteger left;
  BigInteger right;
};

Scaled Sides(const BigInteger& a, int binary, int decimal) {
  Scaled sides{a, BigInteger(1)};
  if (binary >= 0) {
    sides.left.MultiplyByPowerOf2(binary);
  } else {
    sides.right.MultiplyByPowerOf2(-binary);
  }
  if (decimal >= 0) {
    sides.left.MultiplyByPowerOf10(decimal);
  } else {
    sides.right.MultiplyByPowerOf10(-decimal);
  }
  return sides;
}

TEST(DecimalPowers, EachIsTheTruncatedPowerOfTen) {
  for (int k = kMinDecimalPower; k <= kMaxDecimalPower; ++k) {
    SCOPED_TRACE("10^" + std::to_string(k));
    const DecimalPower& power = kDecimalPowers[k - kMinDecimalPower];
    ASSERT_GE(power.high, 1ULL << 63);
    BigInteger p(power.high);
    p.MultiplyByPowerOf2(64).Add(BigInteger(power.low));
    BigInteger next = p;
    next.Add(BigInteger(1));
    // P * 2^b <= 10^k < (P + 1) * 2^b, as P * 2^b * 10^-k against 1.
    const Scaled below = Sides(p, power.binaryExponent, -k);
    const Scaled above = Sides(next, power.binaryExponent, -k);
    EXPECT_LE(Compare(below.left, below.right), 0);
    EXPECT_GT(Compare(above.left, above.right), 0);
    EXPECT_EQ(Compare(below.left, below.right) == 0, k >= 0 && k <= kLastExactDecimalPower);
  }
}

TEST(DecimalPowers, Log10EstimateIsTheFloor) {
  for (int e = -1200; e <= 1200; ++e) {
    SCOPED_TRACE("2^" + std::to_string(e));
    const int d = FloorLog10OfPowerOf2(e);
    // 10^d <= 2^e < 10^(d+1), as 2^e * 10^-d against 1.
    const Scaled low = Sides(BigInteger(1), e, -d);
    const Scaled high = Sides(BigInteger(1), e, -(d + 1));
    EXPECT_GE(Compare(low.left, low.right), 0);
    EXPECT_LT(Compare(high.left, high.right), 0);
  }
}

TEST(WideMultiply, HalvesGiveTheFullProduct) {
  std::mt19937_64 random(11);
  const std::uint64_t edges[] = {0, 1, 0xFFFFFFFFULL, 0x100000000ULL, ~0ULL, 1ULL << 63};
  std::vector<std::pair<std::uint64_t, std::uint64_t>> pairs;
  for (auto a : edges) {
    for (auto b : edges) {
      pairs.emplace_back(a, b);
    }
  }
  for (int i = 0; i < 10000; ++i) {
    pairs.emplace_back(random(), random());
  }
  for (const auto& [a, b] : pairs) {
    const Product128 byHalves = MultiplyByHalves(a, b);
    // Check against big integers, which do not depend on a 128-bit type.
    BigInteger expected(a);
    expected.MultiplyBy(b);
    BigInteger got(byHalves.high);
    got.MultiplyByPowerOf2(64).Add(BigInteger(byHalves.low));
    EXPECT_EQ(Compare(got, expected), 0) << a << " * " << b;
    const Product128 native = Multiply64(a, b);
    EXPECT_EQ(native.high, byHalves.high);
    EXPECT_EQ(native.low, byHalves.low);
  }
}

}  // namespace
}  // namespace controls
