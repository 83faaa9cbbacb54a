#include "platform/locale.h"

namespace platform {

// Native builds run headless tests only; they follow no regional setting.
char UserDecimalSeparator() { return '.'; }

}  // namespace platform
