#include "platform/message_box.h"

namespace platform {
namespace {

std::vector<MessageBoxCall>& Calls() {
  static std::vector<MessageBoxCall> calls;
  return calls;
}

}  // namespace

int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                   std::uint32_t flags) {
  Calls().push_back({owner, text, caption, flags});
  return detail::ShowSystemMessageBox(owner, text, caption, flags);
}

const std::vector<MessageBoxCall>& MessageBoxCalls() { return Calls(); }

void ClearMessageBoxCalls() { Calls().clear(); }

}  // namespace platform
