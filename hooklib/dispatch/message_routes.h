// Which handler a window message goes to. Kept free of windows.h and
// constexpr, so that the routing table is tested natively and the hook
// procedure's switch compiles down to a jump over message numbers.
#pragma once

#include <cstdint>

namespace vornal::hooklib {

enum class Route : std::uint8_t {
  None,
  MDIClientChanged,
  Activate,
  KillFocus,  // redraws the tree-view wallpaper target
  EraseBkgnd,
  ShowWindow,
  SetCursor,
  WindowPosChanging,
  Scrolled,
  CaptureChanged,
  Moving,
  ExitSizeMove,
  SettingChange,  // the system's animation switch and its high contrast
};

// Message numbers as the system defines them (winuser.h).
namespace msg {
inline constexpr std::uint32_t kMove = 0x0003;
inline constexpr std::uint32_t kSize = 0x0005;
inline constexpr std::uint32_t kActivate = 0x0006;
inline constexpr std::uint32_t kKillFocus = 0x0008;
inline constexpr std::uint32_t kSetRedraw = 0x000B;
inline constexpr std::uint32_t kPaint = 0x000F;
inline constexpr std::uint32_t kEraseBkgnd = 0x0014;
inline constexpr std::uint32_t kShowWindow = 0x0018;
inline constexpr std::uint32_t kSettingChange = 0x001A;
inline constexpr std::uint32_t kSetCursor = 0x0020;
inline constexpr std::uint32_t kWindowPosChanging = 0x0046;
inline constexpr std::uint32_t kWindowPosChanged = 0x0047;
inline constexpr std::uint32_t kHScroll = 0x0114;
inline constexpr std::uint32_t kVScroll = 0x0115;
inline constexpr std::uint32_t kSizing = 0x0214;
inline constexpr std::uint32_t kCaptureChanged = 0x0215;
inline constexpr std::uint32_t kMoving = 0x0216;
inline constexpr std::uint32_t kExitSizeMove = 0x0232;
}  // namespace msg

constexpr Route RouteOf(std::uint32_t message) noexcept {
  switch (message) {
    case msg::kMove:
    case msg::kSetRedraw: return Route::MDIClientChanged;
    case msg::kActivate: return Route::Activate;
    case msg::kKillFocus: return Route::KillFocus;
    case msg::kEraseBkgnd: return Route::EraseBkgnd;
    case msg::kShowWindow: return Route::ShowWindow;
    case msg::kSettingChange: return Route::SettingChange;
    case msg::kSetCursor: return Route::SetCursor;
    case msg::kWindowPosChanging: return Route::WindowPosChanging;
    case msg::kHScroll:
    case msg::kVScroll: return Route::Scrolled;
    case msg::kCaptureChanged: return Route::CaptureChanged;
    case msg::kMoving: return Route::Moving;
    case msg::kExitSizeMove: return Route::ExitSizeMove;
    default: return Route::None;
  }
}

}  // namespace vornal::hooklib
