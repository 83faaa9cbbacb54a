#pragma once
// The host stand-in's main window: the owner of the plug-in's windows and message boxes.

#include "platform/window_handle.h"

namespace host {

class MainWindow {
 public:
  // Creates the window, not yet visible.
  MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow();

  platform::WindowHandle Handle() const { return handle_; }

 private:
  platform::WindowHandle handle_ = nullptr;
};

// Dispatches the messages waiting in this thread's queue (the plug-in's posted requests among
// them) and returns when the queue is empty.
void DispatchPendingMessages();
// Dispatches messages as they come (timers and paint requests included) for about `milliseconds`.
void PumpMessagesFor(unsigned milliseconds);

}  // namespace host
