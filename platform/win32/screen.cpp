#include "platform/screen.h"

#include <windows.h>

namespace platform {

ScreenSize PrimaryScreenSize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace platform
