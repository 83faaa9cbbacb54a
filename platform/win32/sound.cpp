#include <windows.h>

#include "platform/beep_counter.h"

namespace platform {

void Beep() {
  CountBeep();
  MessageBeep(MB_OK);
}

}  // namespace platform
