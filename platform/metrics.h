#pragma once
// Text and system metrics.
//
// Headless, the figures are fixed and plausible for 96 pixels per inch: a font's line height is
// its character height plus an internal leading of 2 pixels, the default font's line height is
// 16, the thin border is 1 pixel and new-style 3-D controls are drawn. Tests may replace the
// figures in either build with OverrideMetrics.

#include <optional>

#include "platform/font_description.h"

namespace platform {

// The height of one line of text in the font (the text metric's full height).
int FontLineHeight(const FontDescription& font);
// The same for the system's default font.
int DefaultFontLineHeight();
// The height of a thin window border (SM_CYBORDER).
int ThinBorderHeight();
// Whether the system draws controls in the new 3-D style (sunken client edges).
bool NewStyleControls();

// Figures that replace the system's while set; a reset (std::nullopt) goes back to the system's.
struct MetricsOverride {
  int internalLeading = 2;  // a font's line height is its character height plus this
  int defaultFontLineHeight = 16;
  int thinBorderHeight = 1;
  bool newStyleControls = true;
};
void OverrideMetrics(std::optional<MetricsOverride> figures);
const std::optional<MetricsOverride>& MetricsOverrideInForce();

}  // namespace platform
