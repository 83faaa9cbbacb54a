#pragma once
// The interactive mode, for a person: the host's main window shows an image (a 24-bit BMP file,
// or a generated test chart), the left mouse button marks a point on it, the right button (or
// Points > Clear points) clears the marks, and Plug-in > Measure... activates the plug-in, as
// the imaging host does. Commands 16, 1 and 12 serve that image and its marked points. Closing
// the main window finalises the plug-in, lets the loop release its window and unloads it.

#include <ostream>
#include <string>

#include "host/options.h"

namespace host {

// The exit status: 0, or 1 when the image or the plug-in cannot be loaded.
int RunInteractive(const Options& options, std::ostream& out);

}  // namespace host
