#pragma once
// Number text: the one place where numbers become text and text becomes numbers. Every number the
// plug-in shows, reads or stores goes through these functions; none of them throws.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace controls {

// General number format: at most `precision` significant digits (clamped into 2..18), fixed
// notation while the rounded decimal exponent lies in -3..precision, scientific otherwise with a
// capital E, a minus sign only for negative exponents and at least `exponentDigits` exponent
// digits (0..4; other values count as 0). Rounding goes through the exact 18-digit decimal
// intermediate of the value and rounds halves away from zero. Writes the current decimal
// separator. Infinities are "INF"/"-INF", NaN is "NAN", both zeros are "0".
std::string FormatGeneral(double value, int precision, int exponentDigits);

// FormatGeneral(value, 15, 0).
std::string FloatText(double value);

// One argument of FormatText.
using FormatArg = std::variant<std::int32_t, double, std::string_view>;

// printf-like formatting for the few patterns the system uses: "%.<n>g" / "%.*g" (FormatGeneral
// with three exponent digits; a precision outside 0..18 counts as 15), "%.<n>d" (IntegerText with
// <n> as the minimum digits) and "%s". Other characters are copied.
std::string FormatText(std::string_view pattern, std::initializer_list<FormatArg> args);

// Decimal reading: optional leading spaces (code 32 only), one optional sign, digits, an optional
// "." with digits, an optional exponent (E/e, optional sign, at least one digit), and nothing after.
// Always "." as the separator. Correctly rounded. Empty optional when the text does not read.
std::optional<double> ParseDecimal(std::string_view text);

// Integer reading: optional leading spaces, one optional sign, then decimal digits or a
// hexadecimal form ("$", "x", "X", "0x", "0X" and hex digits), and nothing after; 32-bit range.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// ParseInteger's value, or `fallback` when the text does not read.
std::int32_t IntegerOrDefault(std::string_view text, std::int32_t fallback);

// Decimal text of an integer, left-padded with zeros to `minDigits` digits (no padding above 16),
// "-" in front of the padded digits for negative values.
std::string IntegerText(std::int32_t value, int minDigits = 0);

}  // namespace controls
