#include "controls/doub_spin_description.h"

namespace controls {

void ApplyDescription(TDoubSpin& spin, const DoubSpinDescription& d) {
  if (d.name) spin.SetName(*d.name);
  if (d.tag) spin.SetTag(*d.tag);
  if (d.left) spin.SetLeft(*d.left);
  if (d.top) spin.SetTop(*d.top);
  if (d.width) spin.SetWidth(*d.width);
  if (d.height) spin.SetHeight(*d.height);
  if (d.tabStop) spin.SetTabStop(*d.tabStop);
  if (d.autoSelect) spin.SetAutoSelect(*d.autoSelect);
  if (d.autoSize) spin.SetAutoSize(*d.autoSize);
  if (d.changeOnWheel) spin.SetChangeOnWheel(*d.changeOnWheel);
  if (d.color) spin.SetColor(*d.color);
  if (d.ctl3D) spin.SetCtl3D(*d.ctl3D);
  if (d.editorEnabled) spin.SetEditorEnabled(*d.editorEnabled);
  if (d.enabled) spin.SetEnabled(*d.enabled);
  if (d.font) spin.SetFont(*d.font);
  if (d.increment) spin.SetIncrement(*d.increment);
  if (d.maxLength) spin.SetMaxLength(*d.maxLength);
  if (d.precision) spin.SetPrecision(*d.precision);
  if (d.maxValue) spin.SetMaxValue(*d.maxValue);
  if (d.minValue) spin.SetMinValue(*d.minValue);
  if (d.errValue) spin.SetErrValue(*d.errValue);
  if (d.alwaysSeparator) spin.SetAlwaysSeparator(*d.alwaysSeparator);
  if (d.beepError) spin.SetBeepError(*d.beepError);
  if (d.parentCtl3D) spin.SetParentCtl3D(*d.parentCtl3D);
  if (d.parentFont) spin.SetParentFont(*d.parentFont);
  if (d.readOnly) spin.SetReadOnly(*d.readOnly);
  if (d.tabOrder) spin.SetTabOrder(*d.tabOrder);
  if (d.value) spin.SetValue(*d.value);
  if (d.visible) spin.SetVisible(*d.visible);
  if (d.onChange) spin.OnChange = d.onChange;
  if (d.onEnter) spin.OnEnter = d.onEnter;
  if (d.onExit) spin.OnExit = d.onExit;
}

}  // namespace controls
