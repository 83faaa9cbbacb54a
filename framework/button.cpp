#include "framework/button.h"

#include "platform/control_styles.h"

namespace fw {

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

void TButton::SetCaption(const std::string& caption) { SetTextBuf(caption); }

void TButton::SetDefault(bool isDefault) {
  if (isDefault == default_) {
    return;
  }
  default_ = isDefault;
  RecreateWnd();
}

void TButton::Click() { TWinControl::Click(); }

void TButton::CreateParams(TCreateParams& params) const {
  TWinControl::CreateParams(params);
  params.className = "TButton";
  params.baseClass = "BUTTON";
  params.style |= default_ ? platform::kBsDefPushButton : platform::kBsPushButton;
}

void TButton::CNCommand(platform::Message& m) {
  if (platform::HighWord(m.wParam) == platform::kBnClicked) {
    Click();
  }
  m.result = 0;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::CreateParams(TCreateParams& params) const {
  TButton::CreateParams(params);
  params.className = "TBitBtn";
}

}  // namespace fw
