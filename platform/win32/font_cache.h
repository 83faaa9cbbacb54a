#pragma once
// Font objects made from descriptions, one per distinct description, kept until the process ends.

#include <windows.h>

#include "platform/font_description.h"

namespace platform::win32 {

HFONT FontHandle(const FontDescription& font);

}  // namespace platform::win32
