// The options of the open and close animation, taken from the library's
// part of the settings.
#pragma once

#include <cstdint>

#include "settings_record.h"

namespace vornal::hooklib {

// Smallest and largest window rectangle that is animated, both included.
struct SizeLimits {
  std::uint16_t minWidth = 0;   // spin value 4
  std::uint16_t minHeight = 0;  // spin value 5
  std::uint16_t maxWidth = 0;   // spin value 6
  std::uint16_t maxHeight = 0;  // spin value 7
};

// Style index 1: the animated box rather than AnimateWindow.
inline constexpr std::uint8_t kBoxStyle = 1;

struct AnimationOptions {
  bool animateOpening = false;  // check flag 1
  bool animateClosing = false;  // check flag 2
  bool animateTitled = false;   // check flag 3
  bool animatePopups = false;   // check flag 4
  // Menus too: only on the old systems, whose menus have no animation of
  // their own (the library's old-system flag).
  bool animateMenus = false;
  bool repeatLimited = false; // check flag 6
  bool slideIn = false;       // check flag 7
  bool slideOut = false;      // check flag 8
  std::uint16_t boxThickness = 0;   // spin value 1, pixels
  std::uint16_t openDuration = 0;   // spin value 2, milliseconds
  std::uint16_t closeDuration = 0;  // spin value 3, milliseconds
  SizeLimits limits;
  std::uint16_t repeatWindow = 0;   // spin value 8, milliseconds
  std::uint8_t openStyle = kBoxStyle;   // multi-radio value 1
  std::uint8_t closeStyle = kBoxStyle;  // multi-radio value 2
};

AnimationOptions AnimationOptionsFrom(const Settings& settings) noexcept;

}  // namespace vornal::hooklib
