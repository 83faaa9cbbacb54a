// ParseDecimal over arbitrary bytes: it reads exactly the texts of the decimal reading rule, as
// an independent recogniser sees them, and what it reads is the double nearest to the text's
// digits (strtod's correctly rounded value), with the text's sign on zeros and infinities.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "controls/number_text.h"
#include "fuzz_check.h"
#include "reference_number_text.h"

namespace {

std::string Bits(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  char text[32];
  std::snprintf(text, sizeof text, "%a (0x%016llX)", value, static_cast<unsigned long long>(bits));
  return text;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<double> read = controls::ParseDecimal(text);
  const std::optional<double> expected = fuzzing::ReferenceDecimal(text);

  fuzzing::Check(!read || expected, "ParseDecimal read a text outside the reading rule", text,
                 read ? Bits(*read) : "", "failure");
  fuzzing::Check(read || !expected, "ParseDecimal failed on a text of the reading rule", text,
                 "failure", expected ? Bits(*expected) : "");
  if (read && expected) {
    fuzzing::Check(SameBits(*read, *expected), "ParseDecimal is not the nearest double", text,
                   Bits(*read), Bits(*expected));
  }
  return 0;
}
