#include "platform/message_box.h"

namespace platform::detail {

// Headless: there is nobody to show a box to, so the call is only recorded and answered with OK.
int ShowSystemMessageBox(WindowHandle, const std::string&, const std::string&, std::uint32_t) {
  return 1;
}

}  // namespace platform::detail
