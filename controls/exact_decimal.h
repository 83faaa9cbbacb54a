#pragma once
// The first 18 significant decimal digits of a double, correctly rounded from its exact binary
// value (ties to even). Every double has an exact, finite decimal expansion; this finds its
// leading digits with 128-bit arithmetic and a table of powers of ten, and settles the rare
// roundings that the 128-bit product cannot decide with exact big-integer arithmetic.

#include <cstdint>

namespace controls {

// value == significand * 10^exponent after rounding; significand lies in [10^17, 10^18).
struct Decimal18 {
  std::uint64_t significand;
  int exponent;
};

// `value` must be finite and greater than zero.
Decimal18 ExactDecimal18(double value);

// The same result with every rounding decided by big-integer arithmetic: slow, and there to
// check the fast path against.
Decimal18 ExactDecimal18ByBigIntegers(double value);

// floor(log10(2^binaryExponent)) for binaryExponent in [-1200, 1200].
constexpr int FloorLog10OfPowerOf2(int binaryExponent) {
  // 78913 / 2^18 is log10(2) to within 2^-24: close enough over this range (checked in tests).
  return (binaryExponent * 78913) >> 18;
}

}  // namespace controls
