#pragma once
// What the window system needs to know to make a font: face name, character height in pixels
// (the height of the characters without the internal leading; 11 pixels is 8 points at 96 pixels
// per inch), weight and style flags and the character set.

#include <compare>
#include <string>

namespace platform {

inline constexpr int kAnsiCharset = 0;
inline constexpr int kDefaultCharset = 1;

struct FontDescription {
  std::string name = "MS Sans Serif";
  int height = 11;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int charset = kDefaultCharset;

  friend auto operator<=>(const FontDescription&, const FontDescription&) = default;
};

}  // namespace platform
