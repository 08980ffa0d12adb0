// The options of the open and close animation, taken from the library's
// part of the settings.
#pragma once

#include <cstdint>

#include "settings_record.h"

namespace vornal::hooklib {

// Smallest and largest window rectangle that is animated, both included.
struct SizeLimits {
  std::uint16_t minWidth = 0;   // Spin::AnimationMinWidth
  std::uint16_t minHeight = 0;  // Spin::AnimationMinHeight
  std::uint16_t maxWidth = 0;   // Spin::AnimationMaxWidth
  std::uint16_t maxHeight = 0;  // Spin::AnimationMaxHeight
};

// Style index 1: the animated box rather than AnimateWindow.
inline constexpr std::uint8_t kBoxStyle = 1;

struct AnimationOptions {
  bool animateOpening = false;  // Check::WindowsOpening
  bool animateClosing = false;  // Check::WindowsClosing
  bool animateTitled = false;   // Check::TitledWindows
  bool animatePopups = false;   // Check::Popups
  // Menus too: only on the old systems, whose menus have no animation of
  // their own (the library's old-system flag).
  bool animateMenus = false;
  bool repeatLimited = false; // Check::RepeatLimited
  bool slideIn = false;       // Check::SlideIn
  bool slideOut = false;      // Check::SlideOut
  std::uint16_t boxThickness = 0;   // Spin::BoxThickness, pixels
  std::uint16_t openDuration = 0;   // Spin::OpenDuration, milliseconds
  std::uint16_t closeDuration = 0;  // Spin::CloseDuration, milliseconds
  SizeLimits limits;
  std::uint16_t repeatWindow = 0;   // Spin::RepeatInterval, milliseconds
  std::uint8_t openStyle = kBoxStyle;   // Choice::OpenStyle
  std::uint8_t closeStyle = kBoxStyle;  // Choice::CloseStyle
};

AnimationOptions AnimationOptionsFrom(const Settings& settings) noexcept;

}  // namespace vornal::hooklib
