#include "controls/exact_decimal.h"

#include <bit>
#include <cstdlib>

#include "controls/big_integer.h"
#include "controls/decimal_powers.h"
#include "controls/wide_multiply.h"

namespace controls {
namespace {

constexpr std::uint64_t kTenTo17 = 100000000000000000U;
constexpr std::uint64_t kTenTo18 = 1000000000000000000U;

// value == mantissa * 2^exponent with the mantissa's top bit set.
struct Binary {
  std::uint64_t mantissa;
  int exponent;
};

Binary Decompose(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const auto biased = static_cast<int>(bits >> 52);
  std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
  int exponent = -1074;
  if (biased != 0) {
    mantissa |= std::uint64_t{1} << 52;
    exponent = biased - 1075;
  }
  const int shift = std::countl_zero(mantissa);
  return {mantissa << shift, exponent - shift};
}

// A 192-bit number, least significant word first.
struct Wide192 {
  std::uint64_t words[3];

  // Bits [position, position + 64) as a number.
  std::uint64_t BitsFrom(int position) const {
    const int word = position / 64;
    const int offset = position % 64;
    std::uint64_t bits = words[word] >> offset;
    if (offset != 0 && word + 1 < 3) {
      bits |= words[word + 1] << (64 - offset);
    }
    return bits;
  }

  // True when any of the bits below `count` is set (count <= 128).
  bool AnyBitBelow(int count) const {
    if (count <= 64) {
      return count > 0 && (words[0] & (~std::uint64_t{0} >> (64 - count))) != 0;
    }
    return words[0] != 0 || (words[1] & (~std::uint64_t{0} >> (128 - count))) != 0;
  }
};

Wide192 MultiplyByPower(std::uint64_t mantissa, const DecimalPower& power) {
  const Product128 low = Multiply64(mantissa, power.low);
  const Product128 high = Multiply64(mantissa, power.high);
  const std::uint64_t middle = low.high + high.low;
  const std::uint64_t carry = middle < low.high ? 1 : 0;
  return {{low.low, middle, high.high + carry}};
}

enum class Rounding { kDown, kUp, kTieToEven, kUndecided };

// Whether value * 10^decimalExponent, whose integer part is `integer`, rounds above it; exactly.
bool RoundsUpExactly(const Binary& binary, int decimalExponent, std::uint64_t integer) {
  // Compare 2 * value * 10^k with (2 * integer + 1), both sides scaled to integers.
  BigInteger twiceScaled(binary.mantissa);
  BigInteger midpoint(2 * integer + 1);
  twiceScaled.MultiplyBy(std::uint32_t{2});
  if (binary.exponent >= 0) {
    twiceScaled.MultiplyByPowerOf2(binary.exponent);
  } else {
    midpoint.MultiplyByPowerOf2(-binary.exponent);
  }
  if (decimalExponent >= 0) {
    twiceScaled.MultiplyByPowerOf10(decimalExponent);
  } else {
    midpoint.MultiplyByPowerOf10(-decimalExponent);
  }
  const int order = Compare(twiceScaled, midpoint);
  return order > 0 || (order == 0 && integer % 2 != 0);
}

Decimal18 Convert(double value, bool alwaysBigIntegers) {
  const Binary binary = Decompose(value);
  // value lies in [2^(e+63), 2^(e+64)), so value * 10^k lies in [10^17, 10^19).
  int k = 17 - FloorLog10OfPowerOf2(binary.exponent + 63);
  for (;;) {
    const DecimalPower& power = kDecimalPowers[k - kMinDecimalPower];
    const Wide192 product = MultiplyByPower(binary.mantissa, power);
    // value * 10^k ~= product / 2^shift, with shift in [127, 136].
    const int shift = -(binary.exponent + power.binaryExponent);
    const std::uint64_t integer = product.BitsFrom(shift);
    if (integer >= kTenTo18) {
      --k;
      continue;
    }
    const std::uint64_t fraction = product.BitsFrom(shift - 64);  // the first 64 fraction bits
    const bool more = product.AnyBitBelow(shift - 64);
    constexpr std::uint64_t kHalf = std::uint64_t{1} << 63;

    Rounding rounding = Rounding::kUndecided;
    if (k >= 0 && k <= kLastExactDecimalPower) {
      // The power and so the product are exact.
      rounding = fraction > kHalf || (fraction == kHalf && more) ? Rounding::kUp
                 : fraction == kHalf                             ? Rounding::kTieToEven
                                                                 : Rounding::kDown;
    } else {
      // The power is truncated: the exact product lies above this one by less than the
      // mantissa, which is less than 2^(128 - shift) <= 2 units of `fraction`. No such value
      // is exactly halfway between two integers.
      constexpr std::uint64_t kMargin = 4;
      if (fraction >= kHalf) {
        rounding = Rounding::kUp;
      } else if (fraction < kHalf - kMargin) {
        rounding = Rounding::kDown;
      }
    }
    if (alwaysBigIntegers || rounding == Rounding::kUndecided) {
      // Exactly integer <= value * 10^k < integer + 1 when the power is exact; with a truncated
      // power the value may lie just above integer + 1, which rounds to integer + 1 as well.
      rounding = RoundsUpExactly(binary, k, integer) ? Rounding::kUp : Rounding::kDown;
    }
    const bool up = rounding == Rounding::kUp ||
                    (rounding == Rounding::kTieToEven && integer % 2 != 0);
    std::uint64_t significand = integer + (up ? 1 : 0);
    if (significand == kTenTo18) {
      significand = kTenTo17;
      --k;
    }
    return {significand, -k};
  }
}

}  // namespace

Decimal18 ExactDecimal18(double value) { return Convert(value, false); }

Decimal18 ExactDecimal18ByBigIntegers(double value) { return Convert(value, true); }

}  // namespace controls
