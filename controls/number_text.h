#pragma once
// Number text: the one place where numbers become text and text becomes numbers. Every number the
// plug-in shows, reads or stores goes through these functions; none of them throws, and all of
// them are pure functions of their arguments (and, for FormatGeneral, of the decimal separator).

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace controls {

// General number format: at most `precision` significant digits (clamped into 2..18), fixed
// notation while the rounded decimal exponent lies in -3..precision (rounded magnitudes from
// 0.0001 up to, not including, 10^precision), scientific otherwise with a capital E, a minus sign
// only for negative exponents and at least `exponentDigits` exponent digits (0..4; other values
// count as 0): 12.346, 0.00012345, 1.2346E005, 1E-5.
// Rounding goes through the exact 18-digit decimal intermediate of the value (ties to even on
// the binary value) and then rounds halves of that intermediate away from zero, so 2.675 at
// precision 3 gives 2.67 (intermediate 267499999999999982) while 826.5302755559145 at precision
// 15 gives 826.530275555915 (intermediate 826530275555914500).
// Writes DecimalSeparator() between integer and fraction digits. Infinities are "INF"/"-INF",
// NaN is "NAN", both zeros are "0".
std::string FormatGeneral(double value, int precision, int exponentDigits);

// FormatGeneral(value, 15, 0).
std::string FloatText(double value);

// One argument of FormatText.
using FormatArg = std::variant<std::int32_t, double, std::string_view>;

// printf-like formatting for the few patterns the system uses. Characters outside a directive are
// copied. Directives:
//   "%.<digits>g", "%.*g"  the next argument, a number, by FormatGeneral with three exponent
//                          digits; a precision outside 0..18 counts as 15. "*" takes the
//                          precision from the next argument, an integer.
//   "%.<digits>d", "%.*d"  the next argument, an integer, by IntegerText with the precision as
//                          the minimum digits.
//   "%s"                   the next argument, a text, copied whole.
// Anything else after a "%" is not a directive and is copied as it stands. Arguments are taken in
// order; a missing argument, or one of another kind, counts as 0 or the empty text (an integer
// is accepted where a number is expected).
std::string FormatText(std::string_view pattern, std::initializer_list<FormatArg> args);

// Decimal reading: optional leading spaces (code 32 only), one optional sign, digits, an optional
// "." with digits, an optional exponent (E/e, optional sign, at least one digit), and nothing
// after. Always "." as the separator. A mantissa without digits reads as zero (".", "e5", "-.").
// The value is the correctly rounded double, negated after "-" (so "-0" is negative zero).
// Texts beyond the double range read, they do not fail: a magnitude above the largest double
// (after rounding) gives an infinity of the text's sign ("1e400", "-1e99999999999"), one below
// half the smallest subnormal gives a zero of the text's sign ("1e-400"), and a zero mantissa
// gives zero whatever its exponent ("0e99999999999").
// Empty optional when the text does not read.
std::optional<double> ParseDecimal(std::string_view text);

// Integer reading: optional leading spaces (code 32 only), one optional sign, then decimal
// digits (magnitude at most 2147483647, or 2147483648 after "-") or a hexadecimal form ("$", "x",
// "X", "0x" or "0X", then hex digits, at most eight significant ones, taken as the 32 bits of a
// signed value: "$FFFFFFFF" is -1), and nothing after. Empty optional when the text does not read.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// ParseInteger's value, or `fallback` when the text does not read.
std::int32_t IntegerOrDefault(std::string_view text, std::int32_t fallback);

// Decimal text of an integer, left-padded with zeros to `minDigits` digits (no padding above 16),
// "-" in front of the padded digits for negative values: IntegerText(-5, 4) is "-0005".
std::string IntegerText(std::int32_t value, int minDigits = 0);

}  // namespace controls
