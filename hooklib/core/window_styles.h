// Window style bits as the system defines them (winuser.h), for the rules
// that are built natively without windows.h.
#pragma once

#include <cstdint>

namespace vornal::hooklib::ws {

inline constexpr std::uint32_t kBorder = 0x00800000;   // WS_BORDER
inline constexpr std::uint32_t kCaption = 0x00C00000;  // WS_CAPTION: WS_BORDER | WS_DLGFRAME
inline constexpr std::uint32_t kVisible = 0x10000000;  // WS_VISIBLE
inline constexpr std::uint32_t kPopup = 0x80000000;    // WS_POPUP

// Both bits of WS_CAPTION: a title bar, not just a border or a dialog frame.
constexpr bool HasFullCaption(std::uint32_t style) noexcept { return (style & kCaption) == kCaption; }

}  // namespace vornal::hooklib::ws
