// The settings file's place: beside the executable that started the process.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/executable_path.h"
#include "settings/autosave.h"
#include "settings/settings_path.h"
#include "store_fixture.h"

namespace {

using settings_test::ReadBytes;
using settings_test::WriteBytes;
using settings_test::Window;

std::filesystem::path ExecutableFolder() {
  return std::filesystem::path(platform::ExecutablePath()).parent_path();
}

TEST(ExecutablePath, IsThisTestProgram) {
  const std::filesystem::path path(platform::ExecutablePath());
  ASSERT_TRUE(std::filesystem::is_regular_file(path));
  EXPECT_EQ(path.stem().string(), "settings_test");
}

TEST(SettingsPath, IsTheExecutablesFolderAndTheNameUnchanged) {
  const std::string path = settings::SettingsPath("measure.ini");
  EXPECT_EQ(std::filesystem::path(path).parent_path(), ExecutableFolder());
  EXPECT_EQ(path, platform::DirectoryPrefix(platform::ExecutablePath()) + "measure.ini");
  // The name is appended as it stands.
  EXPECT_EQ(settings::SettingsPath("sub/../x y.ini"),
            platform::DirectoryPrefix(platform::ExecutablePath()) + "sub/../x y.ini");
}

// The settings file is created beside the test program and removed afterwards.
class BesideTheExecutableTest : public testing::Test {
 protected:
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  const std::string name_ = "settings-test-" + std::to_string(::testing::UnitTest::GetInstance()
                                                                 ->random_seed()) + ".ini";
  const std::string path_ = (ExecutableFolder() / name_).string();
};

TEST_F(BesideTheExecutableTest, SaveThenLoad) {
  Window before;
  before.Edit(1001, "12.5");
  before.store().SaveSettings(name_, before.form());
  EXPECT_EQ(ReadBytes(path_), "1001->12.5\r\n9990->0\r\n9991->\r\n");

  Window after;
  auto* edit = after.Edit(1001, "15.5");
  after.store().LoadSettings(name_, after.form());
  EXPECT_EQ(edit->Text(), "12.5");
}

TEST_F(BesideTheExecutableTest, NoFileChangesNothing) {
  Window window;
  auto* edit = window.Edit(1001, "15.5");
  window.store().SetTagInteger(4);
  window.store().LoadSettings(name_, window.form());
  EXPECT_EQ(edit->Text(), "15.5");
  EXPECT_EQ(window.store().TagInteger(), 4);
}

TEST_F(BesideTheExecutableTest, ErrorsAreSwallowed) {
  std::filesystem::create_directory(path_);
  Window window;
  auto* edit = window.Edit(1001, "15.5");
  window.store().LoadSettings(name_, window.form());  // a directory counts as no file
  window.store().SaveSettings(name_, window.form());  // cannot replace a directory
  EXPECT_TRUE(std::filesystem::is_directory(path_));
  EXPECT_EQ(edit->Text(), "15.5");
  // A folder that does not exist.
  window.store().SaveSettings("no-such-folder-" + name_ + "/measure.ini", window.form());
  EXPECT_FALSE(std::filesystem::exists(ExecutableFolder() / ("no-such-folder-" + name_)));
}

}  // namespace
