#pragma once
// Where the running program lives.

#include <string>
#include <string_view>

namespace platform {

// Full path of the executable file that started the process (for a library, the program that
// loaded it, not the library itself). Empty when the system cannot tell.
std::string ExecutablePath();

// Everything of `path` up to and including its last path delimiter; empty when it has none.
// Delimiters are "\" and ":" on Windows, where the second byte of a double-byte character is
// never taken for one; on POSIX systems "/" as well, so that the result is the directory.
std::string DirectoryPrefix(std::string_view path);

}  // namespace platform
