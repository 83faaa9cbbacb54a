#pragma once
// TRadioGroup: a framed group of choices, one radio button per item, of which at most one is
// checked. With a window it is the system group box (BUTTON, BS_GROUPBOX) holding the buttons'
// windows.
//
// The buttons are TRadioButton controls that the group owns and parents; they are not
// components of the group's owner. ItemIndex is the position of the checked button, -1 for
// none, read from the buttons, so what the user clicks is what ItemIndex gives. Setting ItemIndex
// to a position outside the items (negative ones included) checks no button, so ItemIndex then
// gives -1. Replacing or clearing the items clears the choice. A click of the user on a button
// raises OnClick; setting ItemIndex raises nothing.

#include <cstdint>
#include <string>
#include <vector>

#include "framework/control.h"

namespace fw {

class TRadioButton;

class TRadioGroup : public TWinControl {
 public:
  explicit TRadioGroup(TComponent* owner);

  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& caption) { SetTextBuf(caption); }

  int ItemCount() const { return static_cast<int>(items_.size()); }
  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  void AddItem(const std::string& item);
  void ClearItems() { SetItems({}); }

  std::int32_t ItemIndex() const;
  void SetItemIndex(std::int32_t index);

  // The button that shows item `index` (for tests and keyboard handling).
  TRadioButton* Button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

 protected:
  void CreateParams(TCreateParams& params) const override;
  void Resize() override;

 private:
  void AddButton(const std::string& caption);
  void ArrangeButtons();

  std::vector<std::string> items_;
  std::vector<TRadioButton*> buttons_;
};

}  // namespace fw
