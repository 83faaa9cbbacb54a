#pragma once
// TCustomEdit: a single-line text edit field, the system EDIT control when it has a window.
//
// The text is the control's text: with a window it lives in the EDIT window, headless in the
// object. SetText does nothing when the text is the same; every change of the text, typed or
// written, raises OnChange exactly once (with a window from the EN_CHANGE notification that the
// parent reflects back; during a programmatic write the notification is ignored and the change is
// raised once after it, as a multi-line EDIT sends none for WM_SETTEXT).
//
// Headless stand-in for the EDIT window, so that tests can type:
//  - WM_SETTEXT stores the text and puts the caret at its end (no selection);
//  - WM_CHAR with a printable character replaces the selection, or inserts at the caret
//    (within MaxLength); Backspace deletes the selection or the character before the caret;
//    other control characters and everything while ReadOnly change nothing;
//  - WM_CUT and WM_CLEAR delete the selection (there is no clipboard); WM_PASTE does nothing;
//  - EM_SETSEL / EM_GETSEL, EM_SETREADONLY, EM_LIMITTEXT, EM_SETRECT(NP) / EM_GETRECT keep their
//    state in the object;
//  - a left-button press gives the control the focus.
//
// Hooks a derived edit overrides: KeyDown, KeyPress (from TWinControl), WMSetFocus, WMKillFocus,
// WMMouseWheel, WMPaste, WMCut, WMSize, CreateParams and CreateWnd; FocusFromLeftPress tells a
// focus handler that the focus comes from a left-button press on the field itself.

#include <string>

#include "framework/control.h"

namespace fw {

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);

  std::string Text() const { return GetText(); }
  void SetText(const std::string& text);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool autoSelect) { autoSelect_ = autoSelect; }
  // With AutoSize the height is fitted to the font when the window is made and when the font
  // changes: the font's line height, the frame, and two pixels above and below the text.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  // The most characters the user may type; 0: no limit of our own.
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int maxLength);

  int SelStart() const;
  int SelLength() const;
  void SetSelection(int start, int length);
  void SelectAll();
  std::string SelText() const;

  // The formatting rectangle, in client coordinates: where the text is drawn.
  platform::Rect EditRect() const;
  // Sets it without repainting (EM_SETRECTNP).
  void SetEditRectNoPaint(const platform::Rect& rect);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) const override;
  void CreateWnd() override;
  void WndProc(platform::Message& message) override;
  void DefaultHandler(platform::Message& message) override;

  void WMSetText(platform::Message& message) override;
  void WMSetFocus(platform::Message& message) override;
  void CNCommand(platform::Message& message) override;
  virtual void WMCut(platform::Message& message);
  virtual void WMPaste(platform::Message& message);
  virtual void WMLButtonDown(platform::Message& message);
  void FontChanged() override;

  // Raises OnChange.
  virtual void Change();
  bool FocusFromLeftPress() const { return leftPressFocusing_; }
  bool Multiline() const;
  // The height AutoSize gives.
  int AutoSizeHeight() const;

 private:
  void AdjustHeight();
  void HeadlessReplaceSelection(const std::string& replacement);
  void HeadlessDefault(platform::Message& message);

  bool readOnly_ = false;
  bool autoSelect_ = true;
  bool autoSize_ = true;
  int maxLength_ = 0;
  int changeSuppressed_ = 0;
  bool leftPressFocusing_ = false;
  // Headless state of the edit window.
  int selStart_ = 0;
  int selLength_ = 0;
  bool hasEditRect_ = false;
  platform::Rect editRect_;
};

}  // namespace fw
