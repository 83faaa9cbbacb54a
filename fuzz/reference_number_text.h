#pragma once
// Independent readings and writings of number texts for the fuzz targets to compare against.
// They are written from the rules of the number text, not from the code under test, and lean on
// the C library where it is exact: strtod for the nearest double of a decimal text and printf's
// "%.17e" for the correctly rounded 18 significant digits of a double (both in the "C" locale,
// which a program has until it calls setlocale; nothing here does).

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace fuzzing {

// ---------------------------------------------------------------------------------------------
// Decimal reading: spaces (code 32), one sign, digits, "." and digits, "E"/"e" with one sign and
// at least one digit, end. Recognised by a state machine over the characters.

struct DecimalShape {
  bool negative = false;
  bool nonzeroDigit = false;  // some mantissa digit is not 0
  std::size_t numberStart = 0;  // first character after the spaces
};

inline std::optional<DecimalShape> ReadDecimalShape(std::string_view text) {
  enum class State { kSpaces, kSign, kInteger, kPoint, kFraction, kLetter, kExponentSign,
                     kExponent };
  DecimalShape shape;
  State state = State::kSpaces;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool digit = c >= '0' && c <= '9';
    const bool mantissa = state == State::kSpaces || state == State::kSign ||
                          state == State::kInteger || state == State::kPoint ||
                          state == State::kFraction;
    if (state == State::kSpaces && c == ' ') {
      shape.numberStart = i + 1;
    } else if (state == State::kSpaces && (c == '+' || c == '-')) {
      shape.negative = c == '-';
      state = State::kSign;
    } else if (digit && (state == State::kSpaces || state == State::kSign ||
                         state == State::kInteger)) {
      shape.nonzeroDigit |= c != '0';
      state = State::kInteger;
    } else if (digit && (state == State::kPoint || state == State::kFraction)) {
      shape.nonzeroDigit |= c != '0';
      state = State::kFraction;
    } else if (digit) {  // after the exponent letter
      state = State::kExponent;
    } else if (c == '.' && (state == State::kSpaces || state == State::kSign ||
                            state == State::kInteger)) {
      state = State::kPoint;
    } else if ((c == 'e' || c == 'E') && mantissa) {
      state = State::kLetter;
    } else if ((c == '+' || c == '-') && state == State::kLetter) {
      state = State::kExponentSign;
    } else {
      return std::nullopt;
    }
  }
  const bool complete = state == State::kInteger || state == State::kPoint ||
                        state == State::kFraction || state == State::kExponent;
  if (!complete) {
    return std::nullopt;
  }
  return shape;
}

// The double nearest to what a text of that shape denotes, negative zero after "-" for a zero
// mantissa; none when the text is outside the reading rule.
inline std::optional<double> ReferenceDecimal(std::string_view text) {
  const std::optional<DecimalShape> shape = ReadDecimalShape(text);
  if (!shape) {
    return std::nullopt;
  }
  if (!shape->nonzeroDigit) {
    return shape->negative ? -0.0 : 0.0;
  }
  // strtod reads every text of this shape that has a mantissa digit, and rounds correctly
  // (to an infinity above the range, to zero below it).
  const std::string copy(text.substr(shape->numberStart));
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size()) {
    std::fprintf(stderr, "reference: strtod stopped early in \"%s\"\n", copy.c_str());
    std::abort();
  }
  return value;
}

// ---------------------------------------------------------------------------------------------
// Integer reading: spaces, one sign, then a hexadecimal form ("$", "x", "X", "0x", "0X" and hex
// digits, at most eight significant) or decimal digits (at most 2147483647, 2147483648 after "-").

inline int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

inline std::optional<std::int32_t> ReferenceInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::string_view rest = text.substr(i);
  bool hex = false;
  if (rest.size() >= 1 && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
    hex = true;
    rest.remove_prefix(1);
  } else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
    hex = true;
    rest.remove_prefix(2);
  }
  if (rest.empty()) {
    return std::nullopt;
  }
  const int base = hex ? 16 : 10;
  for (const char c : rest) {
    const int v = HexValue(c);
    if (v < 0 || v >= base) {
      return std::nullopt;
    }
  }
  while (rest.size() > 1 && rest[0] == '0') rest.remove_prefix(1);
  if (rest.size() > (hex ? 8u : 10u)) {
    return std::nullopt;  // a ninth hex digit, or a decimal magnitude beyond 32 bits
  }
  std::int64_t magnitude = 0;
  for (const char c : rest) magnitude = magnitude * base + HexValue(c);
  if (hex) {
    // The 32 bits as a signed value, then negated with the wrap of 32-bit arithmetic.
    std::int64_t value = magnitude >= 0x80000000LL ? magnitude - 0x100000000LL : magnitude;
    if (negative) value = -value;
    if (value > 2147483647LL) value -= 0x100000000LL;
    return static_cast<std::int32_t>(value);
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > 2147483647LL || value < -2147483648LL) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

// ---------------------------------------------------------------------------------------------
// The general number format, built from printf's exact 18 significant digits: round halves of
// those digits up at the precision, drop trailing zeros, fixed notation for decimal exponents
// -3..P (the exponent E of 0.d1d2... * 10^E), scientific otherwise.

inline std::string ExpectedGeneral(double value, int precision, int exponentDigits,
                                   char separator) {
  const int p = precision < 2 ? 2 : (precision > 18 ? 18 : precision);
  const int padding = exponentDigits >= 0 && exponentDigits <= 4 ? exponentDigits : 0;
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";
  char printed[64];
  std::snprintf(printed, sizeof printed, "%.17e", std::fabs(value));  // d.<17 digits>e<exp>
  std::string digits = std::string(1, printed[0]) + std::string(printed + 2, 17);
  int e = std::atoi(printed + 20) + 1;
  if (p < 18) {
    const bool up = digits[static_cast<std::size_t>(p)] >= '5';
    digits.resize(static_cast<std::size_t>(p));
    if (up) {
      int i = p - 1;
      while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
        digits[static_cast<std::size_t>(i)] = '0';
        --i;
      }
      if (i < 0) {
        digits = "1";
        ++e;
      } else {
        ++digits[static_cast<std::size_t>(i)];
      }
    }
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int n = static_cast<int>(digits.size());

  std::string out = value < 0 ? "-" : "";
  if (e >= -3 && e <= p) {
    if (e <= 0) {
      out += "0";
      out += separator;
      out += std::string(static_cast<std::size_t>(-e), '0') + digits;
    } else if (n <= e) {
      out += digits + std::string(static_cast<std::size_t>(e - n), '0');
    } else {
      out += digits.substr(0, static_cast<std::size_t>(e));
      out += separator;
      out += digits.substr(static_cast<std::size_t>(e));
    }
    return out;
  }
  out += digits[0];
  if (n > 1) {
    out += separator;
    out += digits.substr(1);
  }
  out += 'E';
  const int x = e - 1;
  if (x < 0) out += '-';
  std::string exponent = std::to_string(x < 0 ? -x : x);
  if (static_cast<int>(exponent.size()) < padding) {
    exponent.insert(0, static_cast<std::size_t>(padding) - exponent.size(), '0');
  }
  return out + exponent;
}

}  // namespace fuzzing
