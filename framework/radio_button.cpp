#include "framework/radio_button.h"

#include "platform/control_styles.h"

namespace fw {

TRadioButton::TRadioButton(TComponent* owner)
    : TCheckButton(owner, "TRadioButton", platform::kBsAutoRadioButton) {
  SetBounds(0, 0, 113, 17);
}

void TRadioButton::BecameChecked() {
  TWinControl* parent = Parent();
  if (parent == nullptr) {
    return;
  }
  for (int index = 0; index < parent->ControlCount(); ++index) {
    auto* sibling = parent->Controls(index)->As<TRadioButton>();
    if (sibling != nullptr && sibling != this && sibling->Checked()) {
      sibling->SetChecked(false);
    }
  }
}

}  // namespace fw
