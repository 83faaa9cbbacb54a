#pragma once
// The screen the windows appear on.

namespace platform {

struct ScreenSize {
  int width = 0;
  int height = 0;
};

// The size of the primary screen in pixels. Headless: 1024 x 768.
ScreenSize PrimaryScreenSize();

}  // namespace platform
