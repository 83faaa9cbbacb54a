#pragma once
// Controls: TControl (anything with a place in a parent: position, size, visibility, enabled
// state, font, messages) and TWinControl (a control that can have a window of its own and child
// controls).
//
// A control keeps its state itself. A windowed control gets a native window when its handle is
// created (HandleNeeded or CreateHandle, parents first); from then on its setters also write the
// window, its getters read the window where the window is the authority (text, client area),
// and the window's messages reach the control's WndProc. Without a window (always in the native
// build, and in any build until a handle is asked for) the same class runs headless: state lives
// in the object only, Perform hands a message to WndProc directly, and DefaultHandler supplies a
// small headless stand-in for the system's default handling.
//
// Writing a new windowed class:
//  1. Derive from TWinControl (or TCustomEdit, ...). The constructor takes the owner, sets the
//     defaults and the initial size with SetBounds.
//  2. Override CreateParams: call the base, then set params.className to the class's own window
//     class name (e.g. "TSpinButton"), params.baseClass to a system class to build on ("EDIT",
//     "BUTTON", "STATIC"; empty for a window of our own, which the framework paints through
//     Paint), and add styles. Mirror state that lives in styles here (read-only, border...).
//  3. Override CreateWnd when state must be written into the new window (call the base first:
//     it creates the window and gives it the control's font); its children's windows are
//     created after it returns.
//  4. Handle messages by overriding the small virtual handlers (WMSize, WMSetFocus, WMKillFocus,
//     WMKeyDown, WMChar, WMMouseWheel, WMTimer, WMCommand, CNCommand, ...) or, for messages
//     without one, WndProc (switch on the message, else call the base). A handler that wants the
//     default behaviour calls the base handler or DefaultHandler(m); one that swallows a message
//     simply returns. Key and character hooks (KeyDown, KeyPress) change or clear the key (0) to
//     consume it.
//  5. Override DefaultHandler only to add headless behaviour: when HandleAllocated() call the
//     base (which forwards to the native default), otherwise emulate what the native control
//     would do for the messages the class relies on and call the base for the rest.
//
// Focus: SetFocus/Focused/CanFocus use the real keyboard focus for a control with a window and a
// framework-wide "headless focus" for one without (moving it delivers WM_KILLFOCUS to the old
// control and WM_SETFOCUS to the new, as the system does).
// Timers: StartTimer/StopTimer run one timer per control: a real WM_TIMER of the control's window
// (of its parent's window for a control without one) and a recorded interval headless, where a
// test delivers the tick with Perform(kWmTimer) and reads TimerInterval().
// Reflection: WM_COMMAND that a child window sends its parent is handed back to that child
// control as kCnCommand (same parameters), so a control handles its own notifications
// (EN_CHANGE, BN_CLICKED) in CNCommand.
// Mouse: a windowed control routes mouse messages over its child controls without a window to
// them (in their own coordinates), capturing the mouse from a button press to its release.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/component.h"
#include "framework/font.h"
#include "platform/geometry.h"
#include "platform/messages.h"
#include "platform/paint.h"
#include "platform/window.h"

namespace fw {

class TWinControl;

// Notifications reflected from a parent to the child control that sent them.
inline constexpr unsigned kCnBase = 0xBC00;
inline constexpr unsigned kCnCommand = kCnBase + platform::kWmCommand;

// Modifier keys and mouse buttons held during an input event.
enum TShiftStateBits : unsigned {
  ssShift = 1u << 0,
  ssAlt = 1u << 1,
  ssCtrl = 1u << 2,
  ssLeft = 1u << 3,
  ssRight = 1u << 4,
};
using TShiftState = unsigned;

enum class TMouseButton { mbLeft, mbRight };

using TKeyEvent = std::function<void(TObject* sender, unsigned& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
  // Moves and sizes the control (in its parent's client coordinates). A change of size is
  // followed by WM_SIZE (headless: delivered at once; with a window: by the system).
  virtual void SetBounds(int left, int top, int width, int height);
  platform::Rect BoundsRect() const { return platform::RectOf(left_, top_, width_, height_); }

  // The client area in client coordinates; the whole control for a control without a frame.
  virtual platform::Rect ClientRect() const;
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  // Sizes the control so that its client area gets the size, keeping its frame.
  void SetClientSize(int width, int height);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // The font; ParentFont (true until a font is set) makes the control follow its parent's.
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font);
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parentFont);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  // The sunken 3-D look; ParentCtl3D (true until Ctl3D is set) follows the parent.
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool ctl3D);
  bool ParentCtl3D() const { return parentCtl3D_; }
  void SetParentCtl3D(bool parentCtl3D);

  // Hands a message to WndProc at once and returns its result.
  platform::LResult Perform(unsigned msg, platform::WParam wParam = 0, platform::LParam lParam = 0);
  // Every message of the control comes through here.
  virtual void WndProc(platform::Message& message);
  // What happens to a message that no handler took: the system's handling for a control with a
  // window, the headless stand-in otherwise.
  virtual void DefaultHandler(platform::Message& message);

  // Repaints the control.
  virtual void Invalidate();

  // The control's timer (one per control): see the header comment. An interval of 0 stops it.
  void StartTimer(unsigned milliseconds);
  void StopTimer();
  unsigned TimerInterval() const { return timerInterval_; }
  // The id the timer's WM_TIMER carries.
  std::uintptr_t TimerId() const { return reinterpret_cast<std::uintptr_t>(this); }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnResize;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

 protected:
  // The text a control carries (an edit's text, a label's or button's caption). Written through
  // WM_SETTEXT so that a window and its handlers see it.
  virtual std::string GetText() const;
  void SetTextBuf(const std::string& text);

  // Handlers and hooks.
  virtual void WMSetText(platform::Message& message);
  virtual void Click();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void Resize();
  virtual void Timer() {}
  // Called after the state changed (the window, if any, is updated by the windowed overrides).
  virtual void VisibleChanged();
  virtual void EnabledChanged();
  virtual void FontChanged();
  virtual void ColorChanged();
  virtual void Ctl3DChanged();
  // Paints a control without a window onto its parent's window (parent client coordinates;
  // BoundsRect is where the control is).
  virtual void Paint(platform::PaintSession& session);

  // The window that carries this control's timer and painting (its own or its parent's).
  virtual platform::WindowHandle HostWindow() const;
  // Modifier keys held now.
  static TShiftState KeyShiftState();

  // Stores the bounds without any side effect (for windows reporting their real size).
  void StoreBounds(int left, int top, int width, int height);

  std::string text_;

 private:
  friend class TWinControl;
  void ParentFontChanged(const TFont& font);
  void ParentCtl3DChanged(bool ctl3D);

  TWinControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  TFont font_;
  bool parentFont_ = true;
  TColor color_ = clBtnFace;
  bool ctl3D_ = true;
  bool parentCtl3D_ = true;
  unsigned timerInterval_ = 0;
};

// What CreateParams fills in for the window to be made.
struct TCreateParams {
  std::string className;   // the window class of our own (named after the framework class)
  std::string baseClass;   // the system class it copies, or empty
  std::uint32_t classStyle = 0;
  int background = -1;     // system colour index of the class background, -1: none
  std::string text;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  platform::WindowHandle parent = nullptr;
};

class TWinControl : public TControl, private platform::MessageTarget {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  void SetParent(TWinControl* parent) override;
  // For a control without a parent control: the native window its window belongs to (owner of a
  // top-level window).
  platform::WindowHandle ParentWindow() const { return parentWindow_; }
  void SetParentWindow(platform::WindowHandle window) { parentWindow_ = window; }

  // Child controls, in the order they were given this parent (painting and hit-test order).
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<std::size_t>(index)); }

  // Position among the parent's windowed children in tab order (-1 without a parent).
  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop);
  // The parent's windowed children (and theirs, depth first) in tab order.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  // The next (or previous) tab stop after `current` among this control's descendants, wrapping
  // round; null when there is none.
  TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const;

  bool HandleAllocated() const { return handle_ != nullptr; }
  // Creates the window (parents first) when there is none yet; headless this does nothing.
  void HandleNeeded();
  // The window, created if needed; null headless.
  platform::WindowHandle Handle();
  platform::WindowHandle HandleIfAllocated() const { return handle_; }
  // Destroys the window (and its children's); the control keeps its state and can get a new one.
  void DestroyHandle();
  // Destroys and re-creates the window, for style changes.
  void RecreateWnd();

  void SetBounds(int left, int top, int width, int height) override;
  platform::Rect ClientRect() const override;

  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  // The control that has the keyboard focus (real or headless), or null.
  static TWinControl* FocusedControl();

  void WndProc(platform::Message& message) override;
  void DefaultHandler(platform::Message& message) override;
  void Invalidate() override;

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 protected:
  virtual void CreateParams(TCreateParams& params) const;
  // Makes the window from CreateParams and gives it the font; overrides write further state
  // after calling it.
  virtual void CreateWnd();
  virtual void CreateHandle();

  // Message handlers.
  virtual void WMSetFocus(platform::Message& message);
  virtual void WMKillFocus(platform::Message& message);
  virtual void WMKeyDown(platform::Message& message);
  virtual void WMKeyUp(platform::Message& message);
  virtual void WMChar(platform::Message& message);
  virtual void WMSize(platform::Message& message);
  virtual void WMMove(platform::Message& message);
  virtual void WMMouseWheel(platform::Message& message);
  virtual void WMCommand(platform::Message& message);
  virtual void CNCommand(platform::Message& message);
  virtual void WMTimer(platform::Message& message);
  virtual void WMPaint(platform::Message& message);
  virtual void WMDestroy(platform::Message& message);

  // Hooks the handlers call; clearing `key` (0) consumes it.
  virtual void KeyDown(unsigned& key, TShiftState shift);
  virtual void KeyUp(unsigned& key, TShiftState shift);
  virtual void KeyPress(char& key);
  virtual void DoEnter();
  virtual void DoExit();
  // Offered the Tab key (with the shift state) before the control's own key handling; true takes
  // it (the Tab character that follows is then dropped too). By default the parent is asked, so a
  // form can move the focus on Tab.
  virtual bool DialogKey(unsigned key, TShiftState shift);

  std::string GetText() const override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void FontChanged() override;
  void Ctl3DChanged() override;
  platform::WindowHandle HostWindow() const override;

  // Paints the window of a class of our own: the control itself, then its children without a
  // window, in order.
  void Paint(platform::PaintSession& session) override;

 private:
  friend class TControl;
  // platform::MessageTarget
  void HandleAttached(platform::WindowHandle window) override;
  platform::LResult HandleMessage(platform::Message& message) override;
  void HandleDetached() override;

  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  TControl* ControlAtPos(int x, int y) const;
  bool RouteMouse(platform::Message& message);
  TWinControl* ChildWithHandle(platform::WindowHandle window) const;
  void UpdateBoundsFromWindow();
  void StartTimers();

  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  platform::WindowHandle handle_ = nullptr;
  platform::WindowHandle parentWindow_ = nullptr;
  bool ownClass_ = false;
  bool tabStop_ = false;
  TControl* mouseControl_ = nullptr;  // the child control holding the mouse from press to release
  char droppedChar_ = 0;              // the character of a key taken by DialogKey
};

}  // namespace fw
