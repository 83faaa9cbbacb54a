#pragma once
// What the screen shows, read back from it (on an X server under Wine, from the X screen).

#include <windows.h>

#include "host/bitmap.h"

namespace host {

// Paints whatever the window and its children have pending and lets the display settle.
void PaintNow(HWND window);
// The pixels of the screen rectangle.
Image CaptureScreen(const RECT& rect);

}  // namespace host
