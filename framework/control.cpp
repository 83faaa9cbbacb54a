#include "framework/control.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/keyboard.h"
#include "platform/window_styles.h"

namespace fw {

using platform::LParam;
using platform::Message;
using platform::WParam;

namespace {

// The control that has the focus while no window is involved.
TWinControl* headlessFocus = nullptr;

TShiftState MouseShiftState(WParam keys) {
  TShiftState shift = 0;
  if ((keys & platform::kMkShift) != 0) shift |= ssShift;
  if ((keys & platform::kMkControl) != 0) shift |= ssCtrl;
  if ((keys & platform::kMkLButton) != 0) shift |= ssLeft;
  if ((keys & platform::kMkRButton) != 0) shift |= ssRight;
  if (platform::KeyIsDown(platform::kVkMenu)) shift |= ssAlt;
  return shift;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TControl

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
  MarkDestroying();
  StopTimer();
  if (parent_ != nullptr) {
    parent_->RemoveControl(this);
    parent_ = nullptr;
  }
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) {
    return;
  }
  for (const TControl* p = parent; p != nullptr; p = p->parent_) {
    if (p == this) {
      return;  // a control cannot become its own descendant
    }
  }
  const unsigned interval = timerInterval_;
  StopTimer();
  if (parent_ != nullptr) {
    parent_->RemoveControl(this);
  }
  parent_ = parent;
  if (parent_ != nullptr) {
    parent_->InsertControl(this);
    if (parentFont_) {
      ParentFontChanged(parent_->Font());
    }
    if (parentCtl3D_) {
      ParentCtl3DChanged(parent_->Ctl3D());
    }
  }
  StartTimer(interval);
  Invalidate();
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) {
    return;
  }
  const bool resized = width != width_ || height != height_;
  Invalidate();
  StoreBounds(left, top, width, height);
  if (resized) {
    Perform(platform::kWmSize, platform::kSizeRestored,
            platform::MakeLParam(static_cast<unsigned>(width), static_cast<unsigned>(height)));
  }
  Invalidate();
}

void TControl::StoreBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

platform::Rect TControl::ClientRect() const { return platform::Rect{0, 0, width_, height_}; }

void TControl::SetClientSize(int width, int height) {
  const platform::Rect client = ClientRect();
  SetBounds(left_, top_, width + (width_ - client.Width()), height + (height_ - client.Height()));
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) {
    return;
  }
  visible_ = visible;
  VisibleChanged();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) {
    return;
  }
  enabled_ = enabled;
  EnabledChanged();
}

void TControl::SetFont(const TFont& font) {
  parentFont_ = false;
  if (font == font_) {
    return;
  }
  font_ = font;
  FontChanged();
}

void TControl::SetParentFont(bool parentFont) {
  parentFont_ = parentFont;
  if (parentFont_ && parent_ != nullptr) {
    ParentFontChanged(parent_->Font());
  }
}

void TControl::ParentFontChanged(const TFont& font) {
  if (parentFont_ && !(font == font_)) {
    font_ = font;
    FontChanged();
  }
}

void TControl::SetColor(TColor color) {
  if (color == color_) {
    return;
  }
  color_ = color;
  ColorChanged();
}

void TControl::SetCtl3D(bool ctl3D) {
  parentCtl3D_ = false;
  if (ctl3D == ctl3D_) {
    return;
  }
  ctl3D_ = ctl3D;
  Ctl3DChanged();
}

void TControl::SetParentCtl3D(bool parentCtl3D) {
  parentCtl3D_ = parentCtl3D;
  if (parentCtl3D_ && parent_ != nullptr) {
    ParentCtl3DChanged(parent_->Ctl3D());
  }
}

void TControl::ParentCtl3DChanged(bool ctl3D) {
  if (parentCtl3D_ && ctl3D != ctl3D_) {
    ctl3D_ = ctl3D;
    Ctl3DChanged();
  }
}

platform::LResult TControl::Perform(unsigned msg, WParam wParam, LParam lParam) {
  Message message{msg, wParam, lParam, 0};
  WndProc(message);
  return message.result;
}

void TControl::WndProc(Message& m) {
  const int x = platform::SignedLowWord(static_cast<std::uintptr_t>(m.lParam));
  const int y = platform::SignedHighWord(static_cast<std::uintptr_t>(m.lParam));
  switch (m.msg) {
    case platform::kWmLButtonDown:
      MouseDown(TMouseButton::mbLeft, MouseShiftState(m.wParam), x, y);
      break;
    case platform::kWmRButtonDown:
      MouseDown(TMouseButton::mbRight, MouseShiftState(m.wParam), x, y);
      break;
    case platform::kWmLButtonUp:
      MouseUp(TMouseButton::mbLeft, MouseShiftState(m.wParam), x, y);
      break;
    case platform::kWmRButtonUp:
      MouseUp(TMouseButton::mbRight, MouseShiftState(m.wParam), x, y);
      break;
    case platform::kWmMouseMove:
      MouseMove(MouseShiftState(m.wParam), x, y);
      break;
    case platform::kWmLButtonDblClk:
      if (OnDblClick && !Destroying()) {
        OnDblClick(this);
      }
      break;
    case platform::kWmSetText:
      WMSetText(m);
      return;
    case platform::kWmTimer:
      Timer();
      return;
    case platform::kWmSize:
      Resize();
      return;
    default:
      break;
  }
  DefaultHandler(m);
}

void TControl::DefaultHandler(Message& m) {
  // The headless stand-in for the system: a control's text, nothing else.
  switch (m.msg) {
    case platform::kWmSetText: {
      const char* text = reinterpret_cast<const char*>(m.lParam);
      text_ = text != nullptr ? text : "";
      m.result = 1;
      return;
    }
    case platform::kWmGetTextLength:
      m.result = static_cast<platform::LResult>(text_.size());
      return;
    case platform::kWmGetText: {
      char* buffer = reinterpret_cast<char*>(m.lParam);
      if (buffer == nullptr || m.wParam == 0) {
        m.result = 0;
        return;
      }
      const std::size_t count = std::min<std::size_t>(text_.size(), m.wParam - 1);
      std::memcpy(buffer, text_.data(), count);
      buffer[count] = '\0';
      m.result = static_cast<platform::LResult>(count);
      return;
    }
    default:
      m.result = 0;
      return;
  }
}

void TControl::Invalidate() {
  if (parent_ != nullptr) {
    platform::InvalidateWindow(parent_->HandleIfAllocated());
  }
}

void TControl::StartTimer(unsigned milliseconds) {
  if (milliseconds == 0) {
    StopTimer();
    return;
  }
  timerInterval_ = milliseconds;
  platform::StartTimer(HostWindow(), TimerId(), milliseconds);
}

void TControl::StopTimer() {
  if (timerInterval_ == 0) {
    return;
  }
  timerInterval_ = 0;
  platform::StopTimer(HostWindow(), TimerId());
}

std::string TControl::GetText() const { return text_; }

void TControl::SetTextBuf(const std::string& text) {
  Perform(platform::kWmSetText, 0, reinterpret_cast<LParam>(text.c_str()));
}

void TControl::WMSetText(Message& m) {
  DefaultHandler(m);
  Invalidate();
}

void TControl::Click() {
  if (OnClick && !Destroying()) {
    OnClick(this);
  }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown && !Destroying()) {
    OnMouseDown(this, button, shift, x, y);
  }
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp && !Destroying()) {
    OnMouseUp(this, button, shift, x, y);
  }
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove && !Destroying()) {
    OnMouseMove(this, shift, x, y);
  }
}

void TControl::Resize() {
  if (OnResize && !Destroying()) {
    OnResize(this);
  }
}

void TControl::VisibleChanged() { Invalidate(); }
void TControl::EnabledChanged() { Invalidate(); }
void TControl::FontChanged() { Invalidate(); }
void TControl::ColorChanged() { Invalidate(); }
void TControl::Ctl3DChanged() { Invalidate(); }
void TControl::Paint(platform::PaintSession&) {}

platform::WindowHandle TControl::HostWindow() const {
  return parent_ != nullptr ? parent_->HandleIfAllocated() : nullptr;
}

TShiftState TControl::KeyShiftState() {
  TShiftState shift = 0;
  if (platform::KeyIsDown(platform::kVkShift)) shift |= ssShift;
  if (platform::KeyIsDown(platform::kVkControl)) shift |= ssCtrl;
  if (platform::KeyIsDown(platform::kVkMenu)) shift |= ssAlt;
  return shift;
}

// ---------------------------------------------------------------------------------------------
// TWinControl

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  MarkDestroying();
  if (headlessFocus == this) {
    headlessFocus = nullptr;
  }
  DestroyHandle();
  // A parent frees its child controls, last first, whoever owns them.
  while (!controls_.empty()) {
    delete controls_.back();
  }
}

void TWinControl::SetParent(TWinControl* parent) {
  if (parent == Parent()) {
    return;
  }
  DestroyHandle();  // its window belongs to the old parent's
  TControl::SetParent(parent);
  if (Parent() != nullptr && Parent()->HandleAllocated()) {
    CreateHandle();
  }
}

int TWinControl::TabOrder() const {
  if (Parent() == nullptr) {
    return -1;
  }
  const auto& list = Parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (Parent() == nullptr) {
    return;
  }
  auto& list = Parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) {
    return;
  }
  list.erase(it);
  const int clamped = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + clamped, this);
}

void TWinControl::SetTabStop(bool tabStop) {
  if (tabStop == tabStop_) {
    return;
  }
  tabStop_ = tabStop;
  if (handle_ != nullptr) {
    TCreateParams params;
    CreateParams(params);
    platform::SetNativeStyle(handle_, params.style, params.exStyle);
  }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* control : tabList_) {
    list.push_back(control);
    control->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) {
    return nullptr;
  }
  const auto count = static_cast<std::ptrdiff_t>(list.size());
  auto it = std::find(list.begin(), list.end(), current);
  std::ptrdiff_t start = it == list.end() ? (forward ? -1 : count) : it - list.begin();
  for (std::ptrdiff_t step = 1; step <= count; ++step) {
    const std::ptrdiff_t index = ((start + (forward ? step : -step)) % count + count) % count;
    TWinControl* candidate = list[static_cast<std::size_t>(index)];
    if (candidate == current) {
      continue;
    }
    if ((!checkTabStop || candidate->TabStop()) && candidate->CanFocus()) {
      return candidate;
    }
  }
  return nullptr;
}

void TWinControl::HandleNeeded() {
  if (handle_ != nullptr) {
    return;
  }
  if (Parent() != nullptr) {
    Parent()->HandleNeeded();  // creates this control's window too, when it can
    if (handle_ != nullptr || !Parent()->HandleAllocated()) {
      return;
    }
  }
  CreateHandle();
}

platform::WindowHandle TWinControl::Handle() {
  HandleNeeded();
  return handle_;
}

void TWinControl::DestroyHandle() {
  if (handle_ == nullptr) {
    return;
  }
  platform::DestroyNativeWindow(handle_);
  handle_ = nullptr;
  mouseControl_ = nullptr;
}

void TWinControl::RecreateWnd() {
  if (handle_ == nullptr) {
    return;
  }
  DestroyHandle();
  HandleNeeded();
}

void TWinControl::CreateParams(TCreateParams& params) const {
  params.className = "TWinControl";
  params.classStyle = platform::kCsDblClks | platform::kCsHRedraw | platform::kCsVRedraw;
  params.background = platform::kColorBtnFace;
  params.text = text_;
  params.style = Parent() != nullptr ? platform::kWsChild | platform::kWsClipSiblings : 0;
  if (Visible()) params.style |= platform::kWsVisible;
  if (!Enabled()) params.style |= platform::kWsDisabled;
  if (tabStop_) params.style |= platform::kWsTabStop;
  params.x = Left();
  params.y = Top();
  params.width = Width();
  params.height = Height();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  params.parent = Parent() != nullptr ? Parent()->handle_ : parentWindow_;
  if ((params.style & platform::kWsChild) != 0 && params.parent == nullptr) {
    return;
  }
  platform::NativeWindowParams native;
  native.className = params.className;
  native.baseClass = params.baseClass;
  native.classStyle = params.classStyle;
  native.background = params.background;
  native.text = params.text;
  native.style = params.style;
  native.exStyle = params.exStyle;
  native.x = params.x;
  native.y = params.y;
  native.width = params.width;
  native.height = params.height;
  native.parent = params.parent;
  ownClass_ = params.baseClass.empty();
  platform::WindowHandle window = platform::CreateNativeWindow(native, this);
  handle_ = window;
  if (handle_ == nullptr) {
    return;
  }
  platform::SetNativeFont(handle_, Font().Description());
}

void TWinControl::CreateHandle() {
  if (handle_ != nullptr) {
    return;
  }
  CreateWnd();
  if (handle_ == nullptr) {
    return;
  }
  StartTimers();
  for (TControl* control : std::vector<TControl*>(controls_)) {
    if (auto* windowed = control->As<TWinControl>()) {
      windowed->CreateHandle();
    }
  }
}

void TWinControl::StartTimers() {
  if (TimerInterval() != 0) {
    platform::StartTimer(handle_, TimerId(), TimerInterval());
  }
  for (TControl* control : controls_) {
    if (!control->Is<TWinControl>() && control->TimerInterval() != 0) {
      platform::StartTimer(handle_, control->TimerId(), control->TimerInterval());
    }
  }
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (left == Left() && top == Top() && width == Width() && height == Height()) {
    return;
  }
  if (handle_ != nullptr) {
    // The system answers with WM_SIZE / WM_MOVE, which store the real bounds.
    StoreBounds(left, top, width, height);
    platform::MoveNativeWindow(handle_, left, top, width, height);
    return;
  }
  const bool moved = left != Left() || top != Top();
  const bool resized = width != Width() || height != Height();
  StoreBounds(left, top, width, height);
  if (moved) {
    Perform(platform::kWmMove, 0,
            platform::MakeLParam(static_cast<unsigned>(left), static_cast<unsigned>(top)));
  }
  if (resized) {
    const platform::Rect client = ClientRect();
    Perform(platform::kWmSize, platform::kSizeRestored,
            platform::MakeLParam(static_cast<unsigned>(client.Width()), static_cast<unsigned>(client.Height())));
  }
}

platform::Rect TWinControl::ClientRect() const {
  if (handle_ != nullptr) {
    return platform::NativeClientRect(handle_);
  }
  TCreateParams params;
  CreateParams(params);
  const platform::Rect insets = platform::FrameInsets(params.style, params.exStyle);
  return platform::Rect{0, 0, std::max(0, Width() - insets.left - insets.right),
                        std::max(0, Height() - insets.top - insets.bottom)};
}

void TWinControl::UpdateBoundsFromWindow() {
  if (handle_ == nullptr) {
    return;
  }
  const platform::Rect r = platform::NativeWindowRect(handle_);
  StoreBounds(r.left, r.top, r.Width(), r.Height());
}

bool TWinControl::CanFocus() const {
  for (const TControl* control = this; control != nullptr; control = control->Parent()) {
    if (!control->Visible() || !control->Enabled()) {
      return false;
    }
  }
  return true;
}

bool TWinControl::Focused() const {
  if (handle_ != nullptr) {
    return platform::FocusedWindow() == handle_;
  }
  return headlessFocus == this;
}

void TWinControl::SetFocus() {
  if (handle_ != nullptr) {
    platform::FocusWindow(handle_);
    return;
  }
  if (headlessFocus == this) {
    return;
  }
  // As on the system: the focus has moved when the old control hears of it.
  TWinControl* old = headlessFocus;
  headlessFocus = this;
  if (old != nullptr) {
    old->Perform(platform::kWmKillFocus, 0, 0);
  }
  if (headlessFocus == this) {
    Perform(platform::kWmSetFocus, 0, 0);
  }
}

TWinControl* TWinControl::FocusedControl() {
  if (platform::WindowHandle focus = platform::FocusedWindow()) {
    // Every window bound to a target is one of ours.
    return static_cast<TWinControl*>(platform::TargetOf(focus));
  }
  return headlessFocus;
}

void TWinControl::WndProc(Message& m) {
  switch (m.msg) {
    case platform::kWmSetFocus:
      WMSetFocus(m);
      return;
    case platform::kWmKillFocus:
      WMKillFocus(m);
      return;
    case platform::kWmKeyDown:
    case platform::kWmSysKeyDown:
      WMKeyDown(m);
      return;
    case platform::kWmKeyUp:
    case platform::kWmSysKeyUp:
      WMKeyUp(m);
      return;
    case platform::kWmChar:
      WMChar(m);
      return;
    case platform::kWmSize:
      WMSize(m);
      return;
    case platform::kWmMove:
      WMMove(m);
      return;
    case platform::kWmMouseWheel:
      WMMouseWheel(m);
      return;
    case platform::kWmCommand:
      WMCommand(m);
      return;
    case kCnCommand:
      CNCommand(m);
      return;
    case platform::kWmTimer:
      WMTimer(m);
      return;
    case platform::kWmPaint:
      WMPaint(m);
      return;
    case platform::kWmDestroy:
      WMDestroy(m);
      return;
    case platform::kWmLButtonDown:
    case platform::kWmLButtonDblClk:
    case platform::kWmLButtonUp:
    case platform::kWmRButtonDown:
    case platform::kWmRButtonUp:
    case platform::kWmMouseMove:
      if (RouteMouse(m)) {
        return;
      }
      break;
    case platform::kWmCaptureChanged:
      if (mouseControl_ != nullptr && reinterpret_cast<platform::WindowHandle>(m.lParam) != handle_) {
        TControl* control = mouseControl_;
        mouseControl_ = nullptr;
        control->Perform(platform::kWmCancelMode);
      }
      break;
    default:
      break;
  }
  TControl::WndProc(m);
}

void TWinControl::DefaultHandler(Message& m) {
  if (handle_ != nullptr) {
    platform::DefaultHandling(handle_, m);
    return;
  }
  TControl::DefaultHandler(m);
}

void TWinControl::Invalidate() { platform::InvalidateWindow(handle_); }

void TWinControl::WMSetFocus(Message& m) {
  DefaultHandler(m);
  DoEnter();
}

void TWinControl::WMKillFocus(Message& m) {
  DefaultHandler(m);
  DoExit();
}

void TWinControl::WMKeyDown(Message& m) {
  unsigned key = static_cast<unsigned>(m.wParam);
  droppedChar_ = 0;
  if (key == platform::kVkTab && DialogKey(key, KeyShiftState())) {
    droppedChar_ = '\t';
    m.result = 0;
    return;
  }
  KeyDown(key, KeyShiftState());
  if (key == 0) {
    m.result = 0;
    return;
  }
  m.wParam = key;
  DefaultHandler(m);
}

void TWinControl::WMKeyUp(Message& m) {
  unsigned key = static_cast<unsigned>(m.wParam);
  KeyUp(key, KeyShiftState());
  if (key == 0) {
    m.result = 0;
    return;
  }
  m.wParam = key;
  DefaultHandler(m);
}

void TWinControl::WMChar(Message& m) {
  char key = static_cast<char>(static_cast<unsigned char>(m.wParam & 0xFFu));
  const char dropped = std::exchange(droppedChar_, '\0');
  if (dropped != 0 && key == dropped) {
    m.result = 0;
    return;
  }
  KeyPress(key);
  if (key == 0) {
    m.result = 0;
    return;
  }
  m.wParam = static_cast<unsigned char>(key);
  DefaultHandler(m);
}

void TWinControl::WMSize(Message& m) {
  UpdateBoundsFromWindow();
  DefaultHandler(m);
  Resize();
}

void TWinControl::WMMove(Message& m) {
  UpdateBoundsFromWindow();
  DefaultHandler(m);
}

void TWinControl::WMMouseWheel(Message& m) { DefaultHandler(m); }

void TWinControl::WMCommand(Message& m) {
  if (m.lParam != 0) {
    if (TWinControl* child = ChildWithHandle(reinterpret_cast<platform::WindowHandle>(m.lParam))) {
      m.result = child->Perform(kCnCommand, m.wParam, m.lParam);
      return;
    }
  }
  DefaultHandler(m);
}

void TWinControl::CNCommand(Message& m) { m.result = 0; }

void TWinControl::WMTimer(Message& m) {
  for (TControl* control : controls_) {
    if (!control->Is<TWinControl>() && control->TimerId() == m.wParam) {
      control->Perform(platform::kWmTimer, m.wParam, 0);
      return;
    }
  }
  Timer();
}

void TWinControl::WMPaint(Message& m) {
  if (handle_ != nullptr && ownClass_) {
    platform::PaintSession session(handle_);
    Paint(session);
    m.result = 0;
    return;
  }
  DefaultHandler(m);
}

void TWinControl::WMDestroy(Message& m) {
  // Keep what the window held, so the control goes on without it.
  text_ = GetText();
  DefaultHandler(m);
}

void TWinControl::KeyDown(unsigned& key, TShiftState shift) {
  if (OnKeyDown && !Destroying()) {
    OnKeyDown(this, key, shift);
  }
}

void TWinControl::KeyUp(unsigned& key, TShiftState shift) {
  if (OnKeyUp && !Destroying()) {
    OnKeyUp(this, key, shift);
  }
}

void TWinControl::KeyPress(char& key) {
  if (OnKeyPress && !Destroying()) {
    OnKeyPress(this, key);
  }
}

bool TWinControl::DialogKey(unsigned key, TShiftState shift) {
  return Parent() != nullptr && Parent()->DialogKey(key, shift);
}

void TWinControl::DoEnter() {
  if (OnEnter && !Destroying()) {
    OnEnter(this);
  }
}

void TWinControl::DoExit() {
  if (OnExit && !Destroying()) {
    OnExit(this);
  }
}

std::string TWinControl::GetText() const {
  return handle_ != nullptr ? platform::NativeText(handle_) : text_;
}

void TWinControl::VisibleChanged() {
  if (handle_ != nullptr) {
    platform::ShowNativeWindow(handle_, Visible() ? platform::ShowMode::kShow : platform::ShowMode::kHide);
  }
}

void TWinControl::EnabledChanged() { platform::EnableNativeWindow(handle_, Enabled()); }

void TWinControl::FontChanged() {
  platform::SetNativeFont(handle_, Font().Description());
  for (TControl* control : controls_) {
    control->ParentFontChanged(Font());
  }
  Invalidate();
}

void TWinControl::Ctl3DChanged() {
  for (TControl* control : controls_) {
    control->ParentCtl3DChanged(Ctl3D());
  }
  RecreateWnd();
}

platform::WindowHandle TWinControl::HostWindow() const { return handle_; }

void TWinControl::Paint(platform::PaintSession& session) {
  for (TControl* control : controls_) {
    if (!control->Is<TWinControl>() && control->Visible()) {
      control->Paint(session);
    }
  }
}

void TWinControl::HandleAttached(platform::WindowHandle window) { handle_ = window; }

platform::LResult TWinControl::HandleMessage(Message& m) {
  WndProc(m);
  return m.result;
}

void TWinControl::HandleDetached() {
  handle_ = nullptr;
  mouseControl_ = nullptr;
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  if (auto* windowed = control->As<TWinControl>()) {
    tabList_.push_back(windowed);
  }
}

void TWinControl::RemoveControl(TControl* control) {
  if (mouseControl_ == control) {
    mouseControl_ = nullptr;
  }
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
  Invalidate();
}

TControl* TWinControl::ControlAtPos(int x, int y) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* control = *it;
    if (!control->Is<TWinControl>() && control->Visible() && control->Enabled() &&
        control->BoundsRect().Contains(x, y)) {
      return control;
    }
  }
  return nullptr;
}

bool TWinControl::RouteMouse(Message& m) {
  const int x = platform::SignedLowWord(static_cast<std::uintptr_t>(m.lParam));
  const int y = platform::SignedHighWord(static_cast<std::uintptr_t>(m.lParam));
  TControl* target = mouseControl_ != nullptr ? mouseControl_ : ControlAtPos(x, y);
  if (target == nullptr) {
    return false;
  }
  const bool press = m.msg == platform::kWmLButtonDown || m.msg == platform::kWmLButtonDblClk ||
                     m.msg == platform::kWmRButtonDown;
  const bool release = m.msg == platform::kWmLButtonUp || m.msg == platform::kWmRButtonUp;
  if (press && mouseControl_ == nullptr) {
    mouseControl_ = target;
    platform::CaptureMouse(handle_);
  }
  m.result = target->Perform(m.msg, m.wParam,
                             platform::MakeLParam(static_cast<unsigned>(x - target->Left()),
                                                  static_cast<unsigned>(y - target->Top())));
  const bool buttonsLeft = (m.wParam & (platform::kMkLButton | platform::kMkRButton)) != 0;
  if (release && !buttonsLeft && mouseControl_ == target) {
    mouseControl_ = nullptr;
    if (handle_ != nullptr && platform::MouseCaptureWindow() == handle_) {
      platform::ReleaseMouse();
    }
  }
  return true;
}

TWinControl* TWinControl::ChildWithHandle(platform::WindowHandle window) const {
  for (TControl* control : controls_) {
    if (auto* windowed = control->As<TWinControl>(); windowed != nullptr && windowed->handle_ == window) {
      return windowed;
    }
  }
  return nullptr;
}

}  // namespace fw
