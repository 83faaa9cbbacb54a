#include "platform/keyboard.h"

#include <windows.h>

namespace platform {

bool KeyIsDown(unsigned virtualKey) { return GetKeyState(static_cast<int>(virtualKey)) < 0; }

}  // namespace platform
