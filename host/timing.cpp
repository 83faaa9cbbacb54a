#include "host/timing.h"

#include <windows.h>

#include "host/plugin_window.h"
#include "host/session.h"

namespace host {
namespace {

class Stopwatch {
 public:
  Stopwatch() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
  }
  double Milliseconds() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - start_.QuadPart) * 1000.0 /
           static_cast<double>(frequency_.QuadPart);
  }

 private:
  LARGE_INTEGER frequency_{};
  LARGE_INTEGER start_{};
};

}  // namespace

int RunTiming(const std::string& pluginPath, Scene& scene, std::ostream& out) {
  Session session(pluginPath, scene);
  if (!session.Load()) {
    out << "error: " << session.Error() << '\n';
    return 1;
  }
  session.Initialize();

  const Stopwatch activation;
  session.Activate();
  const PluginWindow window = PluginWindow::Find();
  const bool shown = window.Visible();
  const double activateMs = activation.Milliseconds();
  if (!shown) {
    out << "error: pi_activate showed no window\n";
    return 1;
  }
  out << "activate_first_ms=" << activateMs << '\n';

  const Stopwatch calculation;
  window.ClickCalculate();
  const std::string after = WindowText(window.ResultLabel());
  const double calculateMs = calculation.Milliseconds();
  if (!session.Boxes().empty() || after.rfind("L = ", 0) != 0) {
    out << "error: the click gave no result: the scene needs an image and two points\n";
    return 1;
  }
  out << "calculate_ms=" << calculateMs << '\n';

  session.Finalize();
  session.Pump();
  session.Unload();
  return 0;
}

}  // namespace host
