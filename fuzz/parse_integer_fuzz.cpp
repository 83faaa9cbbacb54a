// ParseInteger and IntegerOrDefault over arbitrary bytes: ParseInteger reads exactly what an
// independent reading of the integer rule reads, with the same value, and IntegerOrDefault gives
// the default exactly when ParseInteger fails. Every value read is also written back with
// IntegerText (as printf's "%.*d" writes it, at least one digit) and read again unchanged, as
// the settings file writes and reads its integers.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "controls/number_text.h"
#include "fuzz_check.h"
#include "reference_number_text.h"

namespace {

std::string Show(const std::optional<std::int32_t>& value) {
  return value ? std::to_string(*value) : "failure";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<std::int32_t> read = controls::ParseInteger(text);
  const std::optional<std::int32_t> expected = fuzzing::ReferenceInteger(text);
  fuzzing::Check(read == expected, "ParseInteger differs from the integer rule", text, Show(read),
                 Show(expected));

  // Defaults at the ends of the range, the store's two defaults, and ones next to the value read
  // (so that a success that returned the default would show).
  const std::int32_t near = read ? *read : 0;
  const std::int32_t defaults[] = {
      -1, 0, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(),
      static_cast<std::int32_t>(static_cast<std::uint32_t>(near) + 1u),
      static_cast<std::int32_t>(static_cast<std::uint32_t>(near) - 1u)};
  for (const std::int32_t fallback : defaults) {
    const std::int32_t got = controls::IntegerOrDefault(text, fallback);
    const std::int32_t want = read ? *read : fallback;
    fuzzing::Check(got == want, "IntegerOrDefault is not ParseInteger's value or the default",
                   text, std::to_string(got), std::to_string(want));
  }

  if (read) {
    for (const int minDigits : {0, 4, 16}) {
      const std::string written = controls::IntegerText(*read, minDigits);
      // printf writes nothing for zero at precision 0; one digit is the least IntegerText writes.
      char padded[32];
      std::snprintf(padded, sizeof padded, "%.*d", minDigits > 1 ? minDigits : 1,
                    static_cast<int>(*read));
      fuzzing::Check(written == padded, "IntegerText is not the padded decimal text", text,
                     written, padded);
      fuzzing::Check(controls::ParseInteger(written) == read,
                     "IntegerText does not read back as the same integer", text, written,
                     std::to_string(*read));
    }
  }
  return 0;
}
