#include "platform/screen.h"

namespace platform {

ScreenSize PrimaryScreenSize() { return {1024, 768}; }

}  // namespace platform
