#pragma once
// While a watcher lives, every message box that this thread shows is read from its real window
// and then dismissed with its OK button, as an attentive user would, so that a scene runs on
// without anyone at the keyboard. A thread timer does the watching: the box's own modal loop
// dispatches it.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace host {

struct SeenBox {
  HWND owner = nullptr;  // GetWindow(box, GW_OWNER)
  std::string caption;
  std::string text;           // the message
  bool topmostStyle = false;  // the box's window has WS_EX_TOPMOST
  bool ownerEnabled = false;  // the owner took input while the box was up
};

class BoxWatcher {
 public:
  // `onSeen` (may be empty) hears of each box as it is found, before it is dismissed.
  explicit BoxWatcher(std::function<void(const SeenBox&)> onSeen = {});
  BoxWatcher(const BoxWatcher&) = delete;
  BoxWatcher& operator=(const BoxWatcher&) = delete;
  ~BoxWatcher();

  const std::vector<SeenBox>& Seen() const { return seen_; }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  void Inspect();

  UINT_PTR timer_ = 0;
  std::function<void(const SeenBox&)> onSeen_;
  std::vector<SeenBox> seen_;
};

}  // namespace host
