#pragma once
// Colours of the system's controls: a child control that draws itself (STATIC, BUTTON, EDIT)
// asks its parent with WM_CTLCOLOR... for the colours of the device context it is about to
// draw with and the brush of its background.

#include <cstdint>

#include "platform/messages.h"

namespace platform {

// The colour 0x00BBGGRR of a system colour index (kColorBtnFace and the like). Headless: the
// classic scheme's figures (button face 0xC0C0C0, window text black, ...).
std::uint32_t SystemColourRgb(int index);

// The answer to WM_CTLCOLOR...: sets the text colour and the background colour of the device
// context `dc` (the message's wParam) and returns the brush of the background (the message's
// result). Brushes of fixed colours are made once and kept. Headless: nothing is set; 0.
LResult PrepareControlColours(WParam dc, std::uint32_t textRgb, std::uint32_t backgroundRgb);

}  // namespace platform
