#include "platform/executable_path.h"

#include <unistd.h>

#include <string>

namespace platform {

std::string ExecutablePath() {
  std::string path(256, '\0');
  for (;;) {
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    if (length < 0) {
      return {};
    }
    if (static_cast<std::size_t>(length) < path.size()) {
      path.resize(static_cast<std::size_t>(length));
      return path;
    }
    if (path.size() >= 65536) {
      return {};
    }
    path.resize(path.size() * 2);
  }
}

std::string DirectoryPrefix(std::string_view path) {
  // "/" is the delimiter here; "\" and ":" are kept as on Windows so the rule stays one rule.
  const std::size_t last = path.find_last_of("\\:/");
  return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

}  // namespace platform
