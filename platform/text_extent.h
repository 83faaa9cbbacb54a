#pragma once
// The size a line of text takes in a font.

#include <string>

#include "platform/font_description.h"

namespace platform {

struct TextSize {
  int width = 0;
  int height = 0;
};

// Width and height of `text` drawn on one line in the font, byte for byte (an "&" is an ordinary
// character); the height is the font's line height, also for an empty text.
// Headless every character is (height + 1) / 2 pixels wide and the height is FontLineHeight.
TextSize TextExtent(const FontDescription& font, const std::string& text);

}  // namespace platform
