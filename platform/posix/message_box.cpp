#include "platform/message_box.h"

namespace platform {
namespace {

std::vector<MessageBoxCall>& Calls() {
  static std::vector<MessageBoxCall> calls;
  return calls;
}

}  // namespace

// Headless: there is nobody to show a box to, so the call is only recorded and answered with OK.
int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                   std::uint32_t flags) {
  Calls().push_back({owner, text, caption, flags});
  return 1;
}

const std::vector<MessageBoxCall>& MessageBoxCalls() { return Calls(); }

void ClearMessageBoxCalls() { Calls().clear(); }

}  // namespace platform
