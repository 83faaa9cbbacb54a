// Saving when the file cannot be replaced: a directory in its place, a missing folder, a file
// in the place of the folder, and (where this machine lets the test make a small file system)
// a full disk, before and in the middle of the write, a read-only file system and a read-only
// file. Each time the save reports an error, the
// old file keeps its bytes and no temporary file is left beside it.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <set>
#include <string>

#include "settings/autosave.h"
#include "store_fixture.h"

#ifndef _WIN32
#include "small_file_system.h"
#endif

namespace {

using settings_test::ReadBytes;
using settings_test::TempFolder;
using settings_test::Window;
using settings_test::WriteBytes;

const std::string kOldContents = "1001->old\r\n9990->0\r\n9991->\r\n";

// Everything in a folder and its sub-folders, as paths relative to it.
std::set<std::string> Tree(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    names.insert(entry.path().lexically_relative(folder).generic_string());
  }
  return names;
}

struct FaultCase {
  const char* name;
  // Prepares the folder and gives the path the store saves to.
  std::function<std::string(const TempFolder&)> arrange;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class SaveFaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(SaveFaultTest, FailsLeavingTheFolderAsItWas) {
  TempFolder folder;
  const std::string path = GetParam().arrange(folder);
  const std::set<std::string> before = Tree(folder.path());
  Window window;
  window.Edit(1001, "new");
  EXPECT_ANY_THROW(window.store().SaveToFile(path, window.form()));
  EXPECT_EQ(Tree(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SaveFaultTest,
    testing::Values(
        // A directory with an entry of its own, so that no system call can replace it.
        FaultCase{"DirectoryAtThePath",
                  [](const TempFolder& f) {
                    std::filesystem::create_directories(f.path() / "measure.ini" / "inside");
                    return f.File("measure.ini");
                  }},
        FaultCase{"EmptyDirectoryAtThePath",
                  [](const TempFolder& f) {
                    std::filesystem::create_directory(f.path() / "measure.ini");
                    return f.File("measure.ini");
                  }},
        FaultCase{"MissingFolder",
                  [](const TempFolder& f) {
                    return (f.path() / "missing" / "measure.ini").string();
                  }},
        FaultCase{"FileInPlaceOfTheFolder",
                  [](const TempFolder& f) {
                    WriteBytes(f.File("folder"), kOldContents);
                    return (f.path() / "folder" / "measure.ini").string();
                  }}),
    [](const testing::TestParamInfo<FaultCase>& p) { return std::string(p.param.name); });

#ifndef _WIN32

// A full disk: a file system of 64 KiB of this process's own (see SmallFileSystem), holding the
// old file; and the same file system made read-only.
class DiskFullTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string why;
    if (!disk_.Mount(folder_.File("disk"), 64 * 1024, why)) {
      GTEST_SKIP() << "no small file system can be made here: " << why;
    }
    path_ = disk_.File("measure.ini");
    WriteBytes(path_, kOldContents);
    ASSERT_EQ(ReadBytes(path_), kOldContents);
  }

  void ExpectSaveFailsAndTheOldFileStays(const std::string& text) {
    Window window;
    window.Edit(1001, text);
    EXPECT_ANY_THROW(window.store().SaveToFile(path_, window.form()));
    EXPECT_EQ(ReadBytes(path_), kOldContents);
    EXPECT_EQ(disk_.Entries().count("measure.ini"), 1u);
    for (const std::string& name : disk_.Entries()) {
      EXPECT_TRUE(name == "measure.ini" || name == "filler") << "left behind: " << name;
    }
  }

  TempFolder folder_;
  settings_hostile::SmallFileSystem disk_;
  std::string path_;
};

TEST_F(DiskFullTest, NoRoomForTheNewLines) {
  disk_.Fill("filler");
  ExpectSaveFailsAndTheOldFileStays("new");
}

TEST_F(DiskFullTest, RoomForPartOfTheNewLines) {
  ExpectSaveFailsAndTheOldFileStays(std::string(256 * 1024, 'x'));
  // Once there is room, the same save goes through.
  Window window;
  window.Edit(1001, "new");
  window.store().SaveToFile(path_, window.form());
  EXPECT_EQ(ReadBytes(path_), "1001->new\r\n9990->0\r\n9991->\r\n");
  EXPECT_EQ(disk_.Entries(), std::set<std::string>{"measure.ini"});
}

TEST_F(DiskFullTest, ReadOnlyFileSystem) {
  std::string why;
  ASSERT_TRUE(disk_.MakeReadOnly(why)) << why;
  ExpectSaveFailsAndTheOldFileStays("new");
}

TEST(SaveFaultPosix, ReadOnlyFileIsNotReplaced) {
  if (::geteuid() == 0) {
    GTEST_SKIP() << "root may write any file";
  }
  TempFolder folder;
  const std::string path = folder.File("measure.ini");
  WriteBytes(path, kOldContents);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  Window window;
  window.Edit(1001, "new");
  EXPECT_ANY_THROW(window.store().SaveToFile(path, window.form()));
  EXPECT_EQ(ReadBytes(path), kOldContents);
  EXPECT_EQ(folder.Entries(), std::set<std::string>{"measure.ini"});
}

#endif

}  // namespace
