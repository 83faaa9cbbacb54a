#include "framework/custom_edit.h"

#include <algorithm>
#include <utility>

#include "platform/metrics.h"
#include "platform/window_styles.h"

namespace fw {

using platform::LParam;
using platform::Message;
using platform::WParam;

namespace {

int AsInt(std::intptr_t value) { return static_cast<int>(value); }

}  // namespace

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 21);
}

void TCustomEdit::SetText(const std::string& text) {
  if (text == Text()) {
    return;
  }
  SetTextBuf(text);
}

void TCustomEdit::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  if (HandleAllocated()) {
    Perform(platform::kEmSetReadOnly, readOnly ? 1 : 0, 0);
  }
}

void TCustomEdit::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) {
    return;
  }
  autoSize_ = autoSize;
  AdjustHeight();
}

void TCustomEdit::SetMaxLength(int maxLength) {
  maxLength_ = std::max(0, maxLength);
  if (HandleAllocated()) {
    Perform(platform::kEmLimitText, static_cast<WParam>(maxLength_), 0);
  }
}

int TCustomEdit::SelStart() const {
  if (HandleAllocated()) {
    const auto range = static_cast<std::uintptr_t>(
        platform::SendNativeMessage(HandleIfAllocated(), platform::kEmGetSel, 0, 0));
    return static_cast<int>(platform::LowWord(range));
  }
  return selStart_;
}

int TCustomEdit::SelLength() const {
  if (HandleAllocated()) {
    const auto range = static_cast<std::uintptr_t>(
        platform::SendNativeMessage(HandleIfAllocated(), platform::kEmGetSel, 0, 0));
    return static_cast<int>(platform::HighWord(range)) - static_cast<int>(platform::LowWord(range));
  }
  return selLength_;
}

void TCustomEdit::SetSelection(int start, int length) {
  Perform(platform::kEmSetSel, static_cast<WParam>(start), static_cast<LParam>(start + length));
}

void TCustomEdit::SelectAll() { Perform(platform::kEmSetSel, 0, -1); }

std::string TCustomEdit::SelText() const {
  const std::string text = Text();
  const auto start = std::min<std::size_t>(static_cast<std::size_t>(std::max(0, SelStart())), text.size());
  return text.substr(start, static_cast<std::size_t>(std::max(0, SelLength())));
}

platform::Rect TCustomEdit::EditRect() const {
  if (HandleAllocated()) {
    platform::Rect rect;
    platform::SendNativeMessage(HandleIfAllocated(), platform::kEmGetRect, 0, reinterpret_cast<LParam>(&rect));
    return rect;
  }
  return hasEditRect_ ? editRect_ : ClientRect();
}

void TCustomEdit::SetEditRectNoPaint(const platform::Rect& rect) {
  platform::Rect copy = rect;
  Perform(platform::kEmSetRectNp, 0, reinterpret_cast<LParam>(&copy));
}

void TCustomEdit::CreateParams(TCreateParams& params) const {
  TWinControl::CreateParams(params);
  params.className = "TCustomEdit";
  params.baseClass = "EDIT";
  params.style |= platform::kEsLeft | platform::kEsAutoHScroll;
  if (readOnly_) {
    params.style |= platform::kEsReadOnly;
  }
  if (Ctl3D() && platform::NewStyleControls()) {
    params.exStyle |= platform::kWsExClientEdge;
  } else {
    params.style |= platform::kWsBorder;
  }
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  if (!HandleAllocated()) {
    return;
  }
  if (maxLength_ > 0) {
    Perform(platform::kEmLimitText, static_cast<WParam>(maxLength_), 0);
  }
  AdjustHeight();
}

int TCustomEdit::AutoSizeHeight() const {
  TCreateParams params;
  CreateParams(params);
  const platform::Rect frame = platform::FrameInsets(params.style, params.exStyle);
  return platform::FontLineHeight(Font().Description()) + frame.top + frame.bottom + 4;
}

void TCustomEdit::AdjustHeight() {
  if (autoSize_ && HandleAllocated()) {
    SetHeight(AutoSizeHeight());
  }
}

void TCustomEdit::FontChanged() {
  TWinControl::FontChanged();
  AdjustHeight();
}

bool TCustomEdit::Multiline() const {
  TCreateParams params;
  CreateParams(params);
  return (params.style & platform::kEsMultiline) != 0;
}

void TCustomEdit::WndProc(Message& m) {
  switch (m.msg) {
    case platform::kWmCut:
      WMCut(m);
      return;
    case platform::kWmPaste:
      WMPaste(m);
      return;
    case platform::kWmLButtonDown:
      WMLButtonDown(m);
      return;
    default:
      TWinControl::WndProc(m);
      return;
  }
}

void TCustomEdit::WMLButtonDown(Message& m) {
  // The default handling of the press is what gives the field the focus.
  const bool outer = std::exchange(leftPressFocusing_, true);
  TWinControl::WndProc(m);
  leftPressFocusing_ = outer;
}

void TCustomEdit::WMCut(Message& m) { DefaultHandler(m); }

void TCustomEdit::WMPaste(Message& m) { DefaultHandler(m); }

void TCustomEdit::WMSetText(Message& m) {
  const std::string old = Text();
  ++changeSuppressed_;
  DefaultHandler(m);
  --changeSuppressed_;
  if (Text() != old) {
    Change();
  }
}

void TCustomEdit::WMSetFocus(Message& m) {
  if (autoSelect_ && !leftPressFocusing_ && !Multiline()) {
    SelectAll();
  }
  TWinControl::WMSetFocus(m);
}

void TCustomEdit::CNCommand(Message& m) {
  if (platform::HighWord(m.wParam) == platform::kEnChange && changeSuppressed_ == 0) {
    Change();
  }
  m.result = 0;
}

void TCustomEdit::Change() {
  if (OnChange && !Destroying()) {
    OnChange(this);
  }
}

void TCustomEdit::DefaultHandler(Message& m) {
  if (HandleAllocated()) {
    TWinControl::DefaultHandler(m);
    return;
  }
  HeadlessDefault(m);
}

void TCustomEdit::HeadlessReplaceSelection(const std::string& replacement) {
  const auto size = static_cast<int>(text_.size());
  selStart_ = std::clamp(selStart_, 0, size);
  selLength_ = std::clamp(selLength_, 0, size - selStart_);
  text_.replace(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_), replacement);
  selStart_ += static_cast<int>(replacement.size());
  selLength_ = 0;
}

void TCustomEdit::HeadlessDefault(Message& m) {
  const std::string before = text_;
  m.result = 0;
  switch (m.msg) {
    case platform::kWmSetText:
      TWinControl::DefaultHandler(m);
      selStart_ = static_cast<int>(text_.size());
      selLength_ = 0;
      return;  // WMSetText raises the change
    case platform::kWmChar: {
      if (readOnly_) {
        return;
      }
      const auto c = static_cast<unsigned char>(m.wParam & 0xFFu);
      if (c == platform::kVkBack) {
        if (selLength_ == 0 && selStart_ > 0) {
          --selStart_;
          selLength_ = 1;
        }
        HeadlessReplaceSelection("");
      } else if (c >= 32) {
        const auto kept = static_cast<int>(text_.size()) - selLength_;
        if (maxLength_ == 0 || kept < maxLength_) {
          HeadlessReplaceSelection(std::string(1, static_cast<char>(c)));
        }
      }
      break;
    }
    case platform::kWmCut:
    case platform::kWmClear:
      if (!readOnly_) {
        HeadlessReplaceSelection("");
      }
      break;
    case platform::kWmPaste:
      break;  // no clipboard headless
    case platform::kEmReplaceSel: {
      const char* text = reinterpret_cast<const char*>(m.lParam);
      HeadlessReplaceSelection(text != nullptr ? text : "");
      break;
    }
    case platform::kEmSetSel: {
      const int size = static_cast<int>(text_.size());
      int start = AsInt(static_cast<std::intptr_t>(m.wParam));
      int end = AsInt(m.lParam);
      if (start < 0) {
        start = end = std::clamp(selStart_, 0, size);
      } else {
        if (end < 0 || end > size) end = size;
        start = std::min(start, size);
        if (start > end) std::swap(start, end);
      }
      selStart_ = start;
      selLength_ = end - start;
      m.result = 1;
      return;
    }
    case platform::kEmGetSel:
      m.result = platform::MakeLParam(static_cast<unsigned>(selStart_), static_cast<unsigned>(selStart_ + selLength_));
      return;
    case platform::kEmSetReadOnly:
      readOnly_ = m.wParam != 0;
      m.result = 1;
      return;
    case platform::kEmLimitText:
      maxLength_ = static_cast<int>(m.wParam);
      return;
    case platform::kEmSetRect:
    case platform::kEmSetRectNp:
      if (const auto* rect = reinterpret_cast<const platform::Rect*>(m.lParam)) {
        editRect_ = *rect;
        hasEditRect_ = true;
      }
      return;
    case platform::kEmGetRect:
      if (auto* rect = reinterpret_cast<platform::Rect*>(m.lParam)) {
        *rect = hasEditRect_ ? editRect_ : ClientRect();
      }
      return;
    case platform::kWmSize:
      hasEditRect_ = false;  // the EDIT window resets its text area to the new client area
      return;
    case platform::kWmLButtonDown:
      if (!Focused() && CanFocus()) {
        SetFocus();
      }
      return;
    default:
      TWinControl::DefaultHandler(m);
      return;
  }
  if (text_ != before && changeSuppressed_ == 0) {
    Change();
  }
}

}  // namespace fw
