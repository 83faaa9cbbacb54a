#include "platform/window.h"

#include <windows.h>

#include <cstddef>
#include <map>
#include <string>

#include "platform/window_styles.h"
#include "platform/win32/font_cache.h"

namespace platform {

// The portable numbers must be the system's.
static_assert(kWmCreate == WM_CREATE && kWmDestroy == WM_DESTROY && kWmMove == WM_MOVE);
static_assert(kWmSize == WM_SIZE && kWmActivate == WM_ACTIVATE && kWmSetFocus == WM_SETFOCUS);
static_assert(kWmKillFocus == WM_KILLFOCUS && kWmEnable == WM_ENABLE && kWmSetText == WM_SETTEXT);
static_assert(kWmGetText == WM_GETTEXT && kWmGetTextLength == WM_GETTEXTLENGTH);
static_assert(kWmPaint == WM_PAINT && kWmClose == WM_CLOSE && kWmEraseBkgnd == WM_ERASEBKGND);
static_assert(kWmShowWindow == WM_SHOWWINDOW && kWmCancelMode == WM_CANCELMODE);
static_assert(kWmSetFont == WM_SETFONT && kWmGetFont == WM_GETFONT);
static_assert(kWmWindowPosChanged == WM_WINDOWPOSCHANGED && kWmNotify == WM_NOTIFY);
static_assert(kWmNcCreate == WM_NCCREATE && kWmNcDestroy == WM_NCDESTROY);
static_assert(kWmGetDlgCode == WM_GETDLGCODE && kWmKeyDown == WM_KEYDOWN && kWmKeyUp == WM_KEYUP);
static_assert(kWmChar == WM_CHAR && kWmSysKeyDown == WM_SYSKEYDOWN && kWmSysKeyUp == WM_SYSKEYUP);
static_assert(kWmCommand == WM_COMMAND && kWmSysCommand == WM_SYSCOMMAND && kWmTimer == WM_TIMER);
static_assert(kWmCtlColorEdit == WM_CTLCOLOREDIT && kWmCtlColorBtn == WM_CTLCOLORBTN);
static_assert(kWmCtlColorStatic == WM_CTLCOLORSTATIC && kWmMouseMove == WM_MOUSEMOVE);
static_assert(kWmLButtonDown == WM_LBUTTONDOWN && kWmLButtonUp == WM_LBUTTONUP);
static_assert(kWmLButtonDblClk == WM_LBUTTONDBLCLK && kWmRButtonDown == WM_RBUTTONDOWN);
static_assert(kWmRButtonUp == WM_RBUTTONUP && kWmMouseWheel == WM_MOUSEWHEEL);
static_assert(kWmCaptureChanged == WM_CAPTURECHANGED && kWmCut == WM_CUT && kWmCopy == WM_COPY);
static_assert(kWmPaste == WM_PASTE && kWmClear == WM_CLEAR && kWmUndo == WM_UNDO);
static_assert(kWmUser == WM_USER && kWmApp == WM_APP);
static_assert(kEmGetSel == EM_GETSEL && kEmSetSel == EM_SETSEL && kEmGetRect == EM_GETRECT);
static_assert(kEmSetRect == EM_SETRECT && kEmSetRectNp == EM_SETRECTNP);
static_assert(kEmReplaceSel == EM_REPLACESEL && kEmLimitText == EM_LIMITTEXT);
static_assert(kEmSetReadOnly == EM_SETREADONLY && kEmGetLimitText == EM_GETLIMITTEXT);
static_assert(kEnSetFocus == EN_SETFOCUS && kEnKillFocus == EN_KILLFOCUS);
static_assert(kEnChange == EN_CHANGE && kEnUpdate == EN_UPDATE);
static_assert(kVkBack == VK_BACK && kVkTab == VK_TAB && kVkReturn == VK_RETURN);
static_assert(kVkShift == VK_SHIFT && kVkControl == VK_CONTROL && kVkMenu == VK_MENU);
static_assert(kVkEscape == VK_ESCAPE && kVkSpace == VK_SPACE && kVkEnd == VK_END);
static_assert(kVkHome == VK_HOME && kVkLeft == VK_LEFT && kVkUp == VK_UP);
static_assert(kVkRight == VK_RIGHT && kVkDown == VK_DOWN && kVkDelete == VK_DELETE);
static_assert(kMkLButton == MK_LBUTTON && kMkRButton == MK_RBUTTON && kMkShift == MK_SHIFT);
static_assert(kMkControl == MK_CONTROL && kWheelDelta == WHEEL_DELTA && kSizeRestored == SIZE_RESTORED);
static_assert(kWsOverlapped == WS_OVERLAPPED && kWsPopup == WS_POPUP && kWsChild == WS_CHILD);
static_assert(kWsVisible == WS_VISIBLE && kWsDisabled == WS_DISABLED);
static_assert(kWsClipSiblings == WS_CLIPSIBLINGS && kWsClipChildren == WS_CLIPCHILDREN);
static_assert(kWsCaption == WS_CAPTION && kWsBorder == WS_BORDER && kWsDlgFrame == WS_DLGFRAME);
static_assert(kWsSysMenu == WS_SYSMENU && kWsThickFrame == WS_THICKFRAME && kWsGroup == WS_GROUP);
static_assert(kWsTabStop == WS_TABSTOP && kWsMinimizeBox == WS_MINIMIZEBOX);
static_assert(kWsMaximizeBox == WS_MAXIMIZEBOX && kWsOverlappedWindow == WS_OVERLAPPEDWINDOW);
static_assert(kWsExDlgModalFrame == WS_EX_DLGMODALFRAME && kWsExTopmost == WS_EX_TOPMOST);
static_assert(kWsExToolWindow == WS_EX_TOOLWINDOW && kWsExWindowEdge == WS_EX_WINDOWEDGE);
static_assert(kWsExClientEdge == WS_EX_CLIENTEDGE && kWsExControlParent == WS_EX_CONTROLPARENT);
static_assert(kCsVRedraw == CS_VREDRAW && kCsHRedraw == CS_HREDRAW && kCsDblClks == CS_DBLCLKS);
static_assert(kEsLeft == ES_LEFT && kEsMultiline == ES_MULTILINE && kEsAutoHScroll == ES_AUTOHSCROLL);
static_assert(kEsNoHideSel == ES_NOHIDESEL && kEsReadOnly == ES_READONLY);
static_assert(kEsWantReturn == ES_WANTRETURN);
static_assert(kColorWindow == COLOR_WINDOW && kColorWindowText == COLOR_WINDOWTEXT);
static_assert(kColorBtnFace == COLOR_BTNFACE && kColorBtnShadow == COLOR_BTNSHADOW);
static_assert(kColorBtnHighlight == COLOR_BTNHIGHLIGHT);
// Edit rectangles are passed to the EDIT window as they are.
static_assert(sizeof(Rect) == sizeof(RECT) && offsetof(RECT, bottom) == 3 * sizeof(int));

namespace {

// What a window of ours is bound to.
struct Binding {
  MessageTarget* target = nullptr;
  WNDPROC original = nullptr;
};

// The target and default procedure of the window being created on this thread; its first
// message binds it.
struct PendingCreation {
  MessageTarget* target = nullptr;
  WNDPROC original = nullptr;
};
thread_local PendingCreation pending;

HINSTANCE ModuleInstance() {
  static HINSTANCE instance = [] {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ModuleInstance), &module);
    return static_cast<HINSTANCE>(module);
  }();
  return instance;
}

// A window's binding lives in its user data, which only windows of the classes this module
// registered carry for us: anybody else's window keeps its user data for itself. (User data is
// read without a trip to the system; a window property costs one with every message.)
Binding* BindingOf(HWND window) {
  const auto module = reinterpret_cast<HINSTANCE>(GetClassLongPtrA(window, GCLP_HMODULE));
  if (module != ModuleInstance()) {
    return nullptr;
  }
  return reinterpret_cast<Binding*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void SetBinding(HWND window, Binding* binding) {
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(binding));
}

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// Window classes registered by this module, with the window procedure their windows default to.
class ClassRegistry {
 public:
  ClassRegistry() = default;
  ClassRegistry(const ClassRegistry&) = delete;
  ClassRegistry& operator=(const ClassRegistry&) = delete;
  ~ClassRegistry() {
    // A library that goes away must take its classes with it, or the next load of it could not
    // register them again.
    for (auto& entry : classes_) {
      UnregisterClassA(entry.first.c_str(), ModuleInstance());
    }
  }

  // The default procedure of the class, registering it first; null when it cannot be made.
  WNDPROC Ensure(const NativeWindowParams& params) {
    auto it = classes_.find(params.className);
    if (it != classes_.end()) {
      return it->second;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    WNDPROC original = DefWindowProcA;
    if (!params.baseClass.empty()) {
      if (!GetClassInfoExA(nullptr, params.baseClass.c_str(), &wc)) {
        return nullptr;
      }
      original = wc.lpfnWndProc;
      wc.cbSize = sizeof wc;
    } else {
      wc.style = params.classStyle;
      wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
      wc.hbrBackground = params.background >= 0 ? GetSysColorBrush(params.background) : nullptr;
    }
    wc.lpfnWndProc = FrameworkWindowProc;
    wc.hInstance = ModuleInstance();
    wc.lpszClassName = params.className.c_str();
    wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    if (RegisterClassExA(&wc) == 0) {
      // Left behind by an earlier load of this module: replace it.
      UnregisterClassA(params.className.c_str(), ModuleInstance());
      if (RegisterClassExA(&wc) == 0) {
        return nullptr;
      }
    }
    classes_.emplace(params.className, original);
    return original;
  }

  WNDPROC OriginalOf(HWND window) const {
    char name[256] = {};
    if (GetClassNameA(window, name, static_cast<int>(sizeof name)) > 0) {
      auto it = classes_.find(name);
      if (it != classes_.end()) {
        return it->second;
      }
    }
    return DefWindowProcA;
  }

 private:
  std::map<std::string, WNDPROC> classes_;
};

ClassRegistry& Classes() {
  static ClassRegistry registry;
  return registry;
}

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  Binding* binding = BindingOf(window);
  if (binding == nullptr && pending.target != nullptr) {
    binding = new Binding{pending.target, pending.original};
    pending = PendingCreation{};
    SetBinding(window, binding);
    binding->target->HandleAttached(window);
  }
  if (binding == nullptr) {
    return CallWindowProcA(Classes().OriginalOf(window), window, msg, wParam, lParam);
  }
  Message message{msg, static_cast<WParam>(wParam), static_cast<LParam>(lParam), 0};
  LResult result = 0;
  try {
    result = binding->target->HandleMessage(message);
  } catch (...) {
    // An exception must not unwind through the system's frames into the host's message loop
    // (it would take the host down): the message that raised it is abandoned.
    MessageBeep(MB_ICONHAND);
  }
  if (msg == WM_NCDESTROY) {
    SetBinding(window, nullptr);
    MessageTarget* target = binding->target;
    delete binding;
    target->HandleDetached();
  }
  return static_cast<LRESULT>(result);
}

HWND Hwnd(WindowHandle window) { return static_cast<HWND>(window); }

}  // namespace

WindowHandle CreateNativeWindow(const NativeWindowParams& params, MessageTarget* target) {
  WNDPROC original = Classes().Ensure(params);
  if (original == nullptr || target == nullptr) {
    return nullptr;
  }
  // An owner that is no window (the host passed a stale or made-up handle) would make the
  // system refuse to create a top-level window at all: such a window is made without an owner.
  HWND parent = Hwnd(params.parent);
  if (parent != nullptr && (params.style & WS_CHILD) == 0 && !IsWindow(parent)) {
    parent = nullptr;
  }
  // The title of a new window travels in a counted string of at most 32767 characters; Wine
  // refuses to create the window with a longer one, or cuts its length to 16 bits. A long text
  // is given to the class's own procedure once the window exists, as creation would have.
  constexpr std::size_t kLongestCreationText = 16384;
  const bool longText = params.text.size() > kLongestCreationText;
  const PendingCreation outer = pending;
  pending = PendingCreation{target, original};
  HWND window = CreateWindowExA(params.exStyle, params.className.c_str(),
                                longText ? "" : params.text.c_str(), params.style, params.x,
                                params.y, params.width, params.height, parent, nullptr,
                                ModuleInstance(), nullptr);
  pending = outer;
  if (window != nullptr && longText) {
    CallWindowProcA(original, window, WM_SETTEXT, 0,
                    reinterpret_cast<LPARAM>(params.text.c_str()));
  }
  return window;
}

void DestroyNativeWindow(WindowHandle window) {
  if (window != nullptr) {
    DestroyWindow(Hwnd(window));
  }
}

LResult DefaultHandling(WindowHandle window, Message& message) {
  if (window == nullptr) {
    return 0;
  }
  HWND hwnd = Hwnd(window);
  const Binding* binding = BindingOf(hwnd);
  WNDPROC original = binding != nullptr ? binding->original : Classes().OriginalOf(hwnd);
  message.result = static_cast<LResult>(CallWindowProcA(original, hwnd, message.msg,
                                                        static_cast<WPARAM>(message.wParam),
                                                        static_cast<LPARAM>(message.lParam)));
  return message.result;
}

MessageTarget* TargetOf(WindowHandle window) {
  if (window == nullptr) {
    return nullptr;
  }
  const Binding* binding = BindingOf(Hwnd(window));
  return binding != nullptr ? binding->target : nullptr;
}

LResult SendNativeMessage(WindowHandle window, unsigned msg, WParam wParam, LParam lParam) {
  if (window == nullptr) {
    return 0;
  }
  return static_cast<LResult>(SendMessageA(Hwnd(window), msg, static_cast<WPARAM>(wParam),
                                           static_cast<LPARAM>(lParam)));
}

bool PostNativeMessage(WindowHandle window, unsigned msg, WParam wParam, LParam lParam) {
  return PostMessageA(Hwnd(window), msg, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam)) != 0;
}

void SetNativeText(WindowHandle window, const std::string& text) {
  if (window != nullptr) {
    SetWindowTextA(Hwnd(window), text.c_str());
  }
}

std::string NativeText(WindowHandle window) {
  if (window == nullptr) {
    return {};
  }
  const int length = GetWindowTextLengthA(Hwnd(window));
  if (length <= 0) {
    return {};
  }
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(Hwnd(window), text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

void MoveNativeWindow(WindowHandle window, int x, int y, int width, int height) {
  if (window != nullptr) {
    SetWindowPos(Hwnd(window), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

Rect NativeWindowRect(WindowHandle window) {
  RECT r{};
  if (window == nullptr || !GetWindowRect(Hwnd(window), &r)) {
    return {};
  }
  HWND hwnd = Hwnd(window);
  if ((GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD) != 0) {
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  }
  return Rect{static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
              static_cast<int>(r.bottom)};
}

Rect NativeClientRect(WindowHandle window) {
  RECT r{};
  if (window == nullptr || !GetClientRect(Hwnd(window), &r)) {
    return {};
  }
  return Rect{static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
              static_cast<int>(r.bottom)};
}

Rect FrameInsets(std::uint32_t style, std::uint32_t exStyle) {
  RECT r{0, 0, 0, 0};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  return Rect{static_cast<int>(-r.left), static_cast<int>(-r.top), static_cast<int>(r.right),
              static_cast<int>(r.bottom)};
}

void ShowNativeWindow(WindowHandle window, ShowMode mode) {
  if (window == nullptr) {
    return;
  }
  int command = SW_HIDE;
  switch (mode) {
    case ShowMode::kHide:
      command = SW_HIDE;
      break;
    case ShowMode::kShow:
      command = SW_SHOW;
      break;
    case ShowMode::kShowNoActivate:
      command = SW_SHOWNA;
      break;
  }
  ShowWindow(Hwnd(window), command);
}

void EnableNativeWindow(WindowHandle window, bool enabled) {
  if (window != nullptr) {
    EnableWindow(Hwnd(window), enabled ? TRUE : FALSE);
  }
}

void SetNativeStyle(WindowHandle window, std::uint32_t style, std::uint32_t exStyle) {
  if (window == nullptr) {
    return;
  }
  SetWindowLongPtrA(Hwnd(window), GWL_STYLE, static_cast<LONG_PTR>(style));
  SetWindowLongPtrA(Hwnd(window), GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
  SetWindowPos(Hwnd(window), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void BringNativeWindowToFront(WindowHandle window) {
  if (window == nullptr) {
    return;
  }
  // A top-most window must be placed with HWND_TOPMOST to rise above other top-most windows
  // (Wine leaves it where it is for HWND_TOP).
  const bool topmost = (GetWindowLongPtrA(Hwnd(window), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  SetWindowPos(Hwnd(window), topmost ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FocusWindow(WindowHandle window) { SetFocus(Hwnd(window)); }

WindowHandle FocusedWindow() { return GetFocus(); }

void CaptureMouse(WindowHandle window) {
  if (window != nullptr) {
    SetCapture(Hwnd(window));
  }
}

void ReleaseMouse() { ReleaseCapture(); }

WindowHandle MouseCaptureWindow() { return GetCapture(); }

void StartTimer(WindowHandle window, std::uintptr_t id, unsigned milliseconds) {
  if (window != nullptr) {
    SetTimer(Hwnd(window), static_cast<UINT_PTR>(id), milliseconds, nullptr);
  }
}

void StopTimer(WindowHandle window, std::uintptr_t id) {
  if (window != nullptr) {
    KillTimer(Hwnd(window), static_cast<UINT_PTR>(id));
  }
}

void InvalidateWindow(WindowHandle window) {
  if (window != nullptr) {
    InvalidateRect(Hwnd(window), nullptr, TRUE);
  }
}

void UpdateNativeWindow(WindowHandle window) {
  if (window != nullptr) {
    UpdateWindow(Hwnd(window));
  }
}

void SetNativeFont(WindowHandle window, const FontDescription& font) {
  if (window != nullptr) {
    SendMessageA(Hwnd(window), WM_SETFONT, reinterpret_cast<WPARAM>(win32::FontHandle(font)), TRUE);
  }
}

void ProcessPendingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void PumpMessagesFor(unsigned milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (;;) {
    ProcessPendingMessages();
    const ULONGLONG now = GetTickCount64();
    if (now >= end) {
      break;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
  }
}

}  // namespace platform
