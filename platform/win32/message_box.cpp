#include "platform/message_box.h"

#include <windows.h>

namespace platform {

static_assert(kMessageBoxOk == MB_OK && kMessageBoxIconError == MB_ICONERROR &&
              kMessageBoxTaskModal == MB_TASKMODAL && kMessageBoxTopmost == MB_TOPMOST);

namespace {

std::vector<MessageBoxCall>& Calls() {
  static std::vector<MessageBoxCall> calls;
  return calls;
}

}  // namespace

int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                   std::uint32_t flags) {
  Calls().push_back({owner, text, caption, flags});
  return MessageBoxA(static_cast<HWND>(owner), text.c_str(), caption.c_str(),
                     static_cast<UINT>(flags));
}

const std::vector<MessageBoxCall>& MessageBoxCalls() { return Calls(); }

void ClearMessageBoxCalls() { Calls().clear(); }

}  // namespace platform
