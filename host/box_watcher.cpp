#include "host/box_watcher.h"

#include "host/plugin_window.h"

namespace host {
namespace {

constexpr char kSeenMark[] = "MeasureHostBoxSeen";
constexpr char kDialogClass[] = "#32770";

BoxWatcher* activeWatcher = nullptr;

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// The message of a box: the text of its one static control that holds text.
std::string BoxMessage(HWND box) {
  std::vector<HWND> children;
  EnumChildWindows(box, CollectWindow, reinterpret_cast<LPARAM>(&children));
  for (HWND child : children) {
    if (ClassNameOf(child) != "Static" || !IsWindowVisible(child)) {
      continue;
    }
    if ((GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      continue;
    }
    std::string text = WindowText(child);
    if (!text.empty()) {
      return text;
    }
  }
  return {};
}

}  // namespace

BoxWatcher::BoxWatcher(std::function<void(const SeenBox&)> onSeen) : onSeen_(std::move(onSeen)) {
  activeWatcher = this;
  timer_ = SetTimer(nullptr, 0, 20, OnTimer);
}

BoxWatcher::~BoxWatcher() {
  KillTimer(nullptr, timer_);
  if (activeWatcher == this) {
    activeWatcher = nullptr;
  }
}

void CALLBACK BoxWatcher::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (activeWatcher != nullptr) {
    activeWatcher->Inspect();
  }
}

void BoxWatcher::Inspect() {
  for (HWND box : ThreadWindowsOfClass(kDialogClass)) {
    // A box being dismissed carries a mark until it is gone.
    if (!IsWindowVisible(box) || GetPropA(box, kSeenMark) != nullptr) {
      continue;
    }
    SeenBox seen;
    seen.owner = GetWindow(box, GW_OWNER);
    seen.caption = WindowText(box);
    seen.text = BoxMessage(box);
    seen.topmostStyle = (GetWindowLongPtrA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    seen.ownerEnabled = seen.owner != nullptr && IsWindowEnabled(seen.owner);
    seen_.push_back(seen);
    if (onSeen_) {
      onSeen_(seen);
    }
    SetPropA(box, kSeenMark, reinterpret_cast<HANDLE>(1));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  }
}

}  // namespace host
