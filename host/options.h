#pragma once
// The host stand-in's command line.

#include <optional>
#include <string>
#include <vector>

#include "host/scene.h"

namespace host {

struct Options {
  std::string pluginPath = "dist/x86_64/measure.dll";
  Scene scene;
};

// Reads
//   --plugin PATH     the plug-in library (default dist/x86_64/measure.dll, from the
//                     current directory)
//   --no-image        no image is open
//   --width N         the image's width in pixels (default 1000; 0 or less is allowed)
//   --height N        its height (default 750)
//   --point X,Y       a marked point; repeat for more (default: none)
//   --fail-point I    the host answers 0 for point I although it counts it
// On a mistake `error` says what is wrong and the result is empty.
std::optional<Options> ParseOptions(const std::vector<std::string>& arguments, std::string& error);

// The lines printed for --help or after a mistake.
std::string Usage();

}  // namespace host
