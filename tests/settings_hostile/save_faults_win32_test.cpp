// Saving on Windows when another process holds the file open without sharing it, or the file
// is marked read-only: the save fails, the old file keeps its bytes, no temporary file is left,
// and loading a file that cannot be opened changes nothing.

#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

#include "held_by_other_process.h"
#include "settings/autosave.h"
#include "store_fixture.h"

namespace {

using settings_hostile::HeldByOtherProcess;
using settings_test::ReadBytes;
using settings_test::TempFolder;
using settings_test::Window;
using settings_test::WriteBytes;

const std::string kOldContents = "1001->old\r\n9990->0\r\n9991->\r\n";

TEST(SaveFaultWin32, FileHeldOpenByAnotherProcessWithoutSharing) {
  TempFolder folder;
  const std::string path = folder.File("measure.ini");
  WriteBytes(path, kOldContents);
  Window window;
  auto* edit = window.Edit(1001, "new");
  {
    HeldByOtherProcess other(path);
    ASSERT_TRUE(other.Holding());
    EXPECT_ANY_THROW(window.store().SaveToFile(path, window.form()));
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"measure.ini"});
    EXPECT_ANY_THROW(window.store().LoadFromFile(path, window.form()));
    EXPECT_EQ(edit->Text(), "new");
  }
  EXPECT_EQ(ReadBytes(path), kOldContents);
  EXPECT_EQ(folder.Entries(), std::set<std::string>{"measure.ini"});

  // Once the other process has let go, the same save goes through.
  window.store().SaveToFile(path, window.form());
  EXPECT_EQ(ReadBytes(path), "1001->new\r\n9990->0\r\n9991->\r\n");
  EXPECT_EQ(folder.Entries(), std::set<std::string>{"measure.ini"});
}

TEST(SaveFaultWin32, ReadOnlyFileIsNotReplaced) {
  TempFolder folder;
  const std::string path = folder.File("measure.ini");
  WriteBytes(path, kOldContents);
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  Window window;
  window.Edit(1001, "new");
  EXPECT_ANY_THROW(window.store().SaveToFile(path, window.form()));
  EXPECT_EQ(ReadBytes(path), kOldContents);
  EXPECT_EQ(folder.Entries(), std::set<std::string>{"measure.ini"});
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
