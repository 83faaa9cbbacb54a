// An exception thrown by an event handler while the system dispatches a message stops at the
// window procedure: the message is abandoned, and the caller of SendMessage (the host's message
// loop, in the plug-in) carries on.

#include <gtest/gtest.h>
#include <windows.h>

#include <new>
#include <stdexcept>

#include "framework/button.h"
#include "test_window.h"

namespace {

TEST(HandlerException, StopsAtTheWindowProcedure) {
  fw::TButton button(nullptr);
  button.SetParent(&wintest::SharedWindow());
  button.SetBounds(10, 10, 75, 25);
  int clicks = 0;
  button.OnClick = [&clicks](fw::TObject*) {
    if (++clicks == 1) {
      throw std::runtime_error("handler failed");
    }
    throw std::bad_alloc();
  };
  const auto hwnd = static_cast<HWND>(button.HandleIfAllocated());
  ASSERT_NE(hwnd, nullptr);
  // The click reaches OnClick through the parent's WM_COMMAND, inside the system's frames.
  EXPECT_NO_THROW(SendMessageA(hwnd, BM_CLICK, 0, 0));
  EXPECT_NO_THROW(SendMessageA(hwnd, BM_CLICK, 0, 0));
  EXPECT_EQ(clicks, 2);
  // The window still works.
  button.OnClick = [&clicks](fw::TObject*) { ++clicks; };
  SendMessageA(hwnd, BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 3);
}

}  // namespace
