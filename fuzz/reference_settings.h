#pragma once
// Independent readings of the settings file's structure for the fuzz targets: the line split,
// the shifted name key (both directions) and ASCII upper-casing.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fuzzing {

// A line ends at CR, LF or NUL; one CR and then one LF after it belong to the break; a NUL (or
// the end) ends the data. Written as a walk over the bytes.
inline std::vector<std::string> ReferenceLines(std::string_view data) {
  std::vector<std::string> lines;
  std::string line;
  bool open = false;  // a line has begun and not yet ended
  std::size_t i = 0;
  while (i < data.size()) {
    const char c = data[i];
    if (c == '\0') {
      break;
    }
    if (c != '\r' && c != '\n') {
      line += c;
      open = true;
      ++i;
      continue;
    }
    lines.push_back(line);
    line.clear();
    open = false;
    if (c == '\r') ++i;
    if (i < data.size() && data[i] == '\n') ++i;
  }
  if (open) {
    lines.push_back(line);
  }
  return lines;
}

inline std::string CrLfJoined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

inline std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return out;
}

// Plain key byte at position i (from 1) stored as byte + 20 + (i mod 4), modulo 256.
inline std::string ShiftKey(std::string_view plain) {
  std::string stored(plain);
  for (std::size_t i = 0; i < stored.size(); ++i) {
    stored[i] = static_cast<char>((static_cast<unsigned>(static_cast<unsigned char>(stored[i])) +
                                   20u + (i + 1) % 4) & 0xFFu);
  }
  return stored;
}

struct NameKey {
  std::string form;
  std::string component;
};

// The key in front of the first "%", turned back: none when there is no "%", the key is shorter
// than three characters, a byte decodes outside 0-9, A-Z, "_", "?", or the decoded key has no
// "?" or ends with its first one.
inline std::optional<NameKey> ReferenceNameKey(std::string_view line) {
  std::size_t percent = 0;
  while (percent < line.size() && line[percent] != '%') ++percent;
  if (percent == line.size() || percent < 3) {
    return std::nullopt;
  }
  std::string plain;
  for (std::size_t i = 0; i < percent; ++i) {
    const int shift = 20 + static_cast<int>((i + 1) % 4);
    const int b = (static_cast<unsigned char>(line[i]) - shift + 256) % 256;
    const bool allowed = (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || b == '_' || b == '?';
    if (!allowed) {
      return std::nullopt;
    }
    plain += static_cast<char>(b);
  }
  std::size_t question = 0;
  while (question < plain.size() && plain[question] != '?') ++question;
  if (question + 1 >= plain.size()) {
    return std::nullopt;  // no "?", or it is the last character
  }
  return NameKey{plain.substr(0, question), plain.substr(question + 1)};
}

}  // namespace fuzzing
