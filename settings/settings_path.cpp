#include "settings/settings_path.h"

#include "platform/executable_path.h"

namespace settings {

std::string SettingsPath(std::string_view fileName) {
  std::string path = platform::DirectoryPrefix(platform::ExecutablePath());
  path += fileName;
  return path;
}

}  // namespace settings
