#include "host/plugin_window.h"

namespace host {
namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

RECT ClientRectOf(HWND child, HWND parent) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

std::string WindowText(HWND window) {
  if (window == nullptr) {
    return {};
  }
  const auto length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
  const auto copied = SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                   reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

std::string ClassNameOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, static_cast<int>(sizeof name));
  return name;
}

std::vector<HWND> ThreadWindowsOfClass(const std::string& className) {
  std::vector<HWND> all;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> found;
  for (HWND window : all) {
    if (ClassNameOf(window) == className) {
      found.push_back(window);
    }
  }
  return found;
}

PluginWindow PluginWindow::Find() {
  const std::vector<HWND> windows = ThreadWindowsOfClass(kClassName);
  return PluginWindow(windows.empty() ? nullptr : windows.front());
}

int PluginWindow::Count() { return static_cast<int>(ThreadWindowsOfClass(kClassName).size()); }

bool PluginWindow::Visible() const { return Exists() && IsWindowVisible(window_) != FALSE; }

RECT PluginWindow::WindowRect() const {
  RECT r{};
  GetWindowRect(window_, &r);
  return r;
}

SIZE PluginWindow::ClientSize() const {
  RECT r{};
  GetClientRect(window_, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

LONG_PTR PluginWindow::Style() const { return GetWindowLongPtrA(window_, GWL_STYLE); }
LONG_PTR PluginWindow::ExStyle() const { return GetWindowLongPtrA(window_, GWL_EXSTYLE); }
HWND PluginWindow::Owner() const { return GetWindow(window_, GW_OWNER); }

std::vector<ChildWindow> PluginWindow::Children() const {
  std::vector<HWND> windows;
  if (Exists()) {
    EnumChildWindows(window_, CollectWindow, reinterpret_cast<LPARAM>(&windows));
  }
  std::vector<ChildWindow> children;
  for (HWND window : windows) {
    ChildWindow child;
    child.window = window;
    child.className = ClassNameOf(window);
    child.rect = ClientRectOf(window, window_);
    child.text = WindowText(window);
    child.visible = IsWindowVisible(window) != FALSE;
    children.push_back(child);
  }
  return children;
}

HWND PluginWindow::ChildAt(const std::string& className, int left, int top) const {
  for (const ChildWindow& child : Children()) {
    if (GetParent(child.window) == window_ && child.className == className &&
        child.rect.left == left && child.rect.top == top) {
      return child.window;
    }
  }
  return nullptr;
}

void PluginWindow::Type(HWND field, const std::string& text) {
  SendMessageA(field, EM_SETSEL, 0, -1);
  for (const char c : text) {
    SendMessageA(field, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
  }
}

void PluginWindow::ClickCalculate() const { SendMessageA(CalculateButton(), BM_CLICK, 0, 0); }

void PluginWindow::Close() const { SendMessageA(window_, WM_CLOSE, 0, 0); }

}  // namespace host
