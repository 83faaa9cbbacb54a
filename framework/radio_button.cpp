#include "framework/radio_button.h"

#include "platform/window.h"

namespace fw {
namespace {

// BUTTON messages, styles and notifications, with the values Windows gives them.
constexpr unsigned kBmGetCheck = 0x00F0;
constexpr unsigned kBmSetCheck = 0x00F1;
constexpr platform::LResult kBstChecked = 1;
constexpr unsigned kBnClicked = 0;
constexpr std::uint32_t kBsAutoRadioButton = 0x00000009;

}  // namespace

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 113, 17);
}

bool TRadioButton::Checked() const {
  if (platform::WindowHandle window = HandleIfAllocated()) {
    return platform::SendNativeMessage(window, kBmGetCheck, 0, 0) == kBstChecked;
  }
  return checked_;
}

void TRadioButton::SetChecked(bool checked) {
  checked_ = checked;
  if (platform::WindowHandle window = HandleIfAllocated()) {
    platform::SendNativeMessage(window, kBmSetCheck, checked ? 1u : 0u, 0);
  }
  if (checked) {
    ClearSiblings();
  }
}

void TRadioButton::ClearSiblings() {
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

void TRadioButton::CreateParams(TCreateParams& params) const {
  TWinControl::CreateParams(params);
  params.className = "TRadioButton";
  params.baseClass = "BUTTON";
  params.style |= kBsAutoRadioButton;
}

void TRadioButton::CreateWnd() {
  TWinControl::CreateWnd();
  if (platform::WindowHandle window = HandleIfAllocated()) {
    platform::SendNativeMessage(window, kBmSetCheck, checked_ ? 1u : 0u, 0);
  }
}

void TRadioButton::CNCommand(platform::Message& message) {
  message.result = 0;
  if (platform::HighWord(message.wParam) == kBnClicked) {
    // The system has checked this button and cleared the others of its group; the siblings
    // outside that group follow.
    checked_ = Checked();
    if (checked_) {
      ClearSiblings();
    }
    Click();
  }
}

void TRadioButton::WMDestroy(platform::Message& message) {
  checked_ = Checked();  // the window still answers here
  TWinControl::WMDestroy(message);
}

}  // namespace fw
