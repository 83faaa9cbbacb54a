#pragma once
// Painting a window's client area in answer to WM_PAINT. Without a window (headless) a session
// is inactive and draws nothing.

#include "platform/geometry.h"
#include "platform/window_handle.h"

namespace platform {

enum class ArrowDirection { kUp, kDown };

class PaintSession {
 public:
  explicit PaintSession(WindowHandle window);
  ~PaintSession();
  PaintSession(const PaintSession&) = delete;
  PaintSession& operator=(const PaintSession&) = delete;

  bool Active() const { return dc_ != nullptr; }

  // Fills the rectangle with a system colour (kColorBtnFace and the like of window.h).
  void FillSystemColour(const Rect& rect, int systemColour);
  // A push button with an up or down arrow glyph, drawn raised or pressed, normal or greyed.
  void DrawArrowButton(const Rect& rect, ArrowDirection direction, bool pressed, bool enabled);

 private:
  WindowHandle window_;
  void* dc_ = nullptr;
  void* state_ = nullptr;
};

}  // namespace platform
