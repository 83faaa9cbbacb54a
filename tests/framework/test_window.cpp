#include "test_window.h"

#include <windows.h>

#include "platform/window_styles.h"

namespace wintest {

TTestWindow::TTestWindow() : TWinControl(nullptr) {
  SetFont(fw::TFont("Tahoma", 11));
  SetBounds(100, 100, 360, 240);
  HandleNeeded();
  HWND window = static_cast<HWND>(HandleIfAllocated());
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  SetActiveWindow(window);
  Pump(50);
}

void TTestWindow::CreateParams(fw::TCreateParams& params) const {
  TWinControl::CreateParams(params);
  params.className = "TTestWindow";
  params.style = platform::kWsOverlapped | platform::kWsCaption | platform::kWsSysMenu |
                 platform::kWsClipChildren | platform::kWsVisible;
}

TTestWindow& SharedWindow() {
  static TTestWindow* window = new TTestWindow;
  return *window;
}

void Pump(unsigned milliseconds) { platform::PumpMessagesFor(milliseconds); }

platform::Rect WindowRectOf(platform::WindowHandle window) { return platform::NativeWindowRect(window); }

platform::Rect ClientRectOf(platform::WindowHandle window) { return platform::NativeClientRect(window); }

std::string Describe(const platform::Rect& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + ") " + std::to_string(r.Width()) + "x" + std::to_string(r.Height());
}

}  // namespace wintest
