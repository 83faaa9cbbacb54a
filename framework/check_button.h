#pragma once
// TCheckButton: what a check box and a radio button share, the system BUTTON with a check state.
// Not a kind of its own: TCheckBox and TRadioButton derive from it and stay distinct kinds.
//
// Checked is the button's state: with a window the window holds it (what the user clicks is what
// Checked gives), headless the object; the object takes the window's state over when the window
// goes. A click of the user raises OnClick; setting Checked raises nothing.

#include <cstdint>
#include <string>

#include "framework/control.h"

namespace fw {

class TCheckButton : public TWinControl {
 public:
  bool Checked() const;
  void SetChecked(bool checked);

  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& caption) { SetTextBuf(caption); }

 protected:
  // className: the window class of the derived kind; buttonStyle: its BUTTON style.
  TCheckButton(TComponent* owner, const char* className, std::uint32_t buttonStyle);

  // Called after the state became checked, by a setter or by the user's click.
  virtual void BecameChecked() {}

  void CreateParams(TCreateParams& params) const override;
  void CreateWnd() override;
  void CNCommand(platform::Message& message) override;
  void WMDestroy(platform::Message& message) override;

 private:
  const char* className_;
  std::uint32_t buttonStyle_;
  bool checked_ = false;
};

}  // namespace fw
