#pragma once
// TBevel: a frame, box or line with a lowered or raised 3-D look, painted by its parent (it has
// no window of its own, so the parent's child windows lie over it).
//
// The edges are one pixel wide, in the system's button shadow and button highlight colours:
//  - bsBox: the rectangle's outline; lowered: shadow on the top and left edges, highlight on the
//    bottom and right edges; raised: the other way round;
//  - bsFrame: an etched outline, two outlines one pixel apart (lowered: shadow outside at the top
//    left, highlight inside; raised: the other way round);
//  - bsTopLine, bsBottomLine, bsLeftLine, bsRightLine: a two-pixel etched line along that edge;
//  - bsSpacer: nothing.

#include "framework/control.h"

namespace fw {

enum class TBevelShape {
  bsBox,
  bsFrame,
  bsTopLine,
  bsBottomLine,
  bsLeftLine,
  bsRightLine,
  bsSpacer
};
enum class TBevelStyle { bsLowered, bsRaised };

class TBevel : public TControl {
 public:
  explicit TBevel(TComponent* owner);

  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape shape);
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle style);

 protected:
  void Paint(platform::PaintSession& session) override;

 private:
  TBevelShape shape_ = TBevelShape::bsBox;
  TBevelStyle style_ = TBevelStyle::bsLowered;
};

}  // namespace fw
