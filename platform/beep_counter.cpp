#include "platform/beep_counter.h"

namespace platform {
namespace {

int& Count() {
  static int count = 0;
  return count;
}

}  // namespace

void CountBeep() { ++Count(); }

int BeepCount() { return Count(); }

void ResetBeepCount() { Count() = 0; }

}  // namespace platform
