#pragma once
// The plug-in's measure window as the host (or a screen reader, or a test) sees it from outside:
// a top-level window of this thread of the class "TForm1", and its child windows, found by their
// class and their place. Everything is read from and done to the real windows with messages.

#include <windows.h>

#include <string>
#include <vector>

namespace host {

// A child window of the measure window.
struct ChildWindow {
  HWND window = nullptr;
  std::string className;
  RECT rect{};  // in the measure window's client coordinates
  std::string text;
  bool visible = false;
};

// The text of a window, read with WM_GETTEXT (what a screen reader reads).
std::string WindowText(HWND window);
std::string ClassNameOf(HWND window);
// Every top-level window of the calling thread of the class, in z order.
std::vector<HWND> ThreadWindowsOfClass(const std::string& className);

class PluginWindow {
 public:
  static constexpr const char* kClassName = "TForm1";

  // The calling thread's measure window; Exists() is false when there is none. With more than
  // one (which must not happen), the first in z order.
  static PluginWindow Find();
  // How many measure windows the calling thread has.
  static int Count();

  bool Exists() const { return window_ != nullptr && IsWindow(window_) != FALSE; }
  HWND Handle() const { return window_; }

  bool Visible() const;
  std::string Caption() const { return WindowText(window_); }
  RECT WindowRect() const;
  SIZE ClientSize() const;
  LONG_PTR Style() const;
  LONG_PTR ExStyle() const;
  HWND Owner() const;

  // Its child windows, in z order (the arrow pairs inside the fields included).
  std::vector<ChildWindow> Children() const;
  // The direct child of that class whose top-left corner lies at (left, top) in client
  // coordinates; null when there is none.
  HWND ChildAt(const std::string& className, int left, int top) const;

  // The controls, found by their class and place.
  HWND DistanceField() const { return ChildAt("TDoubSpin", 8, 20); }
  HWND FieldOfViewField() const { return ChildAt("TDoubSpin", 100, 20); }
  HWND DistanceLabel() const { return ChildAt("TLabel", 8, 4); }
  HWND FieldOfViewLabel() const { return ChildAt("TLabel", 100, 4); }
  HWND ResultLabel() const { return ChildAt("TLabel", 99, 59); }
  HWND CalculateButton() const { return ChildAt("TBitBtn", 8, 52); }

  // Types `text` into a field as the user would after selecting all of it: the field's text is
  // selected (EM_SETSEL) and each character is sent as WM_CHAR, which the field may refuse.
  static void Type(HWND field, const std::string& text);
  // Clicks Calculate (BM_CLICK: a press and a release of the left button on it).
  void ClickCalculate() const;
  // The close button of the caption: WM_CLOSE.
  void Close() const;

 private:
  explicit PluginWindow(HWND window) : window_(window) {}
  HWND window_ = nullptr;
};

}  // namespace host
