#pragma once
// TDoubSpin: a single-line edit field for one decimal number, with an up/down arrow pair inside
// its right edge. Its text is its value: reading Value parses and clamps the text, writing Value
// formats into the text. It adds to the plain edit a range with clamping, a substitute number for
// text that does not read, stepping by a fixed increment (arrows, Up and Down keys, mouse wheel),
// a filter on typed characters and a display precision.

#include <string>

#include "framework/custom_edit.h"
#include "framework/spin_button.h"

namespace controls {

class TDoubSpin : public fw::TCustomEdit {
 public:
  explicit TDoubSpin(fw::TComponent* owner);
  ~TDoubSpin() override;

  // Plain fields: writing them changes nothing else.
  double MinValue() const { return minValue_; }
  void SetMinValue(double value) { minValue_ = value; }
  double MaxValue() const { return maxValue_; }
  void SetMaxValue(double value) { maxValue_ = value; }
  double ErrValue() const { return errValue_; }
  void SetErrValue(double value) { errValue_ = value; }
  double Increment() const { return increment_; }
  void SetIncrement(double value) { increment_ = value; }
  bool EditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool value) { editorEnabled_ = value; }
  bool ChangeOnWheel() const { return changeOnWheel_; }
  void SetChangeOnWheel(bool value) { changeOnWheel_ = value; }
  bool AlwaysSeparator() const { return alwaysSeparator_; }
  void SetAlwaysSeparator(bool value) { alwaysSeparator_ = value; }
  bool BeepError() const { return beepError_; }
  void SetBeepError(bool value) { beepError_ = value; }

  // Significant digits of the written text; writing it rewrites the text at once.
  int Precision() const { return precision_; }
  void SetPrecision(int precision);

  // ClampValue(TextNumber()).
  double Value();
  // Writes the clamped number as the text (twice with AlwaysSeparator's suffix).
  void SetValue(double value);

  fw::TSpinButton* SpinButton() const { return spinButton_; }

  // The number the text holds, before clamping; ErrValue (with a beep when the text is not empty
  // and BeepError is set) when it does not read.
  double TextNumber();
  // The number brought into the range; no range at all while MinValue equals MaxValue.
  double ClampValue(double value) const;
  // The least height at which the text shows whole.
  int MinimumHeight() const;
  // Limits the text area to the left of the arrow pair.
  void FitEditRect();

  // Overridable steps, in slot order; the arrows are bound to StepUp and StepDown through them.
  virtual bool AcceptsKey(char key) const;
  virtual void StepUp(fw::TObject* sender);
  virtual void StepDown(fw::TObject* sender);

 protected:
  void CreateParams(fw::TCreateParams& params) const override;
  void CreateWnd() override;
  void KeyDown(unsigned& key, fw::TShiftState shift) override;
  void KeyPress(char& key) override;
  void WMSize(platform::Message& message) override;
  void WMSetFocus(platform::Message& message) override;
  void WMKillFocus(platform::Message& message) override;
  void WMPaste(platform::Message& message) override;
  void WMCut(platform::Message& message) override;
  void WMMouseWheel(platform::Message& message) override;
  void FontChanged() override;

 private:
  double minValue_ = 0;
  double maxValue_ = 0;
  double errValue_ = 0;
  double increment_ = 0;
  int precision_ = 0;
  fw::TSpinButton* spinButton_ = nullptr;
  bool editorEnabled_ = false;
  bool changeOnWheel_ = false;
  bool alwaysSeparator_ = false;
  bool beepError_ = false;
  bool raisingHeight_ = false;
};

}  // namespace controls
