#pragma once
// Error boxes in tests. While an ErrorBoxes lives, the application's owner window is a window of
// the test's own and every box shown is collected: natively boxes are only recorded; on Windows
// each one really appears, is read from its window and dismissed.

#include <memory>
#include <string>
#include <vector>

#include "platform/window_handle.h"

namespace measure_test {

class ErrorBoxes {
 public:
  ErrorBoxes();
  ErrorBoxes(const ErrorBoxes&) = delete;
  ErrorBoxes& operator=(const ErrorBoxes&) = delete;
  // Leaves the application without an owner window.
  ~ErrorBoxes();

  platform::WindowHandle Owner() const;

  // The texts of the boxes shown so far, oldest first. Adds a test failure for every box that
  // was not an error box as the user must see it: owned by Owner(), titled "Error", flags
  // 0x42010 (OK, error icon, task-modal, top-most); on Windows also for a real box that did not
  // show the same (one OK button, the error icon, owner disabled while it was up).
  std::vector<std::string> Messages() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace measure_test
