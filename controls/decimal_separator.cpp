#include "controls/decimal_separator.h"

#include "platform/locale.h"

namespace controls {
namespace {

// A function-local static is initialised on first use, so callers running during the static
// initialisation of other translation units see the user's setting too, never an unset char.
char& Separator() {
  static char separator = platform::UserDecimalSeparator();
  return separator;
}

}  // namespace

char DecimalSeparator() { return Separator(); }

void SetDecimalSeparator(char separator) { Separator() = separator; }

}  // namespace controls
