#include "error_boxes.h"

#include <gtest/gtest.h>

#include "framework/application.h"
#include "platform/message_box.h"

#if defined(_WIN32)
#include "message_box_watcher.h"
#endif

namespace measure_test {

#if defined(_WIN32)
struct ErrorBoxes::Impl {
  TestWindow owner;
  MessageBoxWatcher watcher;
};
platform::WindowHandle ErrorBoxes::Owner() const { return impl_->owner.Handle(); }
#else
struct ErrorBoxes::Impl {};
platform::WindowHandle ErrorBoxes::Owner() const {
  // Headless: a handle that is only compared, never used.
  static int ownerStandIn = 0;
  return &ownerStandIn;
}
#endif

ErrorBoxes::ErrorBoxes() : impl_(std::make_unique<Impl>()) {
  platform::ClearMessageBoxCalls();
  fw::Application().SetOwnerWindow(Owner());
}

ErrorBoxes::~ErrorBoxes() {
  fw::Application().SetOwnerWindow(nullptr);
  platform::ClearMessageBoxCalls();
}

std::vector<std::string> ErrorBoxes::Messages() const {
  std::vector<std::string> messages;
  for (const platform::MessageBoxCall& call : platform::MessageBoxCalls()) {
    EXPECT_EQ(call.owner, Owner()) << call.text;
    EXPECT_EQ(call.caption, "Error") << call.text;
    EXPECT_EQ(call.flags, 0x42010u) << call.text;
    messages.push_back(call.text);
  }
#if defined(_WIN32)
  const std::vector<SeenBox>& seen = impl_->watcher.Seen();
  EXPECT_EQ(seen.size(), messages.size()) << "boxes that really appeared";
  for (std::size_t i = 0; i < seen.size() && i < messages.size(); ++i) {
    EXPECT_EQ(seen[i].owner, Owner()) << messages[i];
    EXPECT_EQ(seen[i].caption, "Error") << messages[i];
    EXPECT_EQ(seen[i].text, messages[i]);
    EXPECT_EQ(seen[i].buttons, std::vector<std::string>{"OK"}) << messages[i];
    EXPECT_TRUE(seen[i].hasErrorIcon) << messages[i];
    EXPECT_FALSE(seen[i].ownerEnabled) << messages[i];
  }
#endif
  return messages;
}

}  // namespace measure_test
