#pragma once
// The one way a fuzz target reports a broken property: it prints what failed, with the input
// that showed it, and aborts, which libFuzzer records as a crash and keeps the input.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzzing {

// The text with every byte outside printable ASCII written as \xNN.
inline std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
      out += c;
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      out += hex;
    }
  }
  return out;
}

[[noreturn]] inline void Fail(const char* property, std::string_view input, std::string_view got,
                              std::string_view expected) {
  std::fprintf(stderr, "\nPROPERTY BROKEN: %s\n  input:    \"%s\"\n  got:      \"%s\"\n"
               "  expected: \"%s\"\n", property, Escaped(input).c_str(), Escaped(got).c_str(),
               Escaped(expected).c_str());
  std::abort();
}

inline void Check(bool holds, const char* property, std::string_view input,
                  std::string_view got = {}, std::string_view expected = {}) {
  if (!holds) {
    Fail(property, input, got, expected);
  }
}

}  // namespace fuzzing
