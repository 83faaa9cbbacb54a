#pragma once
// Forms: the top-level windows of the framework.
//
// A form is a windowed control without a parent control. Its window is a top-level window of a
// class of its own (named by the form class, e.g. "TForm1") and is owned by the application's
// owner window (framework/application.h) as it is at the time the window is made. A form starts
// hidden; Show makes its window and shows it.
//
// Lifetime:
//  - A form class builds its controls in its constructor and calls AfterConstruction as the last
//    step of the most derived constructor: that runs OnCreate, once, with every control in place.
//  - Close (also the caption's close button and the system's close command, WM_CLOSE) asks
//    OnClose what to do; by default it only hides the form.
//  - Release posts a request to the form's window; the form is destroyed when the message loop
//    dispatches it, after the caller has returned. CancelRelease takes a pending request back.
//    A form without a window keeps the request in a queue of its own that
//    TApplication::ProcessMessages dispatches.
//  - Free hides the form, runs OnDestroy (every control still exists and holds its state) and
//    destroys the form with its controls and windows. The release request, the application's
//    teardown and every other way this framework destroys a form go through Free. A form deleted
//    directly runs OnDestroy from its own destructor, when the parts of a derived class are gone
//    already: delete forms of derived classes with Free.
//
// Showing: the first showing places a form whose Position is poScreenCenter in the middle of the
// screen (outer size, frame and caption included; each quotient truncated toward zero and raised
// to 0) and gives the focus to the first control in tab order. Later showings keep the place.
// Every Show brings the form to the front. While the form is active, Tab and Shift+Tab move the
// focus through its tab stops; when it is activated again the control that had the focus last
// gets it back.
//
// Colours: a STATIC child (a label) asks its parent for its colours; the form hands the question
// to the child control, which answers it as kCnCtlColorStatic.

#include <functional>
#include <string>
#include <vector>

#include "framework/control.h"

namespace fw {

enum class TFormBorderStyle {
  bsNone,        // no frame, no caption
  bsSingle,      // thin frame, caption with the system menu, fixed size
  bsSizeable,    // sizing frame, caption with minimise and maximise boxes
  bsDialog,      // dialog frame, caption with the system menu, fixed size
  bsToolWindow,  // narrow caption with the close button only, fixed size, no taskbar entry
};

enum class TFormStyle { fsNormal, fsStayOnTop };

enum class TPosition { poDesigned, poScreenCenter };

enum class TCloseAction { caNone, caHide, caFree };
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

// The form's release request, a message private to form windows.
inline constexpr unsigned kCmRelease = platform::kWmApp + 0x0100;
// A child's WM_CTLCOLORSTATIC, handed on to the child control.
inline constexpr unsigned kCnCtlColorStatic = kCnBase + platform::kWmCtlColorStatic;

class TCustomForm : public TWinControl {
 public:
  // `windowClassName` names the class of the form's window.
  TCustomForm(TComponent* owner, std::string windowClassName);
  ~TCustomForm() override;

  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& caption);

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle style);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }

  // Makes the form visible (creating its window first) and brings it to the front.
  void Show();
  void Hide() { SetVisible(false); }
  // Runs OnClose with caHide and does what it leaves: hide, release (caFree) or nothing.
  void Close();

  void Release();
  bool ReleasePending() const { return releasePending_; }
  void CancelRelease() { releasePending_ = false; }

  // Hides the form and runs OnDestroy, once; Free calls it first.
  void BeforeDestruction();
  // Runs OnDestroy, once, touching no window (for a process that is ending).
  void RunDestroyEvent();
  void Free();

  // The control that has (or last had) the focus inside the form, or null.
  TWinControl* ActiveControl() const { return activeControl_; }

  // Dispatches the release requests of forms without a window.
  static void DispatchHeadlessReleases();

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TCloseEvent OnClose;

 protected:
  // Runs OnCreate, once. The most derived constructor calls it last.
  void AfterConstruction();

  void CreateParams(TCreateParams& params) const override;
  void CreateWnd() override;
  void WndProc(platform::Message& message) override;
  bool DialogKey(unsigned key, TShiftState shift) override;

 private:
  void PlaceOnScreen();
  void FocusFirstControl();
  void Activated(bool active);
  bool Contains(const TWinControl* control) const;
  TWinControl* ChildWindowControl(platform::WindowHandle window) const;

  std::string windowClassName_;
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TFormStyle formStyle_ = TFormStyle::fsNormal;
  TPosition position_ = TPosition::poDesigned;
  bool created_ = false;
  bool destroyEventRun_ = false;
  bool shownBefore_ = false;
  bool releasePending_ = false;
  TWinControl* activeControl_ = nullptr;
};

class TForm : public TCustomForm {
 public:
  explicit TForm(TComponent* owner, std::string windowClassName = "TForm")
      : TCustomForm(owner, std::move(windowClassName)) {}
};

}  // namespace fw
