#pragma once
// The timing mode: the plug-in's own costs as the host sees them, measured with the
// performance counter and printed one a line:
//   activate_first_ms=<x>  from the first pi_activate until the measure window is shown
//   calculate_ms=<y>       from a click on Calculate until the result label holds the result
//   calculate_handler_ms=<z>  the same from the button's notification on (WM_COMMAND), without
//                          the system's press and release of the button

#include <ostream>
#include <string>

#include "host/scene.h"

namespace host {

// The exit status: 0, or 1 when the window did not appear or the click gave no result.
int RunTiming(const std::string& pluginPath, Scene& scene, std::ostream& out);

}  // namespace host
