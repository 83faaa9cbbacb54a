#pragma once
// Makers of hostile settings-file contents, generated when a test runs (the big ones are never
// kept in the repository): NULs, a byte-order mark, one very long line, very many short lines,
// seeded noise and very long values.

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace settings_hostile {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
inline constexpr std::size_t kTenMegabytes = 10u << 20;
inline constexpr int kMillion = 1'000'000;
inline constexpr std::size_t kLongValue = 100'000;

inline std::string Nuls(std::size_t count) { return std::string(count, '\0'); }

// `count` pseudo-random bytes from a fixed seed, the same on every run and platform (the
// engine's sequence is fixed by the standard; the distribution is not, so none is used). Without
// NULs, each NUL becomes a "#", so that the whole text is read.
inline std::string Noise(std::uint32_t seed, std::size_t count, bool nuls) {
  std::mt19937 engine(seed);
  std::string bytes(count, '\0');
  for (char& byte : bytes) {
    byte = static_cast<char>(engine() & 0xFFu);
    if (!nuls && byte == '\0') {
      byte = '#';
    }
  }
  return bytes;
}

// The line "<tag>-><value>" with CR LF, the tag as four digits.
inline std::string Line(int tag, std::string_view value) {
  std::string line = std::to_string(tag);
  line.insert(0, line.size() < 4 ? 4 - line.size() : 0, '0');
  line += "->";
  line += value;
  line += "\r\n";
  return line;
}

// UTF-16 (little endian, with its byte-order mark) of a plain ASCII text.
inline std::string Utf16(std::string_view ascii) {
  std::string bytes = "\xFF\xFE";
  for (char c : ascii) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

// A text for messages: its size and its start, never megabytes of it.
inline std::string Abbreviated(const std::string& text) {
  if (text.size() <= 40) {
    return '"' + text + '"';
  }
  return '"' + text.substr(0, 40) + "\"... (" + std::to_string(text.size()) + " bytes)";
}

}  // namespace settings_hostile
