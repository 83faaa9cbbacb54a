#include "platform/text_extent.h"

#include "platform/metrics.h"

namespace platform {

TextSize TextExtent(const FontDescription& font, const std::string& text) {
  return {static_cast<int>(text.size()) * ((font.height + 1) / 2), FontLineHeight(font)};
}

}  // namespace platform
