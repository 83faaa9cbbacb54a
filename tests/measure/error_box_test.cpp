// The error box as Windows really shows it.

#include <windows.h>

#include <gtest/gtest.h>

#include "error_boxes.h"
#include "framework/application.h"
#include "measure/show_error.h"
#include "message_box_watcher.h"
#include "platform/message_box.h"

namespace measure_test {
namespace {

TEST(ErrorBox, IsAModalErrorBoxOwnedByTheOwnerWindow) {
  const ErrorBoxes boxes;
  const HWND owner = static_cast<HWND>(boxes.Owner());

  measure::ShowError("Select two points over the image");

  // Messages() checks the real box: owner, caption, text, one OK button, the error icon, and the
  // owner disabled while the box was up.
  EXPECT_EQ(boxes.Messages(), std::vector<std::string>{"Select two points over the image"});
  EXPECT_TRUE(IsWindowEnabled(owner)) << "the owner takes input again after the box";
}

TEST(ErrorBox, WithoutAnOwnerDisablesTheThreadsWindows) {
  platform::ClearMessageBoxCalls();
  fw::Application().SetOwnerWindow(nullptr);
  const TestWindow other(true);
  MessageBoxWatcher watcher;
  watcher.WatchEnabled(other.Handle());

  measure::ShowError("No images opened inside Velicore");

  ASSERT_EQ(watcher.Seen().size(), 1u);
  const SeenBox& box = watcher.Seen()[0];
  EXPECT_EQ(box.owner, nullptr);
  EXPECT_EQ(box.caption, "Error");
  EXPECT_EQ(box.text, "No images opened inside Velicore");
  EXPECT_EQ(box.watchedEnabled, std::vector<bool>{false});
  EXPECT_TRUE(IsWindowEnabled(other.Handle()));
  ASSERT_EQ(platform::MessageBoxCalls().size(), 1u);
  EXPECT_EQ(platform::MessageBoxCalls()[0].owner, nullptr);
  EXPECT_EQ(platform::MessageBoxCalls()[0].flags, 0x42010u);
  platform::ClearMessageBoxCalls();
}

}  // namespace
}  // namespace measure_test
