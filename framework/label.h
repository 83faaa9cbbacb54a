#pragma once
// TLabel: a line of text on a form, a real child window (the system's STATIC control, under the
// class name "TLabel"), so that screen readers and UI automation read its caption with
// WM_GETTEXT.
//
// With AutoSize (the default) the label takes the size of its caption in its font whenever the
// caption or the font changes and when its window is made: the left and top edges stay where
// they are, so a longer caption grows to the right (and is cut off by the parent's edge). The
// caption is shown as it is ("&" marks no accelerator). The text is drawn in the font's colour
// on the parent's colour. A label never takes the focus.

#include <string>

#include "framework/control.h"

namespace fw {

class TLabel : public TWinControl {
 public:
  explicit TLabel(TComponent* owner);

  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& caption);

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);

  bool CanFocus() const override { return false; }

 protected:
  void CreateParams(TCreateParams& params) const override;
  void CreateWnd() override;
  void WndProc(platform::Message& message) override;
  void WMSetText(platform::Message& message) override;
  void FontChanged() override;

 private:
  void AdjustBounds();

  bool autoSize_ = true;
};

}  // namespace fw
