#pragma once
// Regional settings of the user the process runs for.

namespace platform {

// The first byte of the user's decimal separator ('.' where the system has no such setting or
// cannot report it).
char UserDecimalSeparator();

}  // namespace platform
