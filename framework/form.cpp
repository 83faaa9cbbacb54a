#include "framework/form.h"

#include <algorithm>
#include <utility>

#include "framework/application.h"
#include "platform/screen.h"
#include "platform/window_styles.h"

namespace fw {

using platform::Message;

namespace {

// WM_ACTIVATE's low word when the window loses the activation.
constexpr unsigned kWaInactive = 0;

// Release requests of forms that have no window to post them to, oldest first.
std::vector<TCustomForm*>& HeadlessReleases() {
  static std::vector<TCustomForm*> queue;
  return queue;
}

// Whether `control` is one of the windowed controls inside `parent`, at any depth. Compares
// addresses only, so a control that is gone already is simply not found.
bool HoldsWindowedControl(const TWinControl& parent, const TWinControl* control) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    if (const auto* windowed = dynamic_cast<const TWinControl*>(parent.Controls(i))) {
      if (windowed == control || HoldsWindowedControl(*windowed, control)) {
        return true;
      }
    }
  }
  return false;
}

TWinControl* FindWindowedControl(const TWinControl& parent, platform::WindowHandle window) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    if (auto* windowed = dynamic_cast<TWinControl*>(parent.Controls(i))) {
      if (windowed->HandleIfAllocated() == window) {
        return windowed;
      }
      if (TWinControl* inner = FindWindowedControl(*windowed, window)) {
        return inner;
      }
    }
  }
  return nullptr;
}

}  // namespace

TCustomForm::TCustomForm(TComponent* owner, std::string windowClassName)
    : TWinControl(owner), windowClassName_(std::move(windowClassName)) {
  SetVisible(false);
  SetBounds(0, 0, 320, 240);
}

TCustomForm::~TCustomForm() {
  BeforeDestruction();
  auto& queue = HeadlessReleases();
  queue.erase(std::remove(queue.begin(), queue.end(), this), queue.end());
  activeControl_ = nullptr;
  // The window goes while this class's handlers still answer its last messages.
  DestroyHandle();
}

void TCustomForm::AfterConstruction() {
  if (created_) {
    return;
  }
  created_ = true;
  if (OnCreate) {
    OnCreate(this);
  }
}

void TCustomForm::SetCaption(const std::string& caption) { SetTextBuf(caption); }

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) {
    return;
  }
  // Keep the client area: the frame changes around it.
  const platform::Rect client = ClientRect();
  borderStyle_ = style;
  RecreateWnd();
  SetClientSize(client.Width(), client.Height());
}

void TCustomForm::SetFormStyle(TFormStyle style) {
  if (style == formStyle_) {
    return;
  }
  formStyle_ = style;
  RecreateWnd();
}

void TCustomForm::CreateParams(TCreateParams& params) const {
  TWinControl::CreateParams(params);
  params.className = windowClassName_;
  params.baseClass.clear();
  params.style &= platform::kWsVisible | platform::kWsDisabled;
  params.style |= platform::kWsClipChildren;
  params.exStyle = 0;
  switch (borderStyle_) {
    case TFormBorderStyle::bsNone:
      params.style |= platform::kWsPopup;
      break;
    case TFormBorderStyle::bsSingle:
      params.style |= platform::kWsCaption | platform::kWsSysMenu | platform::kWsMinimizeBox |
                      platform::kWsMaximizeBox;
      break;
    case TFormBorderStyle::bsSizeable:
      params.style |= platform::kWsCaption | platform::kWsThickFrame | platform::kWsSysMenu |
                      platform::kWsMinimizeBox | platform::kWsMaximizeBox;
      break;
    case TFormBorderStyle::bsDialog:
      params.style |= platform::kWsCaption | platform::kWsSysMenu;
      params.exStyle |= platform::kWsExDlgModalFrame | platform::kWsExWindowEdge;
      break;
    case TFormBorderStyle::bsToolWindow:
      params.style |= platform::kWsCaption | platform::kWsSysMenu;
      params.exStyle |= platform::kWsExToolWindow | platform::kWsExWindowEdge;
      break;
  }
  params.exStyle |= platform::kWsExControlParent;
  if (formStyle_ == TFormStyle::fsStayOnTop) {
    params.exStyle |= platform::kWsExTopmost;
  }
}

void TCustomForm::CreateWnd() {
  SetParentWindow(Application().OwnerWindow());
  // The client size the form has now (worked out from the frame the styles give) is the one the
  // window must get, whatever the system makes of the outer size.
  const platform::Rect wanted = ClientRect();
  TWinControl::CreateWnd();
  platform::WindowHandle window = HandleIfAllocated();
  if (window == nullptr) {
    return;
  }
  const platform::Rect got = platform::NativeClientRect(window);
  if (got.Width() != wanted.Width() || got.Height() != wanted.Height()) {
    SetBounds(Left(), Top(), Width() + wanted.Width() - got.Width(),
              Height() + wanted.Height() - got.Height());
  }
  if (releasePending_) {
    // A request posted to an earlier window of the form went with it.
    platform::PostNativeMessage(window, kCmRelease, 0, 0);
  }
}

void TCustomForm::Show() {
  HandleNeeded();
  const bool first = !shownBefore_;
  shownBefore_ = true;
  if (first && position_ == TPosition::poScreenCenter) {
    PlaceOnScreen();
  }
  SetVisible(true);
  platform::BringNativeWindowToFront(HandleIfAllocated());
  if (first) {
    const TWinControl* focused = FocusedControl();
    if (focused == nullptr || !HoldsWindowedControl(*this, focused)) {
      FocusFirstControl();
    }
  }
}

void TCustomForm::PlaceOnScreen() {
  const platform::ScreenSize screen = platform::PrimaryScreenSize();
  const int left = std::max(0, (screen.width - Width()) / 2);
  const int top = std::max(0, (screen.height - Height()) / 2);
  SetBounds(left, top, Width(), Height());
}

void TCustomForm::FocusFirstControl() {
  if (TWinControl* first = FindNextControl(nullptr, true, true)) {
    first->SetFocus();
    activeControl_ = first;
  }
}

void TCustomForm::Close() {
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) {
    OnClose(this, action);
  }
  switch (action) {
    case TCloseAction::caNone:
      break;
    case TCloseAction::caHide:
      Hide();
      break;
    case TCloseAction::caFree:
      Release();
      break;
  }
}

void TCustomForm::Release() {
  if (releasePending_) {
    return;
  }
  releasePending_ = true;
  platform::WindowHandle window = HandleIfAllocated();
  if (window == nullptr || !platform::PostNativeMessage(window, kCmRelease, 0, 0)) {
    HeadlessReleases().push_back(this);
  }
}

void TCustomForm::DispatchHeadlessReleases() {
  auto& queue = HeadlessReleases();
  // Each form leaves the queue when it is destroyed, so the entries left stay valid.
  while (!queue.empty()) {
    TCustomForm* form = queue.front();
    queue.erase(queue.begin());
    if (form->releasePending_) {
      form->Free();
    }
  }
}

void TCustomForm::BeforeDestruction() {
  if (destroyEventRun_) {
    return;
  }
  Hide();
  RunDestroyEvent();
}

void TCustomForm::RunDestroyEvent() {
  if (destroyEventRun_) {
    return;
  }
  destroyEventRun_ = true;
  if (OnDestroy) {
    OnDestroy(this);
  }
}

void TCustomForm::Free() {
  BeforeDestruction();
  delete this;
}

bool TCustomForm::Contains(const TWinControl* control) const {
  return control != nullptr && HoldsWindowedControl(*this, control);
}

TWinControl* TCustomForm::ChildWindowControl(platform::WindowHandle window) const {
  return window != nullptr ? FindWindowedControl(*this, window) : nullptr;
}

void TCustomForm::Activated(bool active) {
  if (!active) {
    TWinControl* focused = FocusedControl();
    if (Contains(focused)) {
      activeControl_ = focused;
    }
    return;
  }
  if (Contains(activeControl_) && activeControl_->CanFocus()) {
    activeControl_->SetFocus();
  } else {
    FocusFirstControl();
  }
}

void TCustomForm::WndProc(Message& m) {
  switch (m.msg) {
    case platform::kWmClose:
      Close();
      m.result = 0;
      return;
    case kCmRelease:
      // A request taken back, or one for a form that was released and kept, is dropped.
      if (releasePending_) {
        Free();  // the form is gone: nothing of it may be touched from here on
      }
      return;
    case platform::kWmActivate: {
      TWinControl::WndProc(m);
      const bool minimised = platform::HighWord(m.wParam) != 0;
      const bool active = platform::LowWord(m.wParam) != kWaInactive;
      if (!minimised || !active) {
        Activated(active);
      }
      return;
    }
    case platform::kWmCtlColorStatic:
      if (TWinControl* child =
              ChildWindowControl(reinterpret_cast<platform::WindowHandle>(m.lParam))) {
        const platform::LResult brush = child->Perform(kCnCtlColorStatic, m.wParam, m.lParam);
        if (brush != 0) {
          m.result = brush;
          return;
        }
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

bool TCustomForm::DialogKey(unsigned key, TShiftState shift) {
  if (key == platform::kVkTab && (shift & (ssCtrl | ssAlt)) == 0) {
    TWinControl* current = FocusedControl();
    if (TWinControl* next =
            FindNextControl(Contains(current) ? current : nullptr, (shift & ssShift) == 0, true)) {
      next->SetFocus();
      activeControl_ = next;
    }
    return true;
  }
  return TWinControl::DialogKey(key, shift);
}

}  // namespace fw
