// What becomes of the colours a person chose in this program while the
// system's high contrast is on. Someone who turns high contrast on relies
// on the colours of that theme to read the screen at all: no program
// tiles a wallpaper under text, and the control program writes no system
// colour, neither the override nor the colours it saved before (the theme
// has set its own, and the saved ones are of the scheme the theme
// replaced). Nothing is forgotten meanwhile: when high contrast is off
// again, the next apply or settings change applies everything as before.
// Pure, so that it is tested natively.
#pragma once

#include <cstdint>

namespace vornal {

enum class SystemColourWrite : std::uint8_t {
  Chosen,   // the override's two colours
  Saved,    // the system's own, as first seen: undoes an override switched off
  Nothing,  // high contrast owns the colours
};

// Whether the wallpaper switches count: false while high contrast is on,
// and then no picture is loaded or tiled in any program.
constexpr bool OwnWallpapersShown(bool highContrast) noexcept { return !highContrast; }

// What the control program writes to COLOR_APPWORKSPACE and
// COLOR_BACKGROUND at an apply, with the override switch as stored.
constexpr SystemColourWrite SystemColoursToWrite(bool highContrast, bool overrideOn) noexcept {
  if (highContrast) return SystemColourWrite::Nothing;
  return overrideOn ? SystemColourWrite::Chosen : SystemColourWrite::Saved;
}

}  // namespace vornal
