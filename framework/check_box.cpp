#include "framework/check_box.h"

#include "platform/control_styles.h"

namespace fw {

TCheckBox::TCheckBox(TComponent* owner) : TCheckButton(owner, "TCheckBox", platform::kBsAutoCheckBox) {
  SetBounds(0, 0, 97, 17);
}

}  // namespace fw
