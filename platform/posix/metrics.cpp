#include "platform/metrics.h"

namespace platform {
namespace {

MetricsOverride Figures() { return MetricsOverrideInForce().value_or(MetricsOverride{}); }

}  // namespace

int FontLineHeight(const FontDescription& font) { return font.height + Figures().internalLeading; }

int DefaultFontLineHeight() { return Figures().defaultFontLineHeight; }

int ThinBorderHeight() { return Figures().thinBorderHeight; }

bool NewStyleControls() { return Figures().newStyleControls; }

}  // namespace platform
