#pragma once
// A real top-level window for tests that need the system's windows: an overlapped window of our
// own class with the measure window's font (Tahoma, 11 pixels), shown and active, and helpers to
// let messages through.

#include <string>

#include "framework/control.h"

namespace wintest {

class TTestWindow : public fw::TWinControl {
 public:
  TTestWindow();

 protected:
  void CreateParams(fw::TCreateParams& params) const override;
};

// One test window for the whole program, made at the first call and left to the end of the
// process (destroying top-level windows is slow here). Tests put their controls on it and delete
// them again.
TTestWindow& SharedWindow();

// Lets the messages of the calling thread through for about `milliseconds`.
void Pump(unsigned milliseconds);

// The window's rectangle relative to its parent's client area, and its client rectangle.
platform::Rect WindowRectOf(platform::WindowHandle window);
platform::Rect ClientRectOf(platform::WindowHandle window);
std::string Describe(const platform::Rect& rect);

}  // namespace wintest
