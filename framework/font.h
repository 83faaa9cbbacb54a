#pragma once
// Colours and fonts of controls.

#include <cstdint>
#include <string>

#include "platform/font_description.h"

namespace fw {

// A colour: 0x00BBGGRR for a fixed colour, or kSystemColour with a system colour index (the
// indexes of platform/window.h) for one that follows the user's scheme.
using TColor = std::uint32_t;
inline constexpr TColor kSystemColour = 0x80000000u;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clWindow = kSystemColour | 5;
inline constexpr TColor clWindowText = kSystemColour | 8;
inline constexpr TColor clBtnFace = kSystemColour | 15;

// Font style bits.
enum TFontStyle : unsigned {
  fsBold = 1u << 0,
  fsItalic = 1u << 1,
  fsUnderline = 1u << 2,
  fsStrikeOut = 1u << 3,
};

inline constexpr int kAnsiCharset = platform::kAnsiCharset;
inline constexpr int kDefaultCharset = platform::kDefaultCharset;

// A font as a plain value: face name, character height in pixels (11 pixels is 8 points at 96
// pixels per inch; the line height is larger by the internal leading), style bits, colour and
// character set.
class TFont {
 public:
  TFont() = default;
  TFont(std::string name, int height, unsigned style = 0, TColor color = clWindowText,
        int charset = kDefaultCharset)
      : name_(std::move(name)), height_(height), style_(style), color_(color), charset_(charset) {}

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  int Height() const { return height_; }
  void SetHeight(int height) { height_ = height; }
  // Size in points at 96 pixels per inch (rounded).
  int Size() const { return (height_ * 72 + 48) / 96; }
  void SetSize(int points) { height_ = (points * 96 + 36) / 72; }
  unsigned Style() const { return style_; }
  void SetStyle(unsigned style) { style_ = style; }
  TColor Color() const { return color_; }
  void SetColor(TColor color) { color_ = color; }
  int Charset() const { return charset_; }
  void SetCharset(int charset) { charset_ = charset; }

  // What the window system needs to make the font (the colour is the painter's business).
  platform::FontDescription Description() const {
    platform::FontDescription d;
    d.name = name_;
    d.height = height_;
    d.bold = (style_ & fsBold) != 0;
    d.italic = (style_ & fsItalic) != 0;
    d.underline = (style_ & fsUnderline) != 0;
    d.strikeOut = (style_ & fsStrikeOut) != 0;
    d.charset = charset_;
    return d;
  }

  friend bool operator==(const TFont&, const TFont&) = default;

 private:
  std::string name_ = "MS Sans Serif";
  int height_ = 11;
  unsigned style_ = 0;
  TColor color_ = clWindowText;
  int charset_ = kDefaultCharset;
};

}  // namespace fw
