// The settings file on Windows: its place beside the real executable, and saving when the file
// cannot be replaced (held open by another handle, a directory in its place, no folder). Nothing
// is reported, the old contents stay and no temporary file is left behind.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <set>
#include <string>

#include "platform/executable_path.h"
#include "platform/files.h"
#include "settings/autosave.h"
#include "settings/settings_path.h"
#include "store_fixture.h"

namespace {

using settings_test::ReadBytes;
using settings_test::TempFolder;
using settings_test::Window;
using settings_test::WriteBytes;

const std::string kOldContents = "1001->old\r\n9990->0\r\n9991->\r\n";

std::string ModuleFileName() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length);
}

// An open handle on a file, closed at the end of the scope.
class HeldOpen {
 public:
  HeldOpen(const std::string& path, DWORD access, DWORD share)
      : handle_(CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  HeldOpen(const HeldOpen&) = delete;
  HeldOpen& operator=(const HeldOpen&) = delete;
  ~HeldOpen() {
    if (valid()) CloseHandle(handle_);
  }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

TEST(ExecutablePathWin32, IsTheModuleFileNameOfTheProgram) {
  const std::string path = platform::ExecutablePath();
  EXPECT_EQ(path, ModuleFileName());
  EXPECT_EQ(std::filesystem::path(path).filename().string(), "settings_win32_test.exe");
}

TEST(DirectoryPrefixWin32, KeepsUpToTheLastBackslashOrColon) {
  EXPECT_EQ(platform::DirectoryPrefix("C:\\Program Files\\Host\\host.exe"),
            "C:\\Program Files\\Host\\");
  EXPECT_EQ(platform::DirectoryPrefix("C:host.exe"), "C:");
  EXPECT_EQ(platform::DirectoryPrefix("\\\\server\\share\\host.exe"), "\\\\server\\share\\");
  EXPECT_EQ(platform::DirectoryPrefix("host.exe"), "");
  EXPECT_EQ(platform::DirectoryPrefix(""), "");
  // Only "\" and ":" are delimiters here.
  EXPECT_EQ(platform::DirectoryPrefix("C:\\dir/host.exe"), "C:\\");
}

// measure.ini beside this test program, removed before and after.
class BesideTheExecutable : public testing::Test {
 protected:
  BesideTheExecutable() { Remove(); }
  ~BesideTheExecutable() override { Remove(); }
  void Remove() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::set<std::string> Leftovers() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
      const std::string name = entry.path().filename().string();
      if (name.rfind("measure.ini", 0) == 0) names.insert(name);
    }
    return names;
  }

  const std::filesystem::path folder_ =
      std::filesystem::path(ModuleFileName()).parent_path();
  const std::string path_ = (folder_ / "measure.ini").string();
};

TEST_F(BesideTheExecutable, MeasureIniLandsNextToTheProgram) {
  EXPECT_EQ(settings::SettingsPath("measure.ini"), path_);
  Window window;
  window.Edit(1001, "15.5");
  window.Edit(1002, "45.5");
  window.store().SaveSettings("measure.ini", window.form());
  EXPECT_EQ(ReadBytes(path_), "1001->15.5\r\n1002->45.5\r\n9990->0\r\n9991->\r\n");
  EXPECT_EQ(Leftovers(), std::set<std::string>{"measure.ini"});

  Window later;
  auto* edd = later.Edit(1001, "1");
  auto* edfov = later.Edit(1002, "2");
  later.store().LoadSettings("measure.ini", later.form());
  EXPECT_EQ(edd->Text(), "15.5");
  EXPECT_EQ(edfov->Text(), "45.5");
}

TEST_F(BesideTheExecutable, FileHeldOpenWithoutSharingIsNotReplaced) {
  WriteBytes(path_, kOldContents);
  Window window;
  auto* edit = window.Edit(1001, "new");
  {
    HeldOpen other(path_, GENERIC_READ | GENERIC_WRITE, 0);
    ASSERT_TRUE(other.valid());
    window.store().SaveSettings("measure.ini", window.form());  // nothing reported
    edit->SetText("untouched");
    window.store().LoadSettings("measure.ini", window.form());  // cannot read: nothing changes
    EXPECT_EQ(edit->Text(), "untouched");
  }
  EXPECT_EQ(ReadBytes(path_), kOldContents);
  EXPECT_EQ(Leftovers(), std::set<std::string>{"measure.ini"});
}

TEST_F(BesideTheExecutable, DirectoryInThePlaceOfTheFile) {
  std::filesystem::create_directory(path_);
  Window window;
  auto* edit = window.Edit(1001, "15.5");
  window.store().LoadSettings("measure.ini", window.form());
  window.store().SaveSettings("measure.ini", window.form());
  EXPECT_TRUE(std::filesystem::is_directory(path_));
  EXPECT_EQ(edit->Text(), "15.5");
  EXPECT_EQ(Leftovers(), std::set<std::string>{"measure.ini"});
}

TEST_F(BesideTheExecutable, MissingFolder) {
  Window window;
  window.Edit(1001, "15.5");
  window.store().SaveSettings("no-such-folder\\measure.ini", window.form());  // nothing reported
  EXPECT_FALSE(std::filesystem::exists(folder_ / "no-such-folder"));
  EXPECT_TRUE(Leftovers().empty());
}

TEST(SaveToFileWin32, MissingFolderLeavesNothingBehind) {
  TempFolder folder;
  Window window;
  window.Edit(1001, "15.5");
  EXPECT_ANY_THROW(window.store().SaveToFile(folder.File("missing\\measure.ini"), window.form()));
  EXPECT_TRUE(folder.Entries().empty());
}

TEST(SaveToFileWin32, HeldOpenFileIsAnErrorAndKeepsItsContents) {
  TempFolder folder;
  const std::string path = folder.File("measure.ini");
  WriteBytes(path, kOldContents);
  Window window;
  window.Edit(1001, "new");
  {
    HeldOpen other(path, GENERIC_READ, 0);
    ASSERT_TRUE(other.valid());
    // The file cannot be read (counts as empty), so a write is attempted, and it fails.
    EXPECT_ANY_THROW(window.store().SaveToFile(path, window.form()));
  }
  EXPECT_EQ(ReadBytes(path), kOldContents);
  EXPECT_EQ(folder.Entries(), std::set<std::string>{"measure.ini"});
}

TEST(FileServicesWin32, ReadingSharesWithReadersOnly) {
  TempFolder folder;
  const std::string path = folder.File("a.ini");
  WriteBytes(path, "x\r\n");
  {
    HeldOpen reader(path, GENERIC_READ, FILE_SHARE_READ);
    ASSERT_TRUE(reader.valid());
    EXPECT_EQ(platform::ReadWholeFile(path), "x\r\n");
  }
  {
    HeldOpen writer(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(writer.valid());
    EXPECT_THROW(platform::ReadWholeFile(path), platform::FileError);
  }
}

TEST(FileServicesWin32, ReplacingAFileHeldOpenForReadingWithSharingFails) {
  // Even a reader that lets others read and write keeps the file from being replaced, since it
  // does not allow it to be deleted; the file keeps its contents.
  TempFolder folder;
  const std::string path = folder.File("a.ini");
  WriteBytes(path, kOldContents);
  {
    HeldOpen reader(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(reader.valid());
    EXPECT_THROW(platform::WriteWholeFile(path, "new\r\n"), platform::FileError);
  }
  EXPECT_EQ(ReadBytes(path), kOldContents);
  EXPECT_EQ(folder.Entries(), std::set<std::string>{"a.ini"});
}

}  // namespace
