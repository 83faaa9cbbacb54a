#include "framework/check_button.h"

#include "platform/control_styles.h"
#include "platform/window.h"

namespace fw {

TCheckButton::TCheckButton(TComponent* owner, const char* className, std::uint32_t buttonStyle)
    : TWinControl(owner), className_(className), buttonStyle_(buttonStyle) {
  SetTabStop(true);
}

bool TCheckButton::Checked() const {
  if (platform::WindowHandle window = HandleIfAllocated()) {
    return platform::SendNativeMessage(window, platform::kBmGetCheck, 0, 0) == platform::kBstChecked;
  }
  return checked_;
}

void TCheckButton::SetChecked(bool checked) {
  checked_ = checked;
  if (platform::WindowHandle window = HandleIfAllocated()) {
    platform::SendNativeMessage(window, platform::kBmSetCheck, checked ? 1u : 0u, 0);
  }
  if (checked) {
    BecameChecked();
  }
}

void TCheckButton::CreateParams(TCreateParams& params) const {
  TWinControl::CreateParams(params);
  params.className = className_;
  params.baseClass = "BUTTON";
  params.style |= buttonStyle_;
}

void TCheckButton::CreateWnd() {
  TWinControl::CreateWnd();
  if (platform::WindowHandle window = HandleIfAllocated()) {
    platform::SendNativeMessage(window, platform::kBmSetCheck, checked_ ? 1u : 0u, 0);
  }
}

void TCheckButton::CNCommand(platform::Message& message) {
  message.result = 0;
  if (platform::HighWord(message.wParam) == platform::kBnClicked) {
    checked_ = Checked();
    if (checked_) {
      BecameChecked();
    }
    Click();
  }
}

void TCheckButton::WMDestroy(platform::Message& message) {
  checked_ = Checked();  // the window still answers here
  TWinControl::WMDestroy(message);
}

}  // namespace fw
