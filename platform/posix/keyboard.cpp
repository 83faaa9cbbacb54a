#include "platform/keyboard.h"

namespace platform {

// Headless: there is no keyboard.
bool KeyIsDown(unsigned) { return false; }

}  // namespace platform
