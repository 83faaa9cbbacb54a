#pragma once
// Modal message boxes. Every box asked for is also recorded, so that tests can see what the user
// would have been shown; the native (headless) build only records.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/window_handle.h"

namespace platform {

// Flags of a message box, with the values Windows gives them.
inline constexpr std::uint32_t kMessageBoxOk = 0x0;              // one OK button
inline constexpr std::uint32_t kMessageBoxIconError = 0x10;      // the error icon
inline constexpr std::uint32_t kMessageBoxTaskModal = 0x2000;    // no owner: disable the thread's windows
inline constexpr std::uint32_t kMessageBoxTopmost = 0x40000;     // the box is a top-most window

struct MessageBoxCall {
  WindowHandle owner = nullptr;
  std::string text;
  std::string caption;
  std::uint32_t flags = 0;
};

// Shows a modal box owned by `owner` (none when null) and returns once the user has dismissed it,
// with the system's code of the button pressed. Native builds show nothing and return 1 (OK).
int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                   std::uint32_t flags);

// Every ShowMessageBox call since the start or the last ClearMessageBoxCalls, oldest first. The
// call is recorded before the box is shown.
const std::vector<MessageBoxCall>& MessageBoxCalls();
void ClearMessageBoxCalls();

namespace detail {
// The system's box, without the recording: implemented once per platform.
int ShowSystemMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                         std::uint32_t flags);
}  // namespace detail

}  // namespace platform
