#include "framework/list_box.h"

#include "platform/metrics.h"
#include "platform/window_styles.h"
#include "platform/window.h"

namespace fw {
namespace {

// LISTBOX messages, styles and notifications, with the values Windows gives them.
constexpr unsigned kLbAddString = 0x0180;
constexpr unsigned kLbResetContent = 0x0184;
constexpr unsigned kLbSetCurSel = 0x0186;
constexpr unsigned kLbGetCurSel = 0x0188;
constexpr platform::LResult kLbErr = -1;
constexpr unsigned kLbnSelChange = 1;
constexpr std::uint32_t kLbsNotify = 0x0001;
constexpr std::uint32_t kWsVScroll = 0x00200000;

}  // namespace

TCustomListBox::TCustomListBox(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 97);
}

void TCustomListBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  itemIndex_ = -1;
  if (platform::WindowHandle window = HandleIfAllocated()) {
    platform::SendNativeMessage(window, kLbResetContent, 0, 0);
    for (const std::string& item : items_) {
      platform::SendNativeMessage(window, kLbAddString, 0,
                                  reinterpret_cast<platform::LParam>(item.c_str()));
    }
  }
}

void TCustomListBox::AddItem(const std::string& item) {
  items_.push_back(item);
  if (platform::WindowHandle window = HandleIfAllocated()) {
    platform::SendNativeMessage(window, kLbAddString, 0,
                                reinterpret_cast<platform::LParam>(item.c_str()));
  }
}

std::int32_t TCustomListBox::ItemIndex() const {
  if (platform::WindowHandle window = HandleIfAllocated()) {
    const platform::LResult selected = platform::SendNativeMessage(window, kLbGetCurSel, 0, 0);
    return selected == kLbErr ? -1 : static_cast<std::int32_t>(selected);
  }
  return itemIndex_;
}

void TCustomListBox::SetItemIndex(std::int32_t index) {
  itemIndex_ = index >= 0 && index < ItemCount() ? index : -1;
  if (platform::WindowHandle window = HandleIfAllocated()) {
    // -1 as the window's "no selection".
    platform::SendNativeMessage(window, kLbSetCurSel,
                                static_cast<platform::WParam>(static_cast<std::intptr_t>(itemIndex_)), 0);
  }
}

void TCustomListBox::CreateParams(TCreateParams& params) const {
  TWinControl::CreateParams(params);
  params.className = "TCustomListBox";
  params.baseClass = "LISTBOX";
  params.style |= kLbsNotify | kWsVScroll;
  if (Ctl3D() && platform::NewStyleControls()) {
    params.exStyle |= platform::kWsExClientEdge;
  } else {
    params.style |= platform::kWsBorder;
  }
}

void TCustomListBox::CreateWnd() {
  TWinControl::CreateWnd();
  if (platform::WindowHandle window = HandleIfAllocated()) {
    for (const std::string& item : items_) {
      platform::SendNativeMessage(window, kLbAddString, 0,
                                  reinterpret_cast<platform::LParam>(item.c_str()));
    }
    platform::SendNativeMessage(window, kLbSetCurSel,
                                static_cast<platform::WParam>(static_cast<std::intptr_t>(itemIndex_)), 0);
  }
}

void TCustomListBox::CNCommand(platform::Message& message) {
  message.result = 0;
  if (platform::HighWord(message.wParam) == kLbnSelChange) {
    itemIndex_ = ItemIndex();
    Click();
  }
}

void TCustomListBox::WMDestroy(platform::Message& message) {
  itemIndex_ = ItemIndex();  // the window still answers here
  TWinControl::WMDestroy(message);
}

void TListBox::CreateParams(TCreateParams& params) const {
  TCustomListBox::CreateParams(params);
  params.className = "TListBox";
}

}  // namespace fw
