#pragma once
// A non-negative integer of up to kBits bits, with just what exact decimal conversion needs:
// multiplication by small numbers, by powers of two and of five, and comparison. It lives on the
// stack; a result that would not fit is a programming error and stops the process.

#include <array>
#include <cstdint>

namespace controls {

class BigInteger {
 public:
  static constexpr int kBits = 1536;

  explicit BigInteger(std::uint64_t value);

  BigInteger& MultiplyBy(std::uint32_t factor);
  BigInteger& MultiplyBy(std::uint64_t factor);
  BigInteger& MultiplyByPowerOf2(int exponent);  // exponent >= 0
  BigInteger& MultiplyByPowerOf5(int exponent);  // exponent >= 0
  BigInteger& MultiplyByPowerOf10(int exponent);  // exponent >= 0
  BigInteger& Add(const BigInteger& other);

  friend int Compare(const BigInteger& a, const BigInteger& b);  // -1, 0 or 1

 private:
  static constexpr int kLimbs = kBits / 32;

  void Grow(int used);

  std::array<std::uint32_t, kLimbs> limbs_{};  // least significant first
  int used_ = 0;                                // limbs_[used_..] are zero
};

}  // namespace controls
