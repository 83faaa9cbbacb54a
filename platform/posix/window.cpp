#include "platform/window.h"

#include "platform/window_styles.h"

namespace platform {

// Headless: there is no window system. Nothing is ever created, so every handle the callers
// hold is null and every query answers as for no window.

WindowHandle CreateNativeWindow(const NativeWindowParams&, MessageTarget*) { return nullptr; }
void DestroyNativeWindow(WindowHandle) {}
LResult DefaultHandling(WindowHandle, Message& message) { return message.result = 0; }
MessageTarget* TargetOf(WindowHandle) { return nullptr; }

LResult SendNativeMessage(WindowHandle, unsigned, WParam, LParam) { return 0; }
bool PostNativeMessage(WindowHandle, unsigned, WParam, LParam) { return false; }

void SetNativeText(WindowHandle, const std::string&) {}
std::string NativeText(WindowHandle) { return {}; }

void MoveNativeWindow(WindowHandle, int, int, int, int) {}
Rect NativeWindowRect(WindowHandle) { return {}; }
Rect NativeClientRect(WindowHandle) { return {}; }

// Plausible classic frame sizes: a sunken client edge of 2 pixels, a thin border of 1, a dialog
// frame of 3, a sizing frame of 4, and a caption bar of 18 (15 for tool windows) plus a 1-pixel
// separator.
Rect FrameInsets(std::uint32_t style, std::uint32_t exStyle) {
  int edge = 0;
  if ((style & kWsThickFrame) != 0) {
    edge = 4;
  } else if ((style & kWsCaption) == kWsCaption || (style & kWsDlgFrame) != 0 ||
             (exStyle & kWsExDlgModalFrame) != 0) {
    edge = 3;
  } else if ((style & kWsBorder) != 0) {
    edge = 1;
  }
  if ((exStyle & kWsExClientEdge) != 0) {
    edge += 2;
  }
  int caption = 0;
  if ((style & kWsCaption) == kWsCaption) {
    caption = ((exStyle & kWsExToolWindow) != 0 ? 15 : 18) + 1;
  }
  return Rect{edge, edge + caption, edge, edge};
}

void ShowNativeWindow(WindowHandle, ShowMode) {}
void EnableNativeWindow(WindowHandle, bool) {}
void SetNativeStyle(WindowHandle, std::uint32_t, std::uint32_t) {}
void BringNativeWindowToFront(WindowHandle) {}

void FocusWindow(WindowHandle) {}
WindowHandle FocusedWindow() { return nullptr; }

void CaptureMouse(WindowHandle) {}
void ReleaseMouse() {}
WindowHandle MouseCaptureWindow() { return nullptr; }

void StartTimer(WindowHandle, std::uintptr_t, unsigned) {}
void StopTimer(WindowHandle, std::uintptr_t) {}

void InvalidateWindow(WindowHandle) {}
void UpdateNativeWindow(WindowHandle) {}

void SetNativeFont(WindowHandle, const FontDescription&) {}

void ProcessPendingMessages() {}
void PumpMessagesFor(unsigned) {}

}  // namespace platform
