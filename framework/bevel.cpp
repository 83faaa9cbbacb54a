#include "framework/bevel.h"

#include "platform/window.h"

namespace fw {
namespace {

// The outline of `r`: `topLeft` on the top and left edges, `bottomRight` on the bottom and right.
void Outline(platform::PaintSession& session, const platform::Rect& r, int topLeft,
             int bottomRight) {
  if (r.Width() <= 0 || r.Height() <= 0) {
    return;
  }
  session.FillSystemColour({r.left, r.top, r.right, r.top + 1}, topLeft);
  session.FillSystemColour({r.left, r.top, r.left + 1, r.bottom}, topLeft);
  session.FillSystemColour({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  session.FillSystemColour({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

}  // namespace

TBevel::TBevel(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 50, 50); }

void TBevel::SetShape(TBevelShape shape) {
  if (shape != shape_) {
    shape_ = shape;
    Invalidate();
  }
}

void TBevel::SetStyle(TBevelStyle style) {
  if (style != style_) {
    style_ = style;
    Invalidate();
  }
}

void TBevel::Paint(platform::PaintSession& session) {
  const platform::Rect r = BoundsRect();
  const bool lowered = style_ == TBevelStyle::bsLowered;
  const int dark = lowered ? platform::kColorBtnShadow : platform::kColorBtnHighlight;
  const int light = lowered ? platform::kColorBtnHighlight : platform::kColorBtnShadow;
  switch (shape_) {
    case TBevelShape::bsBox:
      Outline(session, r, dark, light);
      break;
    case TBevelShape::bsFrame:
      Outline(session, {r.left, r.top, r.right - 1, r.bottom - 1}, dark, dark);
      Outline(session, {r.left + 1, r.top + 1, r.right, r.bottom}, light, light);
      break;
    case TBevelShape::bsTopLine:
      session.FillSystemColour({r.left, r.top, r.right, r.top + 1}, dark);
      session.FillSystemColour({r.left, r.top + 1, r.right, r.top + 2}, light);
      break;
    case TBevelShape::bsBottomLine:
      session.FillSystemColour({r.left, r.bottom - 2, r.right, r.bottom - 1}, dark);
      session.FillSystemColour({r.left, r.bottom - 1, r.right, r.bottom}, light);
      break;
    case TBevelShape::bsLeftLine:
      session.FillSystemColour({r.left, r.top, r.left + 1, r.bottom}, dark);
      session.FillSystemColour({r.left + 1, r.top, r.left + 2, r.bottom}, light);
      break;
    case TBevelShape::bsRightLine:
      session.FillSystemColour({r.right - 2, r.top, r.right - 1, r.bottom}, dark);
      session.FillSystemColour({r.right - 1, r.top, r.right, r.bottom}, light);
      break;
    case TBevelShape::bsSpacer:
      break;
  }
}

}  // namespace fw
