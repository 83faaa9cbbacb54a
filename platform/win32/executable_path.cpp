#include "platform/executable_path.h"

#include <windows.h>

#include <string>

namespace platform {

std::string ExecutablePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(path.size());
    // No module handle: the file that started the process, not this library.
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), size);
    if (length == 0) {
      return {};
    }
    if (length < size) {
      path.resize(length);
      return path;
    }
    if (path.size() >= 32768) {  // longer than any path the system allows
      return {};
    }
    path.resize(path.size() * 2);
  }
}

std::string DirectoryPrefix(std::string_view path) {
  std::size_t keep = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const char c = path[i];
    if (c == '\\' || c == ':') {
      keep = i + 1;
    } else if (IsDBCSLeadByte(static_cast<BYTE>(c)) && i + 1 < path.size()) {
      ++i;  // the trail byte of a double-byte character is never a delimiter
    }
  }
  return std::string(path.substr(0, keep));
}

}  // namespace platform
