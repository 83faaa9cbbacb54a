#include "host/main_window.h"

#include <windows.h>

namespace host {
namespace {

constexpr char kClassName[] = "MeasureHostMainWindow";

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterMainWindowClass() {
  static const bool registered = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    return RegisterClassA(&windowClass) != 0;
  }();
  (void)registered;
}

}  // namespace

MainWindow::MainWindow() {
  RegisterMainWindowClass();
  handle_ = CreateWindowExA(0, kClassName, "Measure host", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                            CW_USEDEFAULT, 640, 480, nullptr, nullptr, GetModuleHandleA(nullptr),
                            nullptr);
}

MainWindow::~MainWindow() {
  if (handle_ != nullptr) {
    DestroyWindow(static_cast<HWND>(handle_));
  }
}

void DispatchPendingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void PumpMessagesFor(unsigned milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (;;) {
    DispatchPendingMessages();
    const ULONGLONG now = GetTickCount64();
    if (now >= end) {
      return;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
  }
}

}  // namespace host
