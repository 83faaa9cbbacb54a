#include "framework/check_box.h"

#include "platform/window.h"

namespace fw {
namespace {

// BUTTON messages, styles and notifications, with the values Windows gives them.
constexpr unsigned kBmGetCheck = 0x00F0;
constexpr unsigned kBmSetCheck = 0x00F1;
constexpr platform::LResult kBstChecked = 1;
constexpr unsigned kBnClicked = 0;
constexpr std::uint32_t kBsAutoCheckBox = 0x00000003;

}  // namespace

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 97, 17);
}

bool TCheckBox::Checked() const {
  if (platform::WindowHandle window = HandleIfAllocated()) {
    return platform::SendNativeMessage(window, kBmGetCheck, 0, 0) == kBstChecked;
  }
  return checked_;
}

void TCheckBox::SetChecked(bool checked) {
  checked_ = checked;
  if (platform::WindowHandle window = HandleIfAllocated()) {
    platform::SendNativeMessage(window, kBmSetCheck, checked ? 1u : 0u, 0);
  }
}

void TCheckBox::CreateParams(TCreateParams& params) const {
  TWinControl::CreateParams(params);
  params.className = "TCheckBox";
  params.baseClass = "BUTTON";
  params.style |= kBsAutoCheckBox;
}

void TCheckBox::CreateWnd() {
  TWinControl::CreateWnd();
  if (platform::WindowHandle window = HandleIfAllocated()) {
    platform::SendNativeMessage(window, kBmSetCheck, checked_ ? 1u : 0u, 0);
  }
}

void TCheckBox::CNCommand(platform::Message& message) {
  message.result = 0;
  if (platform::HighWord(message.wParam) == kBnClicked) {
    checked_ = Checked();
    Click();
  }
}

void TCheckBox::WMDestroy(platform::Message& message) {
  checked_ = Checked();  // the window still answers here
  TWinControl::WMDestroy(message);
}

}  // namespace fw
