#include "platform/locale.h"

#include <windows.h>

namespace platform {

char UserDecimalSeparator() {
  // LOCALE_SDECIMAL allows up to three characters plus the terminating zero.
  char separator[4] = {};
  const int written = GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator,
                                     static_cast<int>(sizeof separator));
  if (written <= 0 || separator[0] == '\0') {
    return '.';
  }
  return separator[0];
}

}  // namespace platform
