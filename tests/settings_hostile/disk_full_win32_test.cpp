// Saving on Windows when the disk is full: a file system of 64 KiB made by with_small_disk.sh
// (MEASURE_SMALL_DISK), reached through Wine's Z: drive. The save fails, the old file keeps its
// bytes and no temporary file is left. Skipped when no such file system could be made.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "settings/autosave.h"
#include "store_fixture.h"

namespace {

using settings_test::ReadBytes;
using settings_test::Window;
using settings_test::WriteBytes;

const std::string kOldContents = "1001->old\r\n9990->0\r\n9991->\r\n";

class DiskFullWin32 : public testing::Test {
 protected:
  void SetUp() override {
    const char* disk = std::getenv("MEASURE_SMALL_DISK");
    if (disk == nullptr || *disk == '\0') {
      GTEST_SKIP() << "no small file system (with_small_disk.sh needs root)";
    }
    folder_ = std::string("Z:") + disk;
    path_ = folder_ + "\\measure.ini";
    WriteBytes(path_, kOldContents);
    ASSERT_EQ(ReadBytes(path_), kOldContents);
  }
  void TearDown() override {
    if (!folder_.empty()) {
      std::error_code ignored;
      for (const auto& entry : std::filesystem::directory_iterator(folder_, ignored)) {
        std::filesystem::remove(entry.path(), ignored);
      }
    }
  }

  // Writes a file until the disk is full.
  void Fill() const {
    HANDLE file = CreateFileA((folder_ + "\\filler").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const std::string block(4096, 'f');
    for (DWORD size = 4096; size > 0; size /= 2) {
      DWORD written = 0;
      while (WriteFile(file, block.data(), size, &written, nullptr) && written == size) {
      }
    }
    CloseHandle(file);
  }

  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  void ExpectSaveFailsAndTheOldFileStays(const std::string& text) {
    Window window;
    window.Edit(1001, text);
    EXPECT_ANY_THROW(window.store().SaveToFile(path_, window.form()));
    EXPECT_EQ(ReadBytes(path_), kOldContents);
    for (const std::string& name : Entries()) {
      EXPECT_TRUE(name == "measure.ini" || name == "filler") << "left behind: " << name;
    }
  }

  std::string folder_;
  std::string path_;
};

TEST_F(DiskFullWin32, NoRoomForTheNewLines) {
  Fill();
  ExpectSaveFailsAndTheOldFileStays("new");
}

TEST_F(DiskFullWin32, RoomForPartOfTheNewLines) {
  ExpectSaveFailsAndTheOldFileStays(std::string(256 * 1024, 'x'));
  EXPECT_EQ(Entries(), std::set<std::string>{"measure.ini"});
}

}  // namespace
