#include "platform/paint.h"

#include <windows.h>

namespace platform {

PaintSession::PaintSession(WindowHandle window) : window_(window) {
  if (window_ == nullptr) {
    return;
  }
  auto* paint = new PAINTSTRUCT{};
  dc_ = BeginPaint(static_cast<HWND>(window_), paint);
  state_ = paint;
}

PaintSession::~PaintSession() {
  auto* paint = static_cast<PAINTSTRUCT*>(state_);
  if (paint != nullptr) {
    EndPaint(static_cast<HWND>(window_), paint);
    delete paint;
  }
}

void PaintSession::FillSystemColour(const Rect& rect, int systemColour) {
  if (dc_ == nullptr) {
    return;
  }
  RECT r{rect.left, rect.top, rect.right, rect.bottom};
  FillRect(static_cast<HDC>(dc_), &r, GetSysColorBrush(systemColour));
}

void PaintSession::DrawArrowButton(const Rect& rect, ArrowDirection direction, bool pressed, bool enabled) {
  if (dc_ == nullptr) {
    return;
  }
  RECT r{rect.left, rect.top, rect.right, rect.bottom};
  UINT state = direction == ArrowDirection::kUp ? DFCS_SCROLLUP : DFCS_SCROLLDOWN;
  if (pressed) {
    state |= DFCS_PUSHED;
  }
  if (!enabled) {
    state |= DFCS_INACTIVE;
  }
  DrawFrameControl(static_cast<HDC>(dc_), &r, DFC_SCROLL, state);
}

}  // namespace platform
