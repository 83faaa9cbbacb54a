#pragma once
// The system beep. Every beep is also counted, so that tests can see how often the user would
// have heard it; the headless build only counts.

namespace platform {

// The default system sound (MessageBeep(MB_OK) on Windows).
void Beep();

// Beeps since the start or the last ResetBeepCount.
int BeepCount();
void ResetBeepCount();

}  // namespace platform
