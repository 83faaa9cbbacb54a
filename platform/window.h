#pragma once
// The window system as the framework uses it: native windows bound to a message target, their
// default message handling, text, position, visibility, focus, mouse capture, timers and fonts.
//
// On Windows these are real windows. Every window made here is created from a window class of
// our own: either a fresh class whose default handling is DefWindowProc, or a copy of a system
// class (such as "EDIT") under our own name whose default handling is the system class's window
// procedure. All messages of such a window, from its very first one on, go to its target's
// HandleMessage; the target passes what it does not handle itself on to DefaultHandling.
//
// The native (headless) build has no window system: CreateNativeWindow returns a null handle and
// every other function does nothing and answers as for no window. Callers keep their state
// themselves and treat a null handle as "no window".

#include <cstdint>
#include <string>

#include "platform/font_description.h"
#include "platform/geometry.h"
#include "platform/messages.h"
#include "platform/window_handle.h"

namespace platform {

// The receiver of a native window's messages.
class MessageTarget {
 public:
  // The window is bound to the target. Called before the window's first message is handled,
  // that is inside CreateNativeWindow, before it returns the handle.
  virtual void HandleAttached(WindowHandle window) = 0;
  // One message of the window; the return value is the message's result.
  virtual LResult HandleMessage(Message& message) = 0;
  // The window is gone: called after its last message (WM_NCDESTROY) has been handled.
  virtual void HandleDetached() = 0;

 protected:
  ~MessageTarget() = default;
};

// System colour indexes (GetSysColor) used for class backgrounds and painting.
inline constexpr int kColorWindow = 5;
inline constexpr int kColorWindowText = 8;
inline constexpr int kColorBtnFace = 15;
inline constexpr int kColorBtnShadow = 16;
inline constexpr int kColorBtnHighlight = 20;

struct NativeWindowParams {
  // The name of the window class. With an empty baseClass it is a class of our own, registered
  // on first use with classStyle and background; otherwise our copy of the system class
  // baseClass under this name.
  std::string className;
  std::string baseClass;
  std::uint32_t classStyle = 0;
  int background = -1;  // system colour index of the class background; -1: none
  std::string text;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  // For a child window (style has WS_CHILD) its parent; for a top-level window its owner.
  WindowHandle parent = nullptr;
};

// Creates a window and binds it to `target` (which must outlive it). Null when no window could be
// made, and always in the headless build.
WindowHandle CreateNativeWindow(const NativeWindowParams& params, MessageTarget* target);
// Destroys the window and its child windows; each one's target gets its last messages
// (WM_DESTROY, WM_NCDESTROY) and then HandleDetached.
void DestroyNativeWindow(WindowHandle window);
// The system's default handling of a message of one of our windows: the base class's window
// procedure, or DefWindowProc for classes of our own.
LResult DefaultHandling(WindowHandle window, Message& message);
// The target bound to a window, or null (not one of ours, or no window).
MessageTarget* TargetOf(WindowHandle window);

LResult SendNativeMessage(WindowHandle window, unsigned msg, WParam wParam, LParam lParam);
bool PostNativeMessage(WindowHandle window, unsigned msg, WParam wParam, LParam lParam);

void SetNativeText(WindowHandle window, const std::string& text);
std::string NativeText(WindowHandle window);

// Position and size of the whole window: for a child window in its parent's client area, for a
// top-level window on the screen.
void MoveNativeWindow(WindowHandle window, int x, int y, int width, int height);
Rect NativeWindowRect(WindowHandle window);
// The client area, in client coordinates (left and top 0).
Rect NativeClientRect(WindowHandle window);
// The thickness of the frame (border, caption) that a window of these styles gets around its
// client area, as a rectangle of insets: left, top, right and bottom thickness.
Rect FrameInsets(std::uint32_t style, std::uint32_t exStyle);

enum class ShowMode { kHide, kShow, kShowNoActivate };
void ShowNativeWindow(WindowHandle window, ShowMode mode);
void EnableNativeWindow(WindowHandle window, bool enabled);
void SetNativeStyle(WindowHandle window, std::uint32_t style, std::uint32_t exStyle);
// Moves the window to the front of its siblings' stacking order without activating it.
void BringNativeWindowToFront(WindowHandle window);

// Keyboard focus of the calling thread.
void FocusWindow(WindowHandle window);
WindowHandle FocusedWindow();

// Mouse capture: while captured, every mouse message goes to the window.
void CaptureMouse(WindowHandle window);
void ReleaseMouse();
WindowHandle MouseCaptureWindow();

// A WM_TIMER to the window every `milliseconds`, with wParam `id`, until stopped. Starting a
// running timer again restarts it with the new interval.
void StartTimer(WindowHandle window, std::uintptr_t id, unsigned milliseconds);
void StopTimer(WindowHandle window, std::uintptr_t id);

void InvalidateWindow(WindowHandle window);
// Paints what is invalid now, without waiting for the message loop.
void UpdateNativeWindow(WindowHandle window);

// Gives the window the font (sent as WM_SETFONT). The font object lives until the process ends.
void SetNativeFont(WindowHandle window, const FontDescription& font);

// Dispatches every message waiting in the calling thread's queue.
void ProcessPendingMessages();
// Dispatches messages as they come for about `milliseconds` (timers included).
void PumpMessagesFor(unsigned milliseconds);

}  // namespace platform
