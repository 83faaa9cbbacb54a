#pragma once
// TCustomListBox and TListBox: a list of texts of which the user selects one, the system
// LISTBOX when it has a window.
//
// The items live in the object (and are copied into the window). ItemIndex is the position of
// the selected item, -1 for none: with a window the window holds it (what the user selects is
// what ItemIndex gives), headless the object; the object takes the window's selection over when
// the window goes. Setting ItemIndex to a position outside the items (negative ones included)
// selects nothing, so ItemIndex then gives -1. Replacing or clearing the items clears the
// selection. A selection by the user raises OnClick; setting ItemIndex raises nothing.

#include <cstdint>
#include <string>
#include <vector>

#include "framework/control.h"

namespace fw {

class TCustomListBox : public TWinControl {
 public:
  explicit TCustomListBox(TComponent* owner);

  int ItemCount() const { return static_cast<int>(items_.size()); }
  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  void AddItem(const std::string& item);
  void ClearItems() { SetItems({}); }

  std::int32_t ItemIndex() const;
  void SetItemIndex(std::int32_t index);

 protected:
  void CreateParams(TCreateParams& params) const override;
  void CreateWnd() override;
  void CNCommand(platform::Message& message) override;
  void WMDestroy(platform::Message& message) override;

 private:
  std::vector<std::string> items_;
  std::int32_t itemIndex_ = -1;
};

class TListBox : public TCustomListBox {
 public:
  explicit TListBox(TComponent* owner) : TCustomListBox(owner) {}

 protected:
  void CreateParams(TCreateParams& params) const override;
};

}  // namespace fw
