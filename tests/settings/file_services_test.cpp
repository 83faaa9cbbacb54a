#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "platform/files.h"
#include "temp_folder.h"

namespace {

using namespace std::string_literals;
using settings_test::ReadBytes;
using settings_test::TempFolder;
using settings_test::WriteBytes;

TEST(FileExists, OnlyForPlainFiles) {
  TempFolder folder;
  WriteBytes(folder.File("file.ini"), "x");
  std::filesystem::create_directory(folder.path() / "dir.ini");
  EXPECT_TRUE(platform::FileExists(folder.File("file.ini")));
  EXPECT_FALSE(platform::FileExists(folder.File("dir.ini")));
  EXPECT_FALSE(platform::FileExists(folder.File("missing.ini")));
}

TEST(ReadWholeFile, KeepsEveryByte) {
  TempFolder folder;
  const std::string bytes = "a\0b\r\n\r\xFF\x1A" "end"s;
  WriteBytes(folder.File("data"), bytes);
  EXPECT_EQ(platform::ReadWholeFile(folder.File("data")), bytes);
}

TEST(ReadWholeFile, LargerThanOneBuffer) {
  TempFolder folder;
  std::string bytes(200000, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    bytes[i] = static_cast<char>(i * 7 % 251);
  }
  WriteBytes(folder.File("big"), bytes);
  EXPECT_EQ(platform::ReadWholeFile(folder.File("big")), bytes);
}

TEST(ReadWholeFile, EmptyFile) {
  TempFolder folder;
  WriteBytes(folder.File("empty"), "");
  EXPECT_EQ(platform::ReadWholeFile(folder.File("empty")), "");
}

TEST(ReadWholeFile, FailsForMissingFileAndDirectory) {
  TempFolder folder;
  std::filesystem::create_directory(folder.path() / "dir");
  EXPECT_THROW(platform::ReadWholeFile(folder.File("missing")), platform::FileError);
  EXPECT_THROW(platform::ReadWholeFile(folder.File("dir")), platform::FileError);
}

TEST(WriteWholeFile, CreatesTheFileAndLeavesNothingElse) {
  TempFolder folder;
  const std::string bytes = "1001->15.5\r\n\0x"s;
  platform::WriteWholeFile(folder.File("new.ini"), bytes);
  EXPECT_EQ(ReadBytes(folder.File("new.ini")), bytes);
  EXPECT_EQ(folder.Entries(), std::set<std::string>{"new.ini"});
}

TEST(WriteWholeFile, ReplacesTheWholeContents) {
  TempFolder folder;
  WriteBytes(folder.File("a.ini"), std::string(1000, 'x'));
  platform::WriteWholeFile(folder.File("a.ini"), "short\r\n");
  EXPECT_EQ(ReadBytes(folder.File("a.ini")), "short\r\n");
  platform::WriteWholeFile(folder.File("a.ini"), "");
  EXPECT_EQ(ReadBytes(folder.File("a.ini")), "");
  EXPECT_EQ(folder.Entries(), std::set<std::string>{"a.ini"});
}

TEST(WriteWholeFile, DirectoryAtThePathFailsAndLeavesNoTemporaryFile) {
  TempFolder folder;
  std::filesystem::create_directory(folder.path() / "a.ini");
  EXPECT_THROW(platform::WriteWholeFile(folder.File("a.ini"), "x\r\n"), platform::FileError);
  EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "a.ini"));
  EXPECT_EQ(folder.Entries(), std::set<std::string>{"a.ini"});
}

TEST(WriteWholeFile, MissingFolderFails) {
  TempFolder folder;
  EXPECT_THROW(platform::WriteWholeFile(folder.File("no-such-folder/a.ini"), "x\r\n"),
               platform::FileError);
  EXPECT_TRUE(folder.Entries().empty());
}

}  // namespace
