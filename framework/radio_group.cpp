#include "framework/radio_group.h"

#include <algorithm>

#include "framework/radio_button.h"

namespace fw {
namespace {

constexpr std::uint32_t kBsGroupBox = 0x00000007;
// Room for the frame and its caption, and the smallest step between two buttons.
constexpr int kFrameLeft = 8;
constexpr int kFrameTop = 16;
constexpr int kFrameBottom = 4;
constexpr int kButtonHeight = 17;

}  // namespace

TRadioGroup::TRadioGroup(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 185, 105);
}

void TRadioGroup::SetItems(std::vector<std::string> items) {
  for (TRadioButton* button : buttons_) {
    delete button;
  }
  buttons_.clear();
  items_ = std::move(items);
  for (const std::string& item : items_) {
    AddButton(item);
  }
  ArrangeButtons();
}

void TRadioGroup::AddItem(const std::string& item) {
  items_.push_back(item);
  AddButton(item);
  ArrangeButtons();
}

void TRadioGroup::AddButton(const std::string& caption) {
  auto* button = new TRadioButton(this);
  button->SetCaption(caption);
  button->OnClick = [this](TObject*) { Click(); };
  buttons_.push_back(button);
  button->SetParent(this);
}

std::int32_t TRadioGroup::ItemIndex() const {
  for (std::size_t index = 0; index < buttons_.size(); ++index) {
    if (buttons_[index]->Checked()) {
      return static_cast<std::int32_t>(index);
    }
  }
  return -1;
}

void TRadioGroup::SetItemIndex(std::int32_t index) {
  if (index >= 0 && index < ItemCount()) {
    buttons_[static_cast<std::size_t>(index)]->SetChecked(true);  // clears the others
    return;
  }
  for (TRadioButton* button : buttons_) {
    button->SetChecked(false);
  }
}

void TRadioGroup::CreateParams(TCreateParams& params) const {
  TWinControl::CreateParams(params);
  params.className = "TRadioGroup";
  params.baseClass = "BUTTON";
  params.style |= kBsGroupBox;
}

void TRadioGroup::Resize() {
  ArrangeButtons();
  TWinControl::Resize();
}

void TRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) {
    return;
  }
  const int count = static_cast<int>(buttons_.size());
  const int step = std::max(kButtonHeight, (Height() - kFrameTop - kFrameBottom) / count);
  const int width = std::max(0, Width() - 2 * kFrameLeft);
  for (int index = 0; index < count; ++index) {
    buttons_[static_cast<std::size_t>(index)]->SetBounds(
        kFrameLeft, kFrameTop + index * step + (step - kButtonHeight) / 2, width, kButtonHeight);
  }
}

}  // namespace fw
