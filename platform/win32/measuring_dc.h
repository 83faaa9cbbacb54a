#pragma once
// One device context for measuring text, made once per process: a memory context compatible
// with the screen, so its fonts and resolution are the screen's. A window's or the screen's own
// context is much dearer to get: the system has to set it up for drawing each time.

#include <windows.h>

namespace platform::win32 {

// Null when no context can be made. Whatever is selected into it must be selected out again.
HDC MeasuringDc();

}  // namespace platform::win32
