#pragma once
// TRadioButton: one of a set of choices, the system BUTTON (BS_AUTORADIOBUTTON) when it has a
// window.
//
// Checked is the button's state: with a window the window holds it (what the user clicks is
// what Checked gives), headless the object; the object takes the window's state over when the
// window goes. Checking a button clears every other TRadioButton with the same parent. A click
// of the user raises OnClick; setting Checked raises nothing.

#include <string>

#include "framework/control.h"

namespace fw {

class TRadioButton : public TWinControl {
 public:
  explicit TRadioButton(TComponent* owner);

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
  void ClearSiblings();

  bool checked_ = false;
};

}  // namespace fw
