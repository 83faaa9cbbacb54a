#pragma once
// Window messages as the portable code sees them: one message number and two parameters, with the
// numbers, notification codes and key codes of Windows, so that a message means the same whether a
// real window delivered it or a headless control was handed it directly.

#include <cstdint>

namespace platform {

using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

struct Message {
  unsigned msg = 0;
  WParam wParam = 0;
  LParam lParam = 0;
  LResult result = 0;
};

// The low and high 16 bits of a parameter, and two 16-bit values packed into one.
constexpr unsigned LowWord(std::uintptr_t value) { return static_cast<unsigned>(value & 0xFFFFu); }
constexpr unsigned HighWord(std::uintptr_t value) { return static_cast<unsigned>((value >> 16) & 0xFFFFu); }
constexpr LParam MakeLParam(unsigned low, unsigned high) {
  return static_cast<LParam>(static_cast<std::int32_t>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16)));
}
constexpr WParam MakeWParam(unsigned low, unsigned high) {
  return static_cast<WParam>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
// Signed 16-bit coordinates and wheel deltas.
constexpr int SignedLowWord(std::uintptr_t value) { return static_cast<std::int16_t>(LowWord(value)); }
constexpr int SignedHighWord(std::uintptr_t value) { return static_cast<std::int16_t>(HighWord(value)); }

// Window messages.
inline constexpr unsigned kWmNull = 0x0000;
inline constexpr unsigned kWmCreate = 0x0001;
inline constexpr unsigned kWmDestroy = 0x0002;
inline constexpr unsigned kWmMove = 0x0003;
inline constexpr unsigned kWmSize = 0x0005;
inline constexpr unsigned kWmActivate = 0x0006;
inline constexpr unsigned kWmSetFocus = 0x0007;
inline constexpr unsigned kWmKillFocus = 0x0008;
inline constexpr unsigned kWmEnable = 0x000A;
inline constexpr unsigned kWmSetText = 0x000C;
inline constexpr unsigned kWmGetText = 0x000D;
inline constexpr unsigned kWmGetTextLength = 0x000E;
inline constexpr unsigned kWmPaint = 0x000F;
inline constexpr unsigned kWmClose = 0x0010;
inline constexpr unsigned kWmEraseBkgnd = 0x0014;
inline constexpr unsigned kWmShowWindow = 0x0018;
inline constexpr unsigned kWmCancelMode = 0x001F;
inline constexpr unsigned kWmSetFont = 0x0030;
inline constexpr unsigned kWmGetFont = 0x0031;
inline constexpr unsigned kWmWindowPosChanged = 0x0047;
inline constexpr unsigned kWmNotify = 0x004E;
inline constexpr unsigned kWmNcCreate = 0x0081;
inline constexpr unsigned kWmNcDestroy = 0x0082;
inline constexpr unsigned kWmGetDlgCode = 0x0087;
inline constexpr unsigned kWmKeyDown = 0x0100;
inline constexpr unsigned kWmKeyUp = 0x0101;
inline constexpr unsigned kWmChar = 0x0102;
inline constexpr unsigned kWmSysKeyDown = 0x0104;
inline constexpr unsigned kWmSysKeyUp = 0x0105;
inline constexpr unsigned kWmCommand = 0x0111;
inline constexpr unsigned kWmSysCommand = 0x0112;
inline constexpr unsigned kWmTimer = 0x0113;
inline constexpr unsigned kWmCtlColorEdit = 0x0133;
inline constexpr unsigned kWmCtlColorBtn = 0x0135;
inline constexpr unsigned kWmCtlColorStatic = 0x0138;
inline constexpr unsigned kWmMouseMove = 0x0200;
inline constexpr unsigned kWmLButtonDown = 0x0201;
inline constexpr unsigned kWmLButtonUp = 0x0202;
inline constexpr unsigned kWmLButtonDblClk = 0x0203;
inline constexpr unsigned kWmRButtonDown = 0x0204;
inline constexpr unsigned kWmRButtonUp = 0x0205;
inline constexpr unsigned kWmMouseWheel = 0x020A;
inline constexpr unsigned kWmCaptureChanged = 0x0215;
inline constexpr unsigned kWmCut = 0x0300;
inline constexpr unsigned kWmCopy = 0x0301;
inline constexpr unsigned kWmPaste = 0x0302;
inline constexpr unsigned kWmClear = 0x0303;
inline constexpr unsigned kWmUndo = 0x0304;
inline constexpr unsigned kWmUser = 0x0400;
inline constexpr unsigned kWmApp = 0x8000;

// Edit control messages and notification codes (the high word of WM_COMMAND's wParam).
inline constexpr unsigned kEmGetSel = 0x00B0;
inline constexpr unsigned kEmSetSel = 0x00B1;
inline constexpr unsigned kEmGetRect = 0x00B2;
inline constexpr unsigned kEmSetRect = 0x00B3;
inline constexpr unsigned kEmSetRectNp = 0x00B4;
inline constexpr unsigned kEmReplaceSel = 0x00C2;
inline constexpr unsigned kEmLimitText = 0x00C5;
inline constexpr unsigned kEmSetReadOnly = 0x00CF;
inline constexpr unsigned kEmGetLimitText = 0x00D5;
inline constexpr unsigned kEnSetFocus = 0x0100;
inline constexpr unsigned kEnKillFocus = 0x0200;
inline constexpr unsigned kEnChange = 0x0300;
inline constexpr unsigned kEnUpdate = 0x0400;

// Virtual keys.
inline constexpr unsigned kVkBack = 0x08;
inline constexpr unsigned kVkTab = 0x09;
inline constexpr unsigned kVkReturn = 0x0D;
inline constexpr unsigned kVkShift = 0x10;
inline constexpr unsigned kVkControl = 0x11;
inline constexpr unsigned kVkMenu = 0x12;
inline constexpr unsigned kVkEscape = 0x1B;
inline constexpr unsigned kVkSpace = 0x20;
inline constexpr unsigned kVkEnd = 0x23;
inline constexpr unsigned kVkHome = 0x24;
inline constexpr unsigned kVkLeft = 0x25;
inline constexpr unsigned kVkUp = 0x26;
inline constexpr unsigned kVkRight = 0x27;
inline constexpr unsigned kVkDown = 0x28;
inline constexpr unsigned kVkDelete = 0x2E;

// Mouse key flags in the wParam of mouse messages.
inline constexpr unsigned kMkLButton = 0x0001;
inline constexpr unsigned kMkRButton = 0x0002;
inline constexpr unsigned kMkShift = 0x0004;
inline constexpr unsigned kMkControl = 0x0008;

// One notch of the mouse wheel.
inline constexpr int kWheelDelta = 120;

// WM_SIZE kinds.
inline constexpr unsigned kSizeRestored = 0;

}  // namespace platform
