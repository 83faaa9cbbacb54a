#pragma once
// TCheckBox: a box the user ticks on and off, the system BUTTON (BS_AUTOCHECKBOX) when it has
// a window.
//
// Checked is the box's state: with a window the window holds it (what the user clicks is what
// Checked gives), headless the object; the object takes the window's state over when the window
// goes. A click of the user raises OnClick; setting Checked raises nothing.

#include <string>

#include "framework/control.h"

namespace fw {

class TCheckBox : public TWinControl {
 public:
  explicit TCheckBox(TComponent* owner);

  bool Checked() const;
  void SetChecked(bool checked);

  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& caption) { SetTextBuf(caption); }

 protected:
  void CreateParams(TCreateParams& params) const override;
  void CreateWnd() override;
  void CNCommand(platform::Message& message) override;
  void WMDestroy(platform::Message& message) override;

 private:
  bool checked_ = false;
};

}  // namespace fw
