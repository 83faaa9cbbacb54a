#pragma once
// Push buttons: TButton, the system's BUTTON control under the class name "TButton", and
// TBitBtn, the same button under its own class name (it shows no picture). A click, by the mouse,
// the keyboard or BM_CLICK, reaches the parent as BN_CLICKED, which the parent hands back to the
// button: OnClick runs. A button is a tab stop.

#include <string>

#include "framework/control.h"

namespace fw {

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);

  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& caption);

  // Drawn as the default button (with the heavier frame).
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);

  // Runs OnClick, as a click of the button does.
  void Click() override;

 protected:
  void CreateParams(TCreateParams& params) const override;
  void CNCommand(platform::Message& message) override;

 private:
  bool default_ = false;
};

class TBitBtn : public TButton {
 public:
  explicit TBitBtn(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& params) const override;
};

}  // namespace fw
