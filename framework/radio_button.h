#pragma once
// TRadioButton: one of a set of choices, the system BUTTON (BS_AUTORADIOBUTTON) when it has a
// window. Checking a button clears every other TRadioButton with the same parent. State and
// events: see TCheckButton.

#include "framework/check_button.h"

namespace fw {

class TRadioButton : public TCheckButton {
 public:
  explicit TRadioButton(TComponent* owner);

 protected:
  // The system clears the others of its own group on a click; the siblings outside that group
  // follow here, as they do when Checked is set.
  void BecameChecked() override;
};

}  // namespace fw
