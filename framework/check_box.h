#pragma once
// TCheckBox: a box the user ticks on and off, the system BUTTON (BS_AUTOCHECKBOX) when it has
// a window. State and events: see TCheckButton.

#include "framework/check_button.h"

namespace fw {

class TCheckBox : public TCheckButton {
 public:
  explicit TCheckBox(TComponent* owner);
};

}  // namespace fw
