#include "framework/combo_box.h"

#include "platform/window.h"

namespace fw {
namespace {

// COMBOBOX messages, styles and notifications, with the values Windows gives them.
constexpr unsigned kCbAddString = 0x0143;
constexpr unsigned kCbGetCurSel = 0x0147;
constexpr unsigned kCbResetContent = 0x014B;
constexpr unsigned kCbSetCurSel = 0x014E;
constexpr platform::LResult kCbErr = -1;
constexpr unsigned kCbnSelChange = 1;
constexpr std::uint32_t kCbsDropDownList = 0x0003;
constexpr std::uint32_t kWsVScroll = 0x00200000;
// Room for one item of the dropped-down list.
constexpr int kListItemHeight = 16;

void AddNative(platform::WindowHandle window, const std::string& item) {
  platform::SendNativeMessage(window, kCbAddString, 0,
                              reinterpret_cast<platform::LParam>(item.c_str()));
}

void SelectNative(platform::WindowHandle window, std::int32_t index) {
  // -1 as the window's "no selection".
  platform::SendNativeMessage(window, kCbSetCurSel,
                              static_cast<platform::WParam>(static_cast<std::intptr_t>(index)), 0);
}

}  // namespace

TCustomComboBox::TCustomComboBox(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 145, 21);
}

void TCustomComboBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  itemIndex_ = -1;
  if (platform::WindowHandle window = HandleIfAllocated()) {
    platform::SendNativeMessage(window, kCbResetContent, 0, 0);
    for (const std::string& item : items_) {
      AddNative(window, item);
    }
  }
}

void TCustomComboBox::AddItem(const std::string& item) {
  items_.push_back(item);
  if (platform::WindowHandle window = HandleIfAllocated()) {
    AddNative(window, item);
  }
}

std::int32_t TCustomComboBox::ItemIndex() const {
  if (platform::WindowHandle window = HandleIfAllocated()) {
    const platform::LResult selected = platform::SendNativeMessage(window, kCbGetCurSel, 0, 0);
    return selected == kCbErr ? -1 : static_cast<std::int32_t>(selected);
  }
  return itemIndex_;
}

void TCustomComboBox::SetItemIndex(std::int32_t index) {
  itemIndex_ = index >= 0 && index < ItemCount() ? index : -1;
  if (platform::WindowHandle window = HandleIfAllocated()) {
    SelectNative(window, itemIndex_);
  }
}

void TCustomComboBox::CreateParams(TCreateParams& params) const {
  TWinControl::CreateParams(params);
  params.className = "TCustomComboBox";
  params.baseClass = "COMBOBOX";
  params.style |= kCbsDropDownList | kWsVScroll;
  // The height a combo box is created with includes its dropped-down list.
  params.height += dropDownCount_ * kListItemHeight;
}

void TCustomComboBox::CreateWnd() {
  TWinControl::CreateWnd();
  if (platform::WindowHandle window = HandleIfAllocated()) {
    for (const std::string& item : items_) {
      AddNative(window, item);
    }
    SelectNative(window, itemIndex_);
  }
}

void TCustomComboBox::CNCommand(platform::Message& message) {
  message.result = 0;
  if (platform::HighWord(message.wParam) == kCbnSelChange) {
    itemIndex_ = ItemIndex();
    Change();
  }
}

void TCustomComboBox::WMDestroy(platform::Message& message) {
  itemIndex_ = ItemIndex();  // the window still answers here
  TWinControl::WMDestroy(message);
}

void TCustomComboBox::Change() {
  if (OnChange && !Destroying()) {
    OnChange(this);
  }
}

void TComboBox::CreateParams(TCreateParams& params) const {
  TCustomComboBox::CreateParams(params);
  params.className = "TComboBox";
}

}  // namespace fw
