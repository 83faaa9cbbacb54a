#include "message_box_watcher.h"

namespace measure_test {
namespace {

constexpr char kSeenMark[] = "MeasureTestBoxSeen";

// The watcher the thread timer reports to; one at a time.
MessageBoxWatcher* activeWatcher = nullptr;

std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, static_cast<int>(sizeof text));
  return text;
}

std::string ClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, static_cast<int>(sizeof name));
  return name;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> Children(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(window, CollectWindow, reinterpret_cast<LPARAM>(&children));
  return children;
}

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher() {
  activeWatcher = this;
  // A thread timer: the box's own modal loop dispatches it, so it fires while the box is up.
  timer_ = SetTimer(nullptr, 0, 20, OnTimer);
}

MessageBoxWatcher::~MessageBoxWatcher() {
  KillTimer(nullptr, timer_);
  activeWatcher = nullptr;
}

void CALLBACK MessageBoxWatcher::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (activeWatcher != nullptr) {
    activeWatcher->Inspect();
  }
}

void MessageBoxWatcher::Inspect() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
  for (HWND box : windows) {
    // A box being dismissed carries a mark until it is gone.
    if (ClassName(box) != "#32770" || !IsWindowVisible(box) || GetPropA(box, kSeenMark) != nullptr) {
      continue;
    }
    SeenBox seen;
    seen.owner = GetWindow(box, GW_OWNER);
    seen.caption = WindowText(box);
    const HICON errorIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_ERROR));
    for (HWND child : Children(box)) {
      if (!IsWindowVisible(child)) {
        continue;
      }
      const std::string kind = ClassName(child);
      if (kind == "Button") {
        seen.buttons.push_back(WindowText(child));
      } else if (kind == "Static") {
        const auto style = GetWindowLongPtrA(child, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON) {
          const auto icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
          seen.hasErrorIcon = seen.hasErrorIcon || icon == errorIcon;
        } else if (!WindowText(child).empty()) {
          seen.text = WindowText(child);
        }
      }
    }
    seen.ownerEnabled = seen.owner != nullptr && IsWindowEnabled(seen.owner);
    for (HWND window : watched_) {
      seen.watchedEnabled.push_back(IsWindowEnabled(window) != FALSE);
    }
    seen_.push_back(seen);
    SetPropA(box, kSeenMark, reinterpret_cast<HANDLE>(1));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  }
}

TestWindow::TestWindow(bool visible) {
  static const char* const className = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "MeasureTestWindow";
    RegisterClassA(&windowClass);
    return "MeasureTestWindow";
  }();
  handle_ = CreateWindowExA(0, className, "Test window", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (visible) {
    ShowWindow(handle_, SW_SHOWNOACTIVATE);
  }
}

TestWindow::~TestWindow() { DestroyWindow(handle_); }

}  // namespace measure_test
