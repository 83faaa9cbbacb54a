#include "platform/beep_counter.h"

namespace platform {

// Headless: nothing to hear, the beep is only counted.
void Beep() { CountBeep(); }

}  // namespace platform
