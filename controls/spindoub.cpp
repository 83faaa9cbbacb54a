#include "controls/spindoub.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "controls/decimal_separator.h"
#include "controls/number_text.h"
#include "platform/metrics.h"
#include "platform/sound.h"
#include "platform/window_styles.h"

namespace controls {

namespace {

// Only the first characters of a text are read.
constexpr std::size_t kReadLimit = 100;

}  // namespace

TDoubSpin::TDoubSpin(fw::TComponent* owner) : fw::TCustomEdit(owner) {
  // The arrow pair: owned by the field and lying in its client area.
  spinButton_ = new fw::TSpinButton(this);
  spinButton_->SetBounds(0, 0, 15, 17);
  spinButton_->SetVisible(true);
  spinButton_->SetFocusControl(this);
  spinButton_->OnUpClick = [this](fw::TObject* sender) { StepUp(sender); };
  spinButton_->OnDownClick = [this](fw::TObject* sender) { StepDown(sender); };
  spinButton_->SetParent(this);
  SetText("0.0");
  // A control's name is never copied into this field's text (the framework copies none).
  increment_ = 0.5;
  editorEnabled_ = true;
  changeOnWheel_ = true;
  beepError_ = true;
  precision_ = 15;
}

TDoubSpin::~TDoubSpin() {
  // The pair goes with the inherited teardown; resize handling from here on leaves it alone.
  spinButton_ = nullptr;
}

void TDoubSpin::SetPrecision(int precision) {
  precision_ = precision;
  SetValue(Value());
}

double TDoubSpin::Value() { return ClampValue(TextNumber()); }

void TDoubSpin::SetValue(double value) {
  const double y = ClampValue(value);
  const std::string text = precision_ >= 15 ? FloatText(y) : FormatText("%.*g", {precision_, y});
  SetText(text);
  // A whole number shows its separator when asked to, except in exponent notation, where the
  // suffix would make the text unreadable (1.23E003.0).
  if (alwaysSeparator_ && y - std::trunc(y) == 0 && text.find('E') == std::string::npos) {
    SetText(text + DecimalSeparator() + "0");
  }
}

double TDoubSpin::TextNumber() {
  const std::string whole = Text();
  std::string text = whole.substr(0, kReadLimit);
  std::replace(text.begin(), text.end(), DecimalSeparator(), '.');
  // A number beyond the range of a double counts as unreadable.
  if (const std::optional<double> number = ParseDecimal(text); number && std::isfinite(*number)) {
    return *number;
  }
  if (!whole.empty() && beepError_) {
    platform::Beep();
  }
  return errValue_;
}

double TDoubSpin::ClampValue(double value) const {
  if (maxValue_ == minValue_) {
    return value;
  }
  if (value < minValue_) {
    return minValue_;
  }
  if (value > maxValue_) {
    return maxValue_;
  }
  return value;
}

int TDoubSpin::MinimumHeight() const {
  const int font = platform::FontLineHeight(Font().Description());
  const int system = platform::DefaultFontLineHeight();
  const int smaller = std::min(font, system);
  return font + smaller / 4 + 4 * platform::ThinBorderHeight() + 2;
}

void TDoubSpin::FitEditRect() {
  if (spinButton_ == nullptr) {
    return;
  }
  const platform::Rect client = ClientRect();
  SetEditRectNoPaint(platform::Rect{0, 0, client.Width() - spinButton_->Width() - 2, client.Height() + 1});
}

bool TDoubSpin::AcceptsKey(char key) const {
  const auto code = static_cast<unsigned char>(key);
  const bool control = code < 32;
  const bool accepted = key == '-' || key == '.' || (key >= '0' && key <= '9') || key == DecimalSeparator() ||
                        (control && code != 13);
  if (!editorEnabled_) {
    return accepted && control && code != 8;
  }
  return accepted;
}

void TDoubSpin::StepUp(fw::TObject*) {
  if (ReadOnly()) {
    platform::Beep();
    return;
  }
  const double sum = Value() + increment_;
  SetValue(sum);
}

void TDoubSpin::StepDown(fw::TObject*) {
  if (ReadOnly()) {
    platform::Beep();
    return;
  }
  const double difference = Value() - increment_;
  SetValue(difference);
}

void TDoubSpin::CreateParams(fw::TCreateParams& params) const {
  fw::TCustomEdit::CreateParams(params);
  params.className = "TDoubSpin";
  // Multi-line for the text area request; clip-children keeps the edit's painting off the pair.
  params.style |= platform::kEsMultiline | platform::kWsClipChildren;
}

void TDoubSpin::CreateWnd() {
  fw::TCustomEdit::CreateWnd();
  FitEditRect();
}

void TDoubSpin::FontChanged() {
  fw::TCustomEdit::FontChanged();
  FitEditRect();  // a new font resets the edit's text area
}

void TDoubSpin::KeyDown(unsigned& key, fw::TShiftState shift) {
  if (key == platform::kVkUp) {
    StepUp(this);
  } else if (key == platform::kVkDown) {
    StepDown(this);
  }
  fw::TCustomEdit::KeyDown(key, shift);
}

void TDoubSpin::KeyPress(char& key) {
  if (!AcceptsKey(key)) {
    key = 0;
    if (beepError_) {
      platform::Beep();
    }
    return;
  }
  fw::TCustomEdit::KeyPress(key);
}

void TDoubSpin::WMSize(platform::Message& message) {
  fw::TCustomEdit::WMSize(message);
  const int minimum = MinimumHeight();
  if (Height() < minimum && !raisingHeight_) {
    // A resize of its own, which places the pair.
    raisingHeight_ = true;
    SetHeight(minimum);
    raisingHeight_ = false;
    return;
  }
  if (spinButton_ == nullptr) {
    return;
  }
  const int width = spinButton_->Width();
  if (platform::NewStyleControls() && Ctl3D()) {
    spinButton_->SetBounds(Width() - width - 5, 0, width, Height() - 5);
  } else {
    spinButton_->SetBounds(Width() - width, 1, width, Height() - 3);
  }
  FitEditRect();
}

void TDoubSpin::WMSetFocus(platform::Message& message) {
  if (AutoSelect() && !FocusFromLeftPress()) {
    SelectAll();
  }
  fw::TCustomEdit::WMSetFocus(message);
}

void TDoubSpin::WMKillFocus(platform::Message& message) {
  fw::TCustomEdit::WMKillFocus(message);
  const double number = TextNumber();
  if (ClampValue(number) != number) {
    SetValue(number);
  }
}

void TDoubSpin::WMPaste(platform::Message& message) { message.result = 0; }

void TDoubSpin::WMCut(platform::Message& message) {
  if (editorEnabled_ && !ReadOnly()) {
    fw::TCustomEdit::WMCut(message);
    return;
  }
  message.result = 0;
}

void TDoubSpin::WMMouseWheel(platform::Message& message) {
  if (ReadOnly() || !changeOnWheel_) {
    message.result = 0;
    return;
  }
  const int delta = platform::SignedHighWord(message.wParam);
  if (delta > 0) {
    StepUp(this);
  } else if (delta < 0) {
    StepDown(this);
  }
  fw::TCustomEdit::WMMouseWheel(message);
}

}  // namespace controls
