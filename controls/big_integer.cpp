#include "controls/big_integer.h"

#include <algorithm>
#include <cstdlib>

namespace controls {

BigInteger::BigInteger(std::uint64_t value) {
  limbs_[0] = static_cast<std::uint32_t>(value);
  limbs_[1] = static_cast<std::uint32_t>(value >> 32);
  used_ = limbs_[1] != 0 ? 2 : limbs_[0] != 0 ? 1 : 0;
}

void BigInteger::Grow(int used) {
  if (used > kLimbs) {
    std::abort();
  }
  used_ = used;
}

BigInteger& BigInteger::MultiplyBy(std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (int i = 0; i < used_; ++i) {
    const std::uint64_t product = std::uint64_t{limbs_[i]} * factor + carry;
    limbs_[i] = static_cast<std::uint32_t>(product);
    carry = product >> 32;
  }
  if (carry != 0) {
    const int at = used_;
    Grow(used_ + 1);
    limbs_[at] = static_cast<std::uint32_t>(carry);
  }
  if (factor == 0) {
    std::fill(limbs_.begin(), limbs_.begin() + used_, 0U);
    used_ = 0;
  }
  return *this;
}

BigInteger& BigInteger::MultiplyBy(std::uint64_t factor) {
  BigInteger high = *this;
  MultiplyBy(static_cast<std::uint32_t>(factor));
  high.MultiplyBy(static_cast<std::uint32_t>(factor >> 32)).MultiplyByPowerOf2(32);
  Add(high);
  return *this;
}

BigInteger& BigInteger::Add(const BigInteger& other) {
  const int length = std::max(used_, other.used_);
  std::uint64_t carry = 0;
  for (int i = 0; i < length; ++i) {
    const std::uint64_t sum = std::uint64_t{limbs_[i]} + other.limbs_[i] + carry;
    limbs_[i] = static_cast<std::uint32_t>(sum);
    carry = sum >> 32;
  }
  Grow(length);
  if (carry != 0) {
    Grow(length + 1);
    limbs_[length] = static_cast<std::uint32_t>(carry);
  }
  return *this;
}

BigInteger& BigInteger::MultiplyByPowerOf2(int exponent) {
  if (used_ == 0) {
    return *this;
  }
  const int wholeLimbs = exponent / 32;
  const int bits = exponent % 32;
  const int oldUsed = used_;
  Grow(used_ + wholeLimbs + (bits != 0 ? 1 : 0));
  for (int i = oldUsed - 1; i >= 0; --i) {
    const std::uint64_t shifted = std::uint64_t{limbs_[i]} << bits;
    if (bits != 0) {
      limbs_[i + wholeLimbs + 1] |= static_cast<std::uint32_t>(shifted >> 32);
    }
    limbs_[i + wholeLimbs] = static_cast<std::uint32_t>(shifted);
  }
  std::fill(limbs_.begin(), limbs_.begin() + wholeLimbs, 0U);
  while (used_ > 0 && limbs_[used_ - 1] == 0) {
    --used_;
  }
  return *this;
}

BigInteger& BigInteger::MultiplyByPowerOf5(int exponent) {
  constexpr std::uint32_t kFiveTo13 = 1220703125;  // the largest power of 5 below 2^32
  constexpr std::uint32_t kSmallPowers[13] = {1,       5,        25,        125,     625,
                                              3125,    15625,    78125,     390625,  1953125,
                                              9765625, 48828125, 244140625};
  for (; exponent >= 13; exponent -= 13) {
    MultiplyBy(kFiveTo13);
  }
  return MultiplyBy(kSmallPowers[exponent]);
}

BigInteger& BigInteger::MultiplyByPowerOf10(int exponent) {
  return MultiplyByPowerOf5(exponent).MultiplyByPowerOf2(exponent);
}

int Compare(const BigInteger& a, const BigInteger& b) {
  if (a.used_ != b.used_) {
    return a.used_ < b.used_ ? -1 : 1;
  }
  for (int i = a.used_ - 1; i >= 0; --i) {
    if (a.limbs_[i] != b.limbs_[i]) {
      return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    }
  }
  return 0;
}

}  // namespace controls
