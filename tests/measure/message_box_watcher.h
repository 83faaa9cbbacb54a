#pragma once
// Windows only: while a watcher lives, every message box that this thread shows is read from its
// real window and then dismissed with its OK button, so tests that show boxes do not wait for a
// user.

#include <windows.h>

#include <string>
#include <vector>

namespace measure_test {

struct SeenBox {
  HWND owner = nullptr;              // GetWindow(box, GW_OWNER)
  std::string caption;
  std::string text;                  // the text of the box's message
  std::vector<std::string> buttons;  // captions of its visible buttons
  bool hasErrorIcon = false;         // shows the system's error icon
  bool ownerEnabled = false;         // whether the owner took input while the box was up
  std::vector<bool> watchedEnabled;  // the same for each window passed to WatchEnabled
};

class MessageBoxWatcher {
 public:
  MessageBoxWatcher();
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
  ~MessageBoxWatcher();

  // Windows whose enabled state is read while a box is up.
  void WatchEnabled(HWND window) { watched_.push_back(window); }

  // Every box seen so far, oldest first.
  const std::vector<SeenBox>& Seen() const { return seen_; }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  void Inspect();

  UINT_PTR timer_ = 0;
  std::vector<HWND> watched_;
  std::vector<SeenBox> seen_;
};

// A plain top-level window of this thread, hidden unless asked otherwise, to own boxes.
class TestWindow {
 public:
  explicit TestWindow(bool visible = false);
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  ~TestWindow();

  HWND Handle() const { return handle_; }

 private:
  HWND handle_ = nullptr;
};

}  // namespace measure_test
