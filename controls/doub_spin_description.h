#pragma once
// A stored window description of a decimal spin edit: the properties a window definition holds
// for one field, applied in the class's property order. A setter with side effects (Precision,
// Value) therefore sees only the properties before it: Precision rewrites the construction text
// before the range is known, and Value comes after the range, the substitute number and
// AlwaysSeparator, so it is clamped and formatted with them.

#include <cstdint>
#include <optional>
#include <string>

#include "controls/spindoub.h"
#include "framework/font.h"

namespace controls {

struct DoubSpinDescription {
  std::optional<std::string> name;
  std::optional<std::int32_t> tag;
  std::optional<int> left;
  std::optional<int> top;
  std::optional<int> width;
  std::optional<int> height;
  std::optional<bool> tabStop;
  std::optional<bool> autoSelect;
  std::optional<bool> autoSize;
  std::optional<bool> changeOnWheel;
  std::optional<fw::TColor> color;
  std::optional<bool> ctl3D;
  std::optional<bool> editorEnabled;
  std::optional<bool> enabled;
  std::optional<fw::TFont> font;
  std::optional<double> increment;
  std::optional<int> maxLength;
  std::optional<int> precision;
  std::optional<double> maxValue;
  std::optional<double> minValue;
  std::optional<double> errValue;
  std::optional<bool> alwaysSeparator;
  std::optional<bool> beepError;
  std::optional<bool> parentCtl3D;
  std::optional<bool> parentFont;
  std::optional<bool> readOnly;
  std::optional<int> tabOrder;
  std::optional<double> value;
  std::optional<bool> visible;
  fw::TNotifyEvent onChange;
  fw::TNotifyEvent onEnter;
  fw::TNotifyEvent onExit;
};

// Applies every property the description holds, in the order of its fields above (the class's
// property order), then the events. The parent is the caller's to set first.
void ApplyDescription(TDoubSpin& spin, const DoubSpinDescription& description);

}  // namespace controls
