#pragma once
// The up/down arrow pair: TSpinButton, a small window holding two auto-repeating arrow buttons
// (TTimerSpeedButton, controls without a window of their own, painted and fed with mouse input by
// the pair).
//
// Layout: both arrows take the pair's full width; the up arrow lies at the top with height
// H div 2 (H: the pair's height), the down arrow runs from y = up arrow height - 1 to the bottom,
// overlapping the up arrow by one pixel (the down arrow is on top there). The pair is never
// narrower than 15 pixels.
//
// Input: a left-button press on an arrow first gives the focus to FocusControl when that is a tab
// stop, can take the focus and does not have it; the pair itself never takes the focus. A press
// and release over the same arrow is one click (OnUpClick / OnDownClick, with the pair as
// sender). While the button stays down the arrow repeats its click 400 ms after the press and then
// every 100 ms, as long as the pointer is over the arrow (the arrow shows pressed only then); the
// release ends the repetition and, over the arrow, is itself a click.
//
// The repeat runs on the arrow's control timer (see framework/control.h): with a window it is a
// real WM_TIMER of the pair's window; headless the arrow's TimerInterval() shows what is armed and
// Perform(kWmTimer) on the arrow delivers a tick.

#include "framework/control.h"
#include "platform/paint.h"

namespace fw {

class TTimerSpeedButton : public TControl {
 public:
  static constexpr unsigned kInitialRepeatDelay = 400;
  static constexpr unsigned kRepeatInterval = 100;

  explicit TTimerSpeedButton(TComponent* owner);

  platform::ArrowDirection Direction() const { return direction_; }
  void SetDirection(platform::ArrowDirection direction);
  // Whether the arrow repeats its click while held (true by default).
  bool AutoRepeat() const { return autoRepeat_; }
  void SetAutoRepeat(bool autoRepeat) { autoRepeat_ = autoRepeat; }

  // Shown pressed: the left button went down on the arrow and the pointer is over it.
  bool Down() const { return down_; }
  // The left button went down on the arrow and has not been released.
  bool Tracking() const { return tracking_; }

  void WndProc(platform::Message& message) override;

 protected:
  void Timer() override;
  void Paint(platform::PaintSession& session) override;

 private:
  void Press(int x, int y);
  void Track(int x, int y);
  void Release(int x, int y);
  void Cancel();
  bool Inside(int x, int y) const;
  void SetDown(bool down);

  platform::ArrowDirection direction_ = platform::ArrowDirection::kUp;
  bool autoRepeat_ = true;
  bool tracking_ = false;
  bool down_ = false;
};

class TSpinButton : public TWinControl {
 public:
  static constexpr int kMinimumWidth = 15;

  explicit TSpinButton(TComponent* owner);

  TTimerSpeedButton* UpButton() const { return upButton_; }
  TTimerSpeedButton* DownButton() const { return downButton_; }

  // The control that a press on an arrow gives the focus to; it must outlive the pair or be
  // cleared first.
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* control) { focusControl_ = control; }

  void SetBounds(int left, int top, int width, int height) override;
  void WndProc(platform::Message& message) override;

  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;

 protected:
  void CreateParams(TCreateParams& params) const override;
  void Resize() override;
  void Paint(platform::PaintSession& session) override;

 private:
  void AdjustArrows();
  void FocusOnPress();

  TTimerSpeedButton* upButton_ = nullptr;
  TTimerSpeedButton* downButton_ = nullptr;
  TWinControl* focusControl_ = nullptr;
};

}  // namespace fw
