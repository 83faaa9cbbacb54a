#include "measure/show_error.h"

#include "framework/application.h"
#include "platform/message_box.h"

namespace measure {

void ShowError(const std::string& message) {
  constexpr std::uint32_t kFlags = platform::kMessageBoxOk | platform::kMessageBoxIconError |
                                   platform::kMessageBoxTaskModal | platform::kMessageBoxTopmost;
  static_assert(kFlags == 0x42010);
  platform::ShowMessageBox(fw::Application().OwnerWindow(), message, "Error", kFlags);
}

}  // namespace measure
