#pragma once
// The fixed inputs of the number benchmarks: a seeded mix of doubles over the whole range and the
// texts they give, so every run and every function under comparison sees the same data.

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

// Finite doubles, both signs, in a fixed shuffled order: random bit patterns over the whole
// exponent range, subnormals, integers (small ones and ones up to 2^53), values on both sides of
// the switches between fixed and scientific notation (1e-4, 1e5, 1e15, including ones that round
// across them at 5 and 15 digits), and measurement-like values of up to seven digits (15.5,
// 0.25, 1234.567).
const std::vector<double>& MixedDoubles();

// Texts of MixedDoubles(): first each value's FloatText, then each value's text with five
// significant digits and three exponent digits (the form the result label shows).
const std::vector<std::string>& DecimalTexts();

// A seeded mix of 32-bit integers (small, medium, the whole range, both signs, the extremes).
const std::vector<std::int32_t>& MixedIntegers();

// Decimal texts of MixedIntegers() by IntegerText.
const std::vector<std::string>& IntegerTexts();

}  // namespace bench
