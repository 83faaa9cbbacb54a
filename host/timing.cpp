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

  // pi_activate creates and shows the window before it returns; finding the window and the
  // controls is the host stand-in's own work and stays outside the clock.
  const Stopwatch activation;
  session.Activate();
  const double activateMs = activation.Milliseconds();
  const PluginWindow window = PluginWindow::Find();
  if (!window.Visible()) {
    out << "error: pi_activate showed no window\n";
    return 1;
  }
  out << "activate_first_ms=" << activateMs << '\n';

  // The click is handled before SendMessage returns: the label then holds the result.
  const HWND button = window.CalculateButton();
  const HWND label = window.ResultLabel();
  const Stopwatch calculation;
  SendMessageA(button, BM_CLICK, 0, 0);
  const double calculateMs = calculation.Milliseconds();
  const std::string after = WindowText(label);
  if (!session.Boxes().empty() || after.rfind("L = ", 0) != 0) {
    out << "error: the click gave no result: the scene needs an image and two points\n";
    return 1;
  }
  out << "calculate_ms=" << calculateMs << '\n';

  // The plug-in's own share of a click: the button's notification alone, without the system's
  // pressing and releasing of the button (capture, two paints), which a click also costs.
  SetWindowTextA(label, "");
  const Stopwatch notification;
  SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
  const double handlerMs = notification.Milliseconds();
  if (WindowText(label).rfind("L = ", 0) != 0) {
    out << "error: the button's notification gave no result\n";
    return 1;
  }
  out << "calculate_handler_ms=" << handlerMs << '\n';

  session.Finalize();
  session.Pump();
  session.Unload();
  return 0;
}

}  // namespace host
