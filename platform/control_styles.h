#pragma once
// Styles, messages and notification codes of the system's STATIC and BUTTON controls, with the
// values Windows gives them.

#include <cstdint>

namespace platform {

inline constexpr std::uint32_t kSsLeft = 0x0000;
inline constexpr std::uint32_t kSsNoPrefix = 0x0080;

inline constexpr std::uint32_t kBsPushButton = 0x0000;
inline constexpr std::uint32_t kBsDefPushButton = 0x0001;

inline constexpr std::uint32_t kBsAutoCheckBox = 0x0003;
inline constexpr std::uint32_t kBsAutoRadioButton = 0x0009;

inline constexpr unsigned kBnClicked = 0;
inline constexpr unsigned kBmGetCheck = 0x00F0;
inline constexpr unsigned kBmSetCheck = 0x00F1;
inline constexpr unsigned kBmClick = 0x00F5;
inline constexpr std::intptr_t kBstChecked = 1;

}  // namespace platform
