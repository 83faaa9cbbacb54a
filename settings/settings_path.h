#pragma once
// Where a window's settings file lives: in the directory of the program that started the
// process (the host application), not in this library's own directory.

#include <string>
#include <string_view>

namespace settings {

// The executable's path up to and including its last path delimiter, followed by `fileName`
// unchanged. When the executable's path has no delimiter (or cannot be had), just `fileName`.
std::string SettingsPath(std::string_view fileName);

}  // namespace settings
