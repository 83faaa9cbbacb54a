// DecodeNameKey over arbitrary lines: it succeeds exactly when an independent decoding of the
// shifted key does, with the same parts; what it returns shifts back to the stored key in front
// of the first "%"; on failure both parts are empty. The line is handed over in a buffer of its
// exact size, so a read past its end shows under AddressSanitizer.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "reference_settings.h"
#include "settings/autosave.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto copy = std::make_unique<char[]>(size);
  for (std::size_t i = 0; i < size; ++i) copy[i] = static_cast<char>(data[i]);
  const std::string_view line(copy.get(), size);

  const settings::DecodedNameKey key = settings::DecodeNameKey(line);
  const std::optional<fuzzing::NameKey> expected = fuzzing::ReferenceNameKey(line);
  const std::string got = key.ok ? key.FormPart + "?" + key.ComponentPart : "failure";
  const std::string want = expected ? expected->form + "?" + expected->component : "failure";
  fuzzing::Check(key.ok == expected.has_value() && got == want,
                 "DecodeNameKey differs from the key rule", line, got, want);
  if (!key.ok) {
    fuzzing::Check(key.FormPart.empty() && key.ComponentPart.empty(),
                   "DecodeNameKey left parts after a failure", line, got, "");
    return 0;
  }
  fuzzing::Check(key.FormPart.find('?') == std::string::npos && !key.ComponentPart.empty(),
                 "DecodeNameKey split the key elsewhere than at its first \"?\"", line, got, "");
  const std::size_t percent = line.find('%');
  const std::string stored = fuzzing::ShiftKey(key.FormPart + "?" + key.ComponentPart);
  fuzzing::Check(stored == line.substr(0, percent),
                 "DecodeNameKey's parts do not shift back to the stored key", line, stored,
                 line.substr(0, percent));
  return 0;
}
