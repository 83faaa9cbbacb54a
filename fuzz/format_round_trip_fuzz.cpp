// FormatGeneral and FloatText over arbitrary doubles, precisions, exponent paddings and decimal
// separators: the text is exactly the general number format of the value (checked against a
// writer built on printf's exact digits), and, with the separator mapped back to ".", it reads
// back with ParseDecimal as the double nearest to the written digits (strtod's value); from
// precision 17 on that is the value itself. The "%.*g" and "%.5g" patterns of FormatText write
// the same format with three exponent digits (a "*" precision outside 0..18 counts as 15).
//
// Input: either "T<value> <precision> <exponent digits> [<separator>]" in text (the value as
// strtod reads it: "inf", "nan", "0x1p-1074" included), or bytes: the double's 8 bytes (little
// endian), the precision and the exponent digits as signed bytes, and a byte whose lowest bit
// chooses "," instead of "." as the separator.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "controls/decimal_separator.h"
#include "controls/number_text.h"
#include "fuzz_check.h"
#include "reference_number_text.h"

namespace {

struct Case {
  double value = 0;
  int precision = 0;
  int exponentDigits = 0;
  char separator = '.';
};

Case FromText(std::string_view input) {
  const std::string text(input.substr(1));
  Case c;
  char* end = nullptr;
  c.value = std::strtod(text.c_str(), &end);
  c.precision = static_cast<int>(std::strtol(end, &end, 10));
  c.exponentDigits = static_cast<int>(std::strtol(end, &end, 10));
  while (*end == ' ') ++end;
  if (*end == ',') c.separator = ',';
  return c;
}

Case FromBytes(const std::uint8_t* data, std::size_t size) {
  std::uint8_t bytes[11] = {};
  std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);
  Case c;
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = bits << 8 | bytes[i];
  std::memcpy(&c.value, &bits, sizeof c.value);
  c.precision = static_cast<std::int8_t>(bytes[8]);
  c.exponentDigits = static_cast<std::int8_t>(bytes[9]);
  c.separator = (bytes[10] & 1) != 0 ? ',' : '.';
  return c;
}

std::string Describe(const Case& c) {
  char text[96];
  std::snprintf(text, sizeof text, "%.17g (%a) precision %d exponent digits %d separator %c",
                c.value, c.value, c.precision, c.exponentDigits, c.separator);
  return text;
}

std::string Bits(double value) {
  char text[48];
  std::snprintf(text, sizeof text, "%a", value);
  return text;
}

// The text's number with "." as the separator reads back as the nearest double of its digits.
void CheckReadsBack(const std::string& text, const Case& c, const std::string& what) {
  std::string dotted = text;
  for (char& ch : dotted) {
    if (ch == c.separator) ch = '.';
  }
  const std::optional<double> read = controls::ParseDecimal(dotted);
  const std::optional<double> nearest = fuzzing::ReferenceDecimal(dotted);
  fuzzing::Check(nearest.has_value(), (what + " wrote a text outside the reading rule").c_str(),
                 Describe(c), dotted);
  fuzzing::Check(read.has_value(), (what + " wrote a text that ParseDecimal refuses").c_str(),
                 Describe(c), dotted);
  fuzzing::Check(std::memcmp(&*read, &*nearest, sizeof(double)) == 0,
                 (what + " text does not read back as the nearest double").c_str(), dotted,
                 Bits(*read), Bits(*nearest));
  if (c.separator != '.' && text.find(c.separator) != std::string::npos) {
    fuzzing::Check(!controls::ParseDecimal(text), "ParseDecimal read another separator",
                   Describe(c), text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Case c = size > 0 && data[0] == 'T'
                     ? FromText(std::string_view(reinterpret_cast<const char*>(data), size))
                     : FromBytes(data, size);
  controls::SetDecimalSeparator(c.separator);
  const std::string text = controls::FormatGeneral(c.value, c.precision, c.exponentDigits);
  const std::string floatText = controls::FloatText(c.value);
  const std::string floatGeneral = controls::FormatGeneral(c.value, 15, 0);
  const std::string starPattern = controls::FormatText("%.*g", {c.precision, c.value});
  const std::string fivePattern = controls::FormatText("%.5g", {c.value});
  controls::SetDecimalSeparator('.');

  const std::string expected =
      fuzzing::ExpectedGeneral(c.value, c.precision, c.exponentDigits, c.separator);
  fuzzing::Check(text == expected, "FormatGeneral is not the general number format", Describe(c),
                 text, expected);
  fuzzing::Check(floatText == floatGeneral, "FloatText differs from FormatGeneral(value, 15, 0)",
                 Describe(c), floatText, floatGeneral);
  const int patternPrecision = c.precision >= 0 && c.precision <= 18 ? c.precision : 15;
  const std::string starExpected =
      fuzzing::ExpectedGeneral(c.value, patternPrecision, 3, c.separator);
  fuzzing::Check(starPattern == starExpected, "\"%.*g\" is not the general format", Describe(c),
                 starPattern, starExpected);
  const std::string fiveExpected = fuzzing::ExpectedGeneral(c.value, 5, 3, c.separator);
  fuzzing::Check(fivePattern == fiveExpected, "\"%.5g\" is not the general format", Describe(c),
                 fivePattern, fiveExpected);
  if (!std::isfinite(c.value)) {
    return 0;
  }
  CheckReadsBack(text, c, "FormatGeneral");
  CheckReadsBack(floatText, c, "FloatText");

  // Seventeen significant digits tell every double apart (both zeros are written "0").
  if (c.precision >= 17 && c.value != 0) {
    std::string dotted = text;
    for (char& ch : dotted) {
      if (ch == c.separator) ch = '.';
    }
    const std::optional<double> read = controls::ParseDecimal(dotted);
    fuzzing::Check(read && *read == c.value, "17 or more digits do not give the value back",
                   Describe(c), read ? Bits(*read) : "failure", Bits(c.value));
  }
  return 0;
}
