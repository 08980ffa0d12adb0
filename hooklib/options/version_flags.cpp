#include "options/version_flags.h"

namespace vornal::hooklib {

VersionFlags VersionFlagsFor(std::uint32_t platformId, std::uint32_t major,
                             std::uint32_t minor) noexcept {
  VersionFlags flags;
  if (platformId == kPlatformNT) {
    flags.oldSystem = major <= 4;
    flags.beforeXP = !(major > 5 || (major == 5 && minor >= 1));
  } else if (platformId == kPlatformWin9x) {
    // 95 reports 4.0, 98 4.10 and Me 4.90: only 95 counts as old.
    flags.oldSystem = minor == 0;
  }
  return flags;
}

}  // namespace vornal::hooklib
