#include "platform/control_colours.h"

#include "platform/window.h"

namespace platform {

std::uint32_t SystemColourRgb(int index) {
  switch (index) {
    case kColorWindow:
    case kColorBtnHighlight:
      return 0xFFFFFF;
    case kColorWindowText:
      return 0x000000;
    case kColorBtnShadow:
      return 0x808080;
    case kColorBtnFace:
    default:
      return 0xC0C0C0;
  }
}

LResult PrepareControlColours(WParam, std::uint32_t, std::uint32_t) { return 0; }

}  // namespace platform
