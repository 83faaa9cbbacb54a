#pragma once
// The settings file "measure.ini" in this test program's folder, where the measure window keeps
// it: removed before and after each test, and read and written byte for byte.

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "settings/settings_path.h"

namespace window_test {

class SettingsFile {
 public:
  SettingsFile() { Remove(); }
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;
  ~SettingsFile() { Remove(); }

  static std::string Path() { return settings::SettingsPath("measure.ini"); }

  void Remove() const { std::remove(Path().c_str()); }

  // The file's bytes; empty when there is no file.
  std::optional<std::string> Contents() const {
    std::ifstream in(Path(), std::ios::binary);
    if (!in) {
      return std::nullopt;
    }
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  void Write(const std::string& bytes) const {
    std::ofstream out(Path(), std::ios::binary | std::ios::trunc);
    out << bytes;
  }
};

// What the window writes when its fields hold these texts.
inline std::string SavedLines(const std::string& distance, const std::string& fieldOfView) {
  return "1001->" + distance + "\r\n1002->" + fieldOfView + "\r\n9990->0\r\n9991->\r\n";
}

}  // namespace window_test
