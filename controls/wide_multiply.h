#pragma once
// The full 128-bit product of two 64-bit numbers. 32-bit targets have no 128-bit integer type, so
// the product is also built from 32-bit halves there; both forms give the same bits.

#include <cstdint>

namespace controls {

struct Product128 {
  std::uint64_t high;
  std::uint64_t low;
};

// From four 32 x 32 -> 64-bit products; used where the compiler has no 128-bit integer.
constexpr Product128 MultiplyByHalves(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t aLow = a & 0xFFFFFFFFU;
  const std::uint64_t aHigh = a >> 32;
  const std::uint64_t bLow = b & 0xFFFFFFFFU;
  const std::uint64_t bHigh = b >> 32;
  const std::uint64_t lowLow = aLow * bLow;
  const std::uint64_t lowHigh = aLow * bHigh;
  const std::uint64_t highLow = aHigh * bLow;
  const std::uint64_t highHigh = aHigh * bHigh;
  // The middle column: three numbers below 2^32 each, so no overflow.
  const std::uint64_t middle = (lowLow >> 32) + (lowHigh & 0xFFFFFFFFU) + (highLow & 0xFFFFFFFFU);
  return {highHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
          (middle << 32) | (lowLow & 0xFFFFFFFFU)};
}

constexpr Product128 Multiply64(std::uint64_t a, std::uint64_t b) {
#if defined(__SIZEOF_INT128__)
  __extension__ using Wide = unsigned __int128;
  const Wide product = static_cast<Wide>(a) * b;
  return {static_cast<std::uint64_t>(product >> 64), static_cast<std::uint64_t>(product)};
#else
  return MultiplyByHalves(a, b);
#endif
}

}  // namespace controls
