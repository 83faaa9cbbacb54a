#include "platform/paint.h"

namespace platform {

// Headless: nothing is ever painted.
PaintSession::PaintSession(WindowHandle window) : window_(window) {}
PaintSession::~PaintSession() = default;
void PaintSession::FillSystemColour(const Rect&, int) {}
void PaintSession::DrawArrowButton(const Rect&, ArrowDirection, bool, bool) {}

}  // namespace platform
