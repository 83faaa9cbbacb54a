// measure-host: a stand-in for the imaging host. It loads the plug-in, hands it the host's
// service function and main window, and prints what the plug-in hands back. Every service call
// the plug-in makes is logged on standard output.

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "host/host_service.h"
#include "host/main_window.h"
#include "host/options.h"
#include "host/plugin_library.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kLoadError = 3;

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  std::string error;
  const std::optional<host::Options> options = host::ParseOptions(arguments, error);
  if (!options) {
    std::cerr << "measure-host: " << error << '\n' << host::Usage();
    return kUsageError;
  }

  host::MainWindow mainWindow;
  host::ServeScene(&options->scene, &std::cout);
  int status = 0;
  {
    const host::PluginLibrary library(options->pluginPath);
    if (!library.Loaded()) {
      std::cerr << "measure-host: " << library.Error() << '\n';
      status = kLoadError;
    } else {
      // The protocol promises the plug-in at least 8 and 22 bytes; the host has room to spare.
      char name[256] = {};
      char description[256] = {};
      library.Initialize(&host::HostService, name, description, mainWindow.Handle());
      std::cout << "plugin name: " << name << '\n'
                << "plugin description: " << description << '\n'
                << std::flush;
      library.Finalize();
      host::DispatchPendingMessages();
    }
  }
  host::ServeScene(nullptr, nullptr);
  return status;
}
