#pragma once
// A fresh folder for one test, removed with everything in it afterwards, and small helpers to
// put bytes into files and look at them.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <string_view>

namespace settings_test {

class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    for (;;) {
      path_ = std::filesystem::temp_directory_path() /
              ("measure-settings-" + std::to_string(random()));
      if (std::filesystem::create_directory(path_)) {
        break;
      }
    }
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  const std::filesystem::path& path() const { return path_; }
  // A path inside the folder, as the narrow text the store and the file services take.
  std::string File(std::string_view name) const { return (path_ / name).string(); }

  // Names of everything in the folder.
  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Moves the file's modification time an hour back, so that any later write shows, however coarse
// the file system's clock.
inline std::filesystem::file_time_type AgeFile(const std::string& path) {
  const auto past = std::filesystem::last_write_time(path) - std::chrono::hours(1);
  std::filesystem::last_write_time(path, past);
  return std::filesystem::last_write_time(path);
}

}  // namespace settings_test
