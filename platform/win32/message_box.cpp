#include "platform/message_box.h"

#include <windows.h>

namespace platform {

static_assert(kMessageBoxOk == MB_OK && kMessageBoxIconError == MB_ICONERROR &&
              kMessageBoxTaskModal == MB_TASKMODAL && kMessageBoxTopmost == MB_TOPMOST);

int detail::ShowSystemMessageBox(WindowHandle owner, const std::string& text,
                                 const std::string& caption, std::uint32_t flags) {
  // The system shows no box at all for an owner that is no window; then the box has none.
  HWND window = static_cast<HWND>(owner);
  if (window != nullptr && !IsWindow(window)) {
    window = nullptr;
  }
  return MessageBoxA(window, text.c_str(), caption.c_str(), static_cast<UINT>(flags));
}

}  // namespace platform
