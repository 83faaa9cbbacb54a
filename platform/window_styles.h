#pragma once
// Window, extended window, class and edit styles, with the values Windows gives them.

#include <cstdint>

namespace platform {

inline constexpr std::uint32_t kWsOverlapped = 0x00000000;
inline constexpr std::uint32_t kWsPopup = 0x80000000;
inline constexpr std::uint32_t kWsChild = 0x40000000;
inline constexpr std::uint32_t kWsVisible = 0x10000000;
inline constexpr std::uint32_t kWsDisabled = 0x08000000;
inline constexpr std::uint32_t kWsClipSiblings = 0x04000000;
inline constexpr std::uint32_t kWsClipChildren = 0x02000000;
inline constexpr std::uint32_t kWsCaption = 0x00C00000;
inline constexpr std::uint32_t kWsBorder = 0x00800000;
inline constexpr std::uint32_t kWsDlgFrame = 0x00400000;
inline constexpr std::uint32_t kWsSysMenu = 0x00080000;
inline constexpr std::uint32_t kWsThickFrame = 0x00040000;
inline constexpr std::uint32_t kWsGroup = 0x00020000;
inline constexpr std::uint32_t kWsTabStop = 0x00010000;
inline constexpr std::uint32_t kWsMinimizeBox = 0x00020000;
inline constexpr std::uint32_t kWsMaximizeBox = 0x00010000;
inline constexpr std::uint32_t kWsOverlappedWindow = 0x00CF0000;

inline constexpr std::uint32_t kWsExDlgModalFrame = 0x00000001;
inline constexpr std::uint32_t kWsExTopmost = 0x00000008;
inline constexpr std::uint32_t kWsExToolWindow = 0x00000080;
inline constexpr std::uint32_t kWsExWindowEdge = 0x00000100;
inline constexpr std::uint32_t kWsExClientEdge = 0x00000200;
inline constexpr std::uint32_t kWsExControlParent = 0x00010000;

inline constexpr std::uint32_t kCsVRedraw = 0x0001;
inline constexpr std::uint32_t kCsHRedraw = 0x0002;
inline constexpr std::uint32_t kCsDblClks = 0x0008;

inline constexpr std::uint32_t kEsLeft = 0x0000;
inline constexpr std::uint32_t kEsMultiline = 0x0004;
inline constexpr std::uint32_t kEsAutoHScroll = 0x0080;
inline constexpr std::uint32_t kEsNoHideSel = 0x0100;
inline constexpr std::uint32_t kEsReadOnly = 0x0800;
inline constexpr std::uint32_t kEsWantReturn = 0x1000;

}  // namespace platform
