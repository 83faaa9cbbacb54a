#pragma once
// The counter behind BeepCount, shared by both implementations of Beep.

#include "platform/sound.h"

namespace platform {

void CountBeep();

}  // namespace platform
