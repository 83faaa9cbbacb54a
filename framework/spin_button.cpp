#include "framework/spin_button.h"

#include <algorithm>

#include "platform/window_styles.h"

namespace fw {

using platform::Message;

// ---------------------------------------------------------------------------------------------
// TTimerSpeedButton

TTimerSpeedButton::TTimerSpeedButton(TComponent* owner) : TControl(owner) {}

void TTimerSpeedButton::SetDirection(platform::ArrowDirection direction) {
  direction_ = direction;
  Invalidate();
}

void TTimerSpeedButton::WndProc(Message& m) {
  const int x = platform::SignedLowWord(static_cast<std::uintptr_t>(m.lParam));
  const int y = platform::SignedHighWord(static_cast<std::uintptr_t>(m.lParam));
  switch (m.msg) {
    case platform::kWmLButtonDown:
    case platform::kWmLButtonDblClk:  // a quick second press is a press like any other
      TControl::WndProc(m);
      Press(x, y);
      return;
    case platform::kWmMouseMove:
      TControl::WndProc(m);
      Track(x, y);
      return;
    case platform::kWmLButtonUp:
      TControl::WndProc(m);
      Release(x, y);
      return;
    case platform::kWmCancelMode:
      Cancel();
      return;
    default:
      TControl::WndProc(m);
      return;
  }
}

bool TTimerSpeedButton::Inside(int x, int y) const { return ClientRect().Contains(x, y); }

void TTimerSpeedButton::SetDown(bool down) {
  if (down != down_) {
    down_ = down;
    Invalidate();
  }
}

void TTimerSpeedButton::Press(int x, int y) {
  if (tracking_ || !Inside(x, y)) {
    return;
  }
  tracking_ = true;
  SetDown(true);
  if (autoRepeat_) {
    StartTimer(kInitialRepeatDelay);
  }
}

void TTimerSpeedButton::Track(int x, int y) {
  if (tracking_) {
    SetDown(Inside(x, y));
  }
}

void TTimerSpeedButton::Release(int x, int y) {
  if (!tracking_) {
    return;
  }
  tracking_ = false;
  StopTimer();
  const bool click = down_ && Inside(x, y);
  SetDown(false);
  if (click) {
    Click();
  }
}

void TTimerSpeedButton::Cancel() {
  tracking_ = false;
  StopTimer();
  SetDown(false);
}

void TTimerSpeedButton::Timer() {
  if (!tracking_) {
    StopTimer();
    return;
  }
  if (TimerInterval() != kRepeatInterval) {
    StartTimer(kRepeatInterval);
  }
  if (down_) {
    Click();
  }
}

void TTimerSpeedButton::Paint(platform::PaintSession& session) {
  const bool enabled = Enabled() && (Parent() == nullptr || Parent()->Enabled());
  session.DrawArrowButton(BoundsRect(), direction_, down_, enabled);
}

// ---------------------------------------------------------------------------------------------
// TSpinButton

TSpinButton::TSpinButton(TComponent* owner) : TWinControl(owner) {
  upButton_ = new TTimerSpeedButton(this);
  upButton_->SetDirection(platform::ArrowDirection::kUp);
  upButton_->SetParent(this);
  upButton_->OnClick = [this](TObject*) {
    if (OnUpClick && !Destroying()) {
      OnUpClick(this);
    }
  };
  downButton_ = new TTimerSpeedButton(this);
  downButton_->SetDirection(platform::ArrowDirection::kDown);
  downButton_->SetParent(this);
  downButton_->OnClick = [this](TObject*) {
    if (OnDownClick && !Destroying()) {
      OnDownClick(this);
    }
  };
  SetTabStop(false);
  SetBounds(0, 0, 20, 18);
  AdjustArrows();
}

void TSpinButton::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, std::max(width, kMinimumWidth), height);
}

void TSpinButton::CreateParams(TCreateParams& params) const {
  TWinControl::CreateParams(params);
  params.className = "TSpinButton";
  params.baseClass.clear();
  params.classStyle = platform::kCsHRedraw | platform::kCsVRedraw;
  params.style &= ~platform::kWsTabStop;
}

void TSpinButton::WndProc(Message& m) {
  if (m.msg == platform::kWmLButtonDown || m.msg == platform::kWmLButtonDblClk) {
    const int x = platform::SignedLowWord(static_cast<std::uintptr_t>(m.lParam));
    const int y = platform::SignedHighWord(static_cast<std::uintptr_t>(m.lParam));
    for (const TTimerSpeedButton* arrow : {upButton_, downButton_}) {
      if (arrow != nullptr && arrow->Visible() && arrow->Enabled() && arrow->BoundsRect().Contains(x, y)) {
        FocusOnPress();
        break;
      }
    }
  }
  TWinControl::WndProc(m);
}

void TSpinButton::FocusOnPress() {
  if (focusControl_ != nullptr && focusControl_->TabStop() && focusControl_->CanFocus() &&
      !focusControl_->Focused()) {
    focusControl_->SetFocus();
  }
}

void TSpinButton::Resize() {
  AdjustArrows();
  TWinControl::Resize();
}

void TSpinButton::AdjustArrows() {
  if (upButton_ == nullptr || downButton_ == nullptr) {
    return;
  }
  const int width = Width();
  const int upHeight = Height() / 2;
  upButton_->SetBounds(0, 0, width, upHeight);
  downButton_->SetBounds(0, upHeight - 1, width, Height() - upHeight + 1);
}

void TSpinButton::Paint(platform::PaintSession& session) {
  session.FillSystemColour(ClientRect(), platform::kColorBtnFace);
  TWinControl::Paint(session);
}

}  // namespace fw
