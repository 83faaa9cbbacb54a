#pragma once
// The state of the keyboard as the current message sees it.

namespace platform {

// Whether the key (a virtual key such as kVkShift) is held down. Always false headless.
bool KeyIsDown(unsigned virtualKey);

}  // namespace platform
