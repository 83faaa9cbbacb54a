#pragma once
// The host stand-in's command line.

#include <optional>
#include <string>
#include <vector>

#include "host/scene.h"

namespace host {

enum class Mode {
  kScript,       // a scene end to end, printing what the user sees (the default)
  kTiming,       // the plug-in's own costs
  kInteractive,  // a main window with an image for a person to use
  kHelp,
};

struct Options {
  Mode mode = Mode::kScript;
  std::string pluginPath = "dist/x86_64/measure.dll";
  std::string scriptPath;      // empty: the default scene
  std::string screenshotPath;  // empty: none
  std::string imagePath;       // empty: a generated test chart
  Scene scene;
};

// Reads
//   --plugin PATH     the plug-in library (default dist/x86_64/measure.dll, from the
//                     current directory)
//   --script FILE     runs the commands of FILE instead of the default scene
//   --screenshot FILE saves the window as a BMP file after the default scene's calculation
//   --timing          prints activate_first_ms=... and calculate_ms=... and ends
//   --interactive     opens a main window with an image for a person to use
//   --image FILE      the interactive mode's image, a 24-bit BMP file (default: a test chart)
//   --no-image        no image is open
//   --width N         the image's width in pixels (default 1000; 0 or less is allowed)
//   --height N        its height (default 750)
//   --point X,Y       a marked point; repeat for more (default: (100,300) and (200,300), two
//                     points 100 pixels apart)
//   --no-points       no marked points
//   --fail-point I    the host answers 0 for point I although it counts it
// and the answers of a faulty host:
//   --image-id N      command 16 answers N, an image that commands 1 and 12 do not know
//                     (unless N is the open image's identifier, 1)
//   --unwritten-width command 1 answers success but writes no width
//   --point-count N   the count form of command 12 reports N, whatever is marked
//   --unwritten-count the count form answers success but writes no count
//   --unwritten-point I  point I is answered with success but not written
//   --help
// On a mistake `error` says what is wrong and the result is empty.
std::optional<Options> ParseOptions(const std::vector<std::string>& arguments, std::string& error);

// The lines printed for --help or after a mistake.
std::string Usage();

}  // namespace host
