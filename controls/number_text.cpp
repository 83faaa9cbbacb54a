#include "controls/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

#include "controls/decimal_separator.h"
#include "controls/exact_decimal.h"

namespace controls {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// ---------------------------------------------------------------------------------------------
// Writing into a caller's buffer. Every text is built in a small stack buffer and turned into a
// std::string once.

char* WriteChars(char* out, const char* chars, int count) {
  std::memcpy(out, chars, static_cast<std::size_t>(count));
  return out + count;
}

char* WriteZeros(char* out, int count) {
  if (count <= 0) {
    return out;
  }
  std::memset(out, '0', static_cast<std::size_t>(count));
  return out + count;
}

constexpr int kMaxUint32Digits = 10;

// The decimal digits of `magnitude`, left-padded with "0" to at least `minDigits` digits.
char* WritePaddedUnsigned(char* out, std::uint32_t magnitude, int minDigits) {
  std::array<char, kMaxUint32Digits> digits;
  const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude).ptr;
  const int count = static_cast<int>(end - digits.data());
  out = WriteZeros(out, minDigits - count);
  return WriteChars(out, digits.data(), count);
}

// ---------------------------------------------------------------------------------------------
// Decimal form of a finite nonzero magnitude: significant digits d1..dn and exponent E with the
// rounded magnitude 0.d1d2...dn * 10^E.

constexpr int kIntermediateDigits = 18;

struct DecimalForm {
  std::array<char, kIntermediateDigits> digits;  // ASCII; digits[0] is never '0'
  int count;
  int exponent;
};

// The 18 significant digits of `magnitude`, correctly rounded (ties to even) from its exact
// binary value. A rounding that reaches 10^18 has already moved into the exponent.
DecimalForm ExactIntermediate(double magnitude) {
  const Decimal18 exact = ExactDecimal18(magnitude);
  DecimalForm form;
  std::uint64_t rest = exact.significand;
  for (int i = kIntermediateDigits - 1; i >= 0; --i) {
    form.digits[static_cast<std::size_t>(i)] = static_cast<char>('0' + rest % 10);
    rest /= 10;
  }
  form.count = kIntermediateDigits;
  form.exponent = exact.exponent + kIntermediateDigits;
  return form;
}

// Keeps the first `precision` digits; digit precision+1 of 5 or more adds one unit to them
// (halves away from zero, judged on the digits only). A carry out of the first digit leaves the
// single digit 1 one decade higher.
void RoundHalfUp(DecimalForm& form, int precision) {
  if (precision >= form.count) {
    return;
  }
  const bool roundUp = form.digits[static_cast<std::size_t>(precision)] >= '5';
  form.count = precision;
  if (!roundUp) {
    return;
  }
  for (int i = precision - 1; i >= 0; --i) {
    char& digit = form.digits[static_cast<std::size_t>(i)];
    if (digit != '9') {
      ++digit;
      return;
    }
    digit = '0';
  }
  form.digits[0] = '1';
  form.count = 1;
  ++form.exponent;
}

void StripTrailingZeros(DecimalForm& form) {
  while (form.count > 1 && form.digits[static_cast<std::size_t>(form.count - 1)] == '0') {
    --form.count;
  }
}

DecimalForm RoundedForm(double magnitude, int precision) {
  DecimalForm form = ExactIntermediate(magnitude);
  RoundHalfUp(form, precision);
  StripTrailingZeros(form);
  return form;
}

// ---------------------------------------------------------------------------------------------
// General number format.

constexpr int kMinPrecision = 2;
constexpr int kMaxPrecision = kIntermediateDigits;
constexpr int kMaxExponentDigits = 4;
constexpr int kLowestFixedExponent = -3;  // 0.0001 = 0.1 * 10^-3
constexpr int kFloatTextPrecision = 15;

// Longest text: "-d.<17 digits>E-dddd" (25 characters).
constexpr int kGeneralCapacity = 32;

bool UsesFixedNotation(int exponent, int precision) {
  return exponent >= kLowestFixedExponent && exponent <= precision;
}

// "0.000ddd" below 1; otherwise the integer digits (zeros past the last digit), then the
// separator and the fraction digits when there are any.
char* WriteFixed(char* out, const DecimalForm& form, char separator) {
  const char* digits = form.digits.data();
  if (form.exponent <= 0) {
    *out++ = '0';
    *out++ = separator;
    out = WriteZeros(out, -form.exponent);
    return WriteChars(out, digits, form.count);
  }
  const int integerDigits = std::min(form.exponent, form.count);
  out = WriteChars(out, digits, integerDigits);
  out = WriteZeros(out, form.exponent - integerDigits);
  if (form.count > integerDigits) {
    *out++ = separator;
    out = WriteChars(out, digits + integerDigits, form.count - integerDigits);
  }
  return out;
}

// "d.dddE-XXX": one leading digit, "E", a minus sign only for negative exponents, and at least
// `exponentDigits` exponent digits.
char* WriteScientific(char* out, const DecimalForm& form, int exponentDigits, char separator) {
  *out++ = form.digits[0];
  if (form.count > 1) {
    *out++ = separator;
    out = WriteChars(out, form.digits.data() + 1, form.count - 1);
  }
  *out++ = 'E';
  const int exponent = form.exponent - 1;
  if (exponent < 0) {
    *out++ = '-';
  }
  const auto magnitude = static_cast<std::uint32_t>(exponent < 0 ? -exponent : exponent);
  return WritePaddedUnsigned(out, magnitude, exponentDigits);
}

char* WriteGeneral(char* out, double value, int precision, int exponentDigits) {
  precision = std::clamp(precision, kMinPrecision, kMaxPrecision);
  if (exponentDigits < 0 || exponentDigits > kMaxExponentDigits) {
    exponentDigits = 0;
  }
  if (std::isnan(value)) {
    return WriteChars(out, "NAN", 3);
  }
  if (std::signbit(value) && value != 0) {
    *out++ = '-';
  }
  if (std::isinf(value)) {
    return WriteChars(out, "INF", 3);
  }
  if (value == 0) {
    *out++ = '0';
    return out;
  }
  const DecimalForm form = RoundedForm(std::fabs(value), precision);
  const char separator = DecimalSeparator();
  return UsesFixedNotation(form.exponent, precision)
             ? WriteFixed(out, form, separator)
             : WriteScientific(out, form, exponentDigits, separator);
}

// ---------------------------------------------------------------------------------------------
// Integer text.

constexpr int kMaxPaddedDigits = 16;
constexpr int kIntegerCapacity = 1 + kMaxPaddedDigits + 1;  // sign, padded digits, spare

char* WriteInteger(char* out, std::int32_t value, int minDigits) {
  if (minDigits > kMaxPaddedDigits) {
    minDigits = 0;
  }
  // Unsigned negation writes the magnitude of the most negative value in full.
  auto magnitude = static_cast<std::uint32_t>(value);
  if (value < 0) {
    *out++ = '-';
    magnitude = 0u - magnitude;
  }
  return WritePaddedUnsigned(out, magnitude, minDigits);
}

// ---------------------------------------------------------------------------------------------
// FormatText: directives and their arguments.

constexpr int kPatternExponentDigits = 3;
constexpr int kPatternFallbackPrecision = 15;  // for a "%.*g" precision outside 0..18
constexpr int kSaturatedPrecision = 1000;      // a written precision above every limit

enum class Conversion { kGeneral, kInteger, kText };

struct Directive {
  Conversion conversion;
  bool precisionFromArgument;  // "*"
  int precision;               // the written digits, when not "*"
  std::size_t length;          // pattern characters, "%" included
};

// The directive at the start of `rest` (which begins with "%"), or none when the characters
// there are not one.
std::optional<Directive> ReadDirective(std::string_view rest) {
  if (rest.size() >= 2 && rest[1] == 's') {
    return Directive{Conversion::kText, false, 0, 2};
  }
  if (rest.size() < 4 || rest[1] != '.') {
    return std::nullopt;
  }
  Directive directive{Conversion::kGeneral, false, 0, 2};
  if (rest[2] == '*') {
    directive.precisionFromArgument = true;
    directive.length = 3;
  } else {
    while (directive.length < rest.size() && IsDigit(rest[directive.length])) {
      const int digit = rest[directive.length] - '0';
      directive.precision = std::min(directive.precision * 10 + digit, kSaturatedPrecision);
      ++directive.length;
    }
    if (directive.length == 2) {
      return std::nullopt;
    }
  }
  if (directive.length >= rest.size()) {
    return std::nullopt;
  }
  switch (rest[directive.length]) {
    case 'g':
      directive.conversion = Conversion::kGeneral;
      break;
    case 'd':
      directive.conversion = Conversion::kInteger;
      break;
    default:
      return std::nullopt;
  }
  ++directive.length;
  return directive;
}

// Hands out FormatText's arguments in order; a missing or mismatched one counts as 0 or "".
class ArgumentCursor {
 public:
  ArgumentCursor(const FormatArg* first, const FormatArg* last) : next_(first), end_(last) {}

  std::int32_t NextInteger() {
    const FormatArg* arg = Take();
    const auto* integer = arg ? std::get_if<std::int32_t>(arg) : nullptr;
    return integer ? *integer : 0;
  }

  double NextNumber() {
    const FormatArg* arg = Take();
    if (const auto* number = arg ? std::get_if<double>(arg) : nullptr) {
      return *number;
    }
    const auto* integer = arg ? std::get_if<std::int32_t>(arg) : nullptr;
    return integer ? *integer : 0.0;
  }

  std::string_view NextText() {
    const FormatArg* arg = Take();
    const auto* text = arg ? std::get_if<std::string_view>(arg) : nullptr;
    return text ? *text : std::string_view();
  }

 private:
  const FormatArg* Take() { return next_ == end_ ? nullptr : next_++; }

  const FormatArg* next_;
  const FormatArg* end_;
};

int PatternPrecision(int precision) {
  return precision >= 0 && precision <= kMaxPrecision ? precision : kPatternFallbackPrecision;
}

void AppendConversion(std::string& out, const Directive& directive, ArgumentCursor& args) {
  if (directive.conversion == Conversion::kText) {
    out += args.NextText();
    return;
  }
  const int precision = directive.precisionFromArgument ? args.NextInteger() : directive.precision;
  std::array<char, kGeneralCapacity> text;
  char* end = directive.conversion == Conversion::kGeneral
                  ? WriteGeneral(text.data(), args.NextNumber(), PatternPrecision(precision),
                                 kPatternExponentDigits)
                  : WriteInteger(text.data(), args.NextInteger(), precision);
  out.append(text.data(), end);
}

// ---------------------------------------------------------------------------------------------
// Reading.

std::size_t SkipSpaces(std::string_view text, std::size_t pos) {
  while (pos < text.size() && text[pos] == ' ') {
    ++pos;
  }
  return pos;
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsDigit(text[pos])) {
    ++pos;
  }
  return pos;
}

// An exponent beyond this is far outside every double; larger ones are held at it.
constexpr std::int64_t kSaturatedExponent = 1'000'000'000;

// A decimal text that has passed the reading rule.
struct DecimalSyntax {
  bool negative;
  std::string_view unsignedNumber;  // mantissa and exponent, in the form std::from_chars reads
  bool zeroMantissa;                // no nonzero mantissa digit, or no mantissa digit at all
  std::int64_t leadingPower;        // the power of ten of the leading nonzero digit
};

// The power of ten of the first nonzero digit in `integerDigits` "." `fractionDigits`.
std::int64_t LeadingDigitPower(std::string_view integerDigits, std::string_view fractionDigits) {
  const std::size_t integerLead = integerDigits.find_first_not_of('0');
  if (integerLead != std::string_view::npos) {
    return static_cast<std::int64_t>(integerDigits.size() - integerLead) - 1;
  }
  const std::size_t fractionLead = fractionDigits.find_first_not_of('0');
  return -static_cast<std::int64_t>(fractionLead) - 1;
}

std::int64_t SaturatedExponent(std::string_view digits, bool negative) {
  std::int64_t exponent = 0;
  for (const char c : digits) {
    exponent = std::min(exponent * 10 + (c - '0'), kSaturatedExponent);
  }
  return negative ? -exponent : exponent;
}

// Spaces, sign, digits, "." and digits, exponent, end: the whole reading rule.
std::optional<DecimalSyntax> ScanDecimal(std::string_view text) {
  std::size_t pos = SkipSpaces(text, 0);
  DecimalSyntax syntax{false, {}, true, 0};
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    syntax.negative = text[pos] == '-';
    ++pos;
  }
  if (pos == text.size()) {
    return std::nullopt;  // empty, only spaces, or spaces and a sign
  }
  const std::size_t numberStart = pos;
  pos = SkipDigits(text, pos);
  const std::string_view integerDigits = text.substr(numberStart, pos - numberStart);
  std::string_view fractionDigits;
  if (pos < text.size() && text[pos] == '.') {
    const std::size_t fractionStart = ++pos;
    pos = SkipDigits(text, pos);
    fractionDigits = text.substr(fractionStart, pos - fractionStart);
  }
  std::int64_t exponent = 0;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    const bool negativeExponent = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
      ++pos;
    }
    const std::size_t exponentStart = pos;
    pos = SkipDigits(text, pos);
    if (pos == exponentStart) {
      return std::nullopt;
    }
    exponent = SaturatedExponent(text.substr(exponentStart, pos - exponentStart), negativeExponent);
  }
  if (pos != text.size()) {
    return std::nullopt;
  }
  syntax.unsignedNumber = text.substr(numberStart);
  syntax.zeroMantissa = integerDigits.find_first_not_of('0') == std::string_view::npos &&
                        fractionDigits.find_first_not_of('0') == std::string_view::npos;
  if (!syntax.zeroMantissa) {
    syntax.leadingPower = LeadingDigitPower(integerDigits, fractionDigits) + exponent;
  }
  return syntax;
}

// The correctly rounded magnitude of a nonzero mantissa. A result beyond the double range,
// which std::from_chars reports without a value, is an infinity when the number is too large
// and zero when it is too small; the leading digit's power of ten tells which (too large means
// at least 10^308, too small below 10^-323).
std::optional<double> ConvertMagnitude(const DecimalSyntax& syntax) {
  const char* first = syntax.unsignedNumber.data();
  const char* last = first + syntax.unsignedNumber.size();
  double magnitude = 0;
  const auto [end, error] = std::from_chars(first, last, magnitude, std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    return syntax.leadingPower > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  if (error != std::errc() || end != last) {
    return std::nullopt;  // not expected for a text that passed ScanDecimal
  }
  return magnitude;
}

// Hexadecimal digits, at most eight significant ones, as 32 bits.
std::optional<std::uint32_t> HexadecimalBits(std::string_view digits) {
  constexpr std::uint32_t kLastShiftableValue = 0x0FFFFFFF;
  if (digits.empty()) {
    return std::nullopt;
  }
  std::uint32_t bits = 0;
  for (const char c : digits) {
    std::uint32_t digit = 0;
    if (c >= '0' && c <= '9') {
      digit = static_cast<std::uint32_t>(c - '0');
    } else if (c >= 'A' && c <= 'F') {
      digit = static_cast<std::uint32_t>(c - 'A' + 10);
    } else if (c >= 'a' && c <= 'f') {
      digit = static_cast<std::uint32_t>(c - 'a' + 10);
    } else {
      return std::nullopt;
    }
    if (bits > kLastShiftableValue) {
      return std::nullopt;
    }
    bits = bits * 16 + digit;
  }
  return bits;
}

// Decimal digits whose value does not exceed `limit`.
std::optional<std::uint32_t> DecimalMagnitude(std::string_view digits, std::uint32_t limit) {
  if (digits.empty()) {
    return std::nullopt;
  }
  std::uint64_t magnitude = 0;
  for (const char c : digits) {
    if (!IsDigit(c)) {
      return std::nullopt;
    }
    magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
    if (magnitude > limit) {
      return std::nullopt;
    }
  }
  return static_cast<std::uint32_t>(magnitude);
}

// The digits after a hexadecimal prefix ("$", "x", "X", "0x", "0X"), or none without a prefix.
std::optional<std::string_view> AfterHexadecimalPrefix(std::string_view text) {
  if (!text.empty() && (text[0] == '$' || text[0] == 'x' || text[0] == 'X')) {
    return text.substr(1);
  }
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    return text.substr(2);
  }
  return std::nullopt;
}

constexpr std::uint32_t kMaxPositiveMagnitude = 2147483647u;
constexpr std::uint32_t kMaxNegativeMagnitude = 2147483648u;

}  // namespace

std::string FormatGeneral(double value, int precision, int exponentDigits) {
  std::array<char, kGeneralCapacity> text;
  char* end = WriteGeneral(text.data(), value, precision, exponentDigits);
  return std::string(text.data(), end);
}

std::string FloatText(double value) { return FormatGeneral(value, kFloatTextPrecision, 0); }

std::string FormatText(std::string_view pattern, std::initializer_list<FormatArg> args) {
  ArgumentCursor cursor(args.begin(), args.end());
  std::string out;
  out.reserve(pattern.size() + kGeneralCapacity);
  std::size_t pos = 0;
  while (pos < pattern.size()) {
    const std::size_t percent = pattern.find('%', pos);
    if (percent == std::string_view::npos) {
      out += pattern.substr(pos);
      break;
    }
    out += pattern.substr(pos, percent - pos);
    const std::optional<Directive> directive = ReadDirective(pattern.substr(percent));
    if (!directive) {
      out += '%';
      pos = percent + 1;
      continue;
    }
    AppendConversion(out, *directive, cursor);
    pos = percent + directive->length;
  }
  return out;
}

std::optional<double> ParseDecimal(std::string_view text) {
  const std::optional<DecimalSyntax> syntax = ScanDecimal(text);
  if (!syntax) {
    return std::nullopt;
  }
  std::optional<double> magnitude = 0.0;
  if (!syntax->zeroMantissa) {
    magnitude = ConvertMagnitude(*syntax);
  }
  if (!magnitude) {
    return std::nullopt;
  }
  return syntax->negative ? -*magnitude : *magnitude;
}

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  std::size_t pos = SkipSpaces(text, 0);
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  const std::string_view rest = text.substr(pos);
  const std::optional<std::string_view> hexDigits = AfterHexadecimalPrefix(rest);
  const std::optional<std::uint32_t> magnitude =
      hexDigits ? HexadecimalBits(*hexDigits)
                : DecimalMagnitude(rest, negative ? kMaxNegativeMagnitude : kMaxPositiveMagnitude);
  if (!magnitude) {
    return std::nullopt;
  }
  // Two's complement: negation and the signed reading of the 32 bits wrap.
  const std::uint32_t bits = negative ? 0u - *magnitude : *magnitude;
  return static_cast<std::int32_t>(bits);
}

std::int32_t IntegerOrDefault(std::string_view text, std::int32_t fallback) {
  return ParseInteger(text).value_or(fallback);
}

std::string IntegerText(std::int32_t value, int minDigits) {
  std::array<char, kIntegerCapacity> text;
  char* end = WriteInteger(text.data(), value, minDigits);
  return std::string(text.data(), end);
}

}  // namespace controls
