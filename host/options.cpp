#include "host/options.h"

#include <charconv>
#include <cstdint>
#include <string_view>

namespace host {
namespace {

std::optional<std::int32_t> ReadInteger(std::string_view text) {
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

std::optional<Point> ReadPoint(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) {
    return std::nullopt;
  }
  const std::optional<std::int32_t> x = ReadInteger(text.substr(0, comma));
  const std::optional<std::int32_t> y = ReadInteger(text.substr(comma + 1));
  if (!x || !y) {
    return std::nullopt;
  }
  return Point{*x, *y};
}

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& arguments, std::string& error) {
  Options options;
  bool pointsGiven = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& option = arguments[i];
    if (option == "--no-image") {
      options.scene.imageOpen = false;
      continue;
    }
    if (option == "--no-points") {
      pointsGiven = true;
      continue;
    }
    if (option == "--unwritten-width") {
      options.scene.widthUnwritten = true;
      continue;
    }
    if (option == "--unwritten-count") {
      options.scene.countUnwritten = true;
      continue;
    }
    if (option == "--timing" || option == "--interactive" || option == "--help") {
      options.mode = option == "--timing" ? Mode::kTiming
                     : option == "--help" ? Mode::kHelp
                                          : Mode::kInteractive;
      continue;
    }
    const bool takesValue = option == "--plugin" || option == "--width" || option == "--height" ||
                            option == "--point" || option == "--fail-point" ||
                            option == "--image-id" || option == "--point-count" ||
                            option == "--unwritten-point" ||
                            option == "--script" || option == "--screenshot" || option == "--image";
    if (!takesValue) {
      error = "unknown option " + option;
      return std::nullopt;
    }
    if (i + 1 == arguments.size()) {
      error = option + " needs a value";
      return std::nullopt;
    }
    const std::string& value = arguments[++i];
    if (option == "--plugin") {
      options.pluginPath = value;
    } else if (option == "--script") {
      options.scriptPath = value;
    } else if (option == "--screenshot") {
      options.screenshotPath = value;
    } else if (option == "--image") {
      options.imagePath = value;
    } else if (option == "--point") {
      const std::optional<Point> point = ReadPoint(value);
      if (!point) {
        error = "--point needs X,Y, not " + value;
        return std::nullopt;
      }
      options.scene.points.push_back(*point);
      pointsGiven = true;
    } else {
      const std::optional<std::int32_t> number = ReadInteger(value);
      if (!number) {
        error = option + " needs an integer, not " + value;
        return std::nullopt;
      }
      if (option == "--width") {
        options.scene.width = *number;
      } else if (option == "--height") {
        options.scene.height = *number;
      } else if (option == "--image-id") {
        options.scene.announcedImageId = *number;
      } else if (option == "--point-count") {
        options.scene.reportedCount = *number;
      } else if (option == "--unwritten-point") {
        options.scene.unwrittenPoint = *number;
      } else {
        options.scene.failingPoint = *number;
      }
    }
  }
  if (!pointsGiven) {
    options.scene.points = {Point{100, 300}, Point{200, 300}};
  }
  return options;
}

std::string Usage() {
  return "usage: measure-host [--plugin PATH] [--script FILE | --timing | --interactive [--image "
         "FILE]]\n"
         "                    [--screenshot FILE] [--no-image] [--width N] [--height N]\n"
         "                    [--point X,Y]... [--no-points] [--fail-point I] [--help]\n"
         "                    [--image-id N] [--unwritten-width] [--point-count N]\n"
         "                    [--unwritten-count] [--unwritten-point I]\n"
         "Without --script, --timing or --interactive the default scene runs: the plug-in is\n"
         "loaded, initialised and activated, 15.5 and 45.5 are typed in, Calculate is clicked, "
         "the\n"
         "window is closed and activated again, finalised, released and unloaded, and the\n"
         "settings file is shown. Script commands: see host/script.h.\n"
         "The scene (integers are 32-bit signed, from -2147483648 to 2147483647):\n"
         "  --no-image           no image is open: command 16 answers 0\n"
         "  --width N            the image's width (default 1000; 0 or less is allowed)\n"
         "  --height N           its height (default 750)\n"
         "  --point X,Y          a marked point; repeat for more (default (100,300) and "
         "(200,300))\n"
         "  --no-points          no marked points\n"
         "  --fail-point I       point I is counted but answered with 0\n"
         "A faulty host:\n"
         "  --image-id N         command 16 answers N, an image commands 1 and 12 do not know\n"
         "                       (unless N is 1, the open image's own identifier)\n"
         "  --unwritten-width    command 1 answers success but writes no width\n"
         "  --point-count N      the count form of command 12 reports N points, whatever is "
         "marked\n"
         "  --unwritten-count    the count form answers success but writes no count\n"
         "  --unwritten-point I  point I is answered with success but not written\n";
}

}  // namespace host
