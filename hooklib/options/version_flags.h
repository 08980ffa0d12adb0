// The two version flags that the effects consult, derived from what
// GetVersionEx reports. Pure, so that every system family can be tested.
#pragma once

#include <cstdint>

namespace vornal::hooklib {

// dwPlatformId values (VER_PLATFORM_WIN32_WINDOWS, VER_PLATFORM_WIN32_NT).
inline constexpr std::uint32_t kPlatformWin9x = 1;
inline constexpr std::uint32_t kPlatformNT = 2;

struct VersionFlags {
  // NT 4.0 and older, or Windows 95: menus are animated only there.
  bool oldSystem = false;
  // Everything before XP (9x family, NT 4.0, 2000).
  bool beforeXP = true;
};

VersionFlags VersionFlagsFor(std::uint32_t platformId, std::uint32_t major,
                             std::uint32_t minor) noexcept;

}  // namespace vornal::hooklib
