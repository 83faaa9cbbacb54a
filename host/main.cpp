// measure-host: a stand-in for the imaging host. It loads the plug-in, hands it the host's
// service function and main window, drives the plug-in's window with real messages as a user
// would, and prints what the user would see. Every service call the plug-in makes is logged.
//
// Modes: the default scene (or a script of commands, --script), the timing of the plug-in's own
// costs (--timing) and an interactive main window for a person (--interactive).

#include <iostream>
#include <string>
#include <vector>

#include "host/interactive.h"
#include "host/options.h"
#include "host/script.h"
#include "host/timing.h"

namespace {

constexpr int kUsageError = 2;

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  std::string error;
  std::optional<host::Options> options = host::ParseOptions(arguments, error);
  if (!options) {
    std::cerr << "measure-host: " << error << '\n' << host::Usage();
    return kUsageError;
  }
  switch (options->mode) {
    case host::Mode::kHelp:
      std::cout << host::Usage();
      return 0;
    case host::Mode::kTiming:
      return host::RunTiming(options->pluginPath, options->scene, std::cout);
    case host::Mode::kInteractive:
      return host::RunInteractive(*options, std::cout);
    case host::Mode::kScript:
      break;
  }
  std::vector<std::string> script;
  if (options->scriptPath.empty()) {
    script = host::DefaultScript(options->screenshotPath);
  } else if (!host::ReadScript(options->scriptPath, script)) {
    std::cerr << "measure-host: cannot read " << options->scriptPath << '\n';
    return kUsageError;
  }
  return host::RunScript(script, options->pluginPath, options->scene, std::cout);
}
