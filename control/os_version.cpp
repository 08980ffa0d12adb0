#include "os_version.h"

namespace vornal {

bool OsXPOrLater(const OsVersion& v) {
  return v.platformId == kPlatformNT && ((v.major == 5 && v.minor >= 1) || v.major > 5);
}

bool Os98Or2000OrLater(const OsVersion& v) {
  return (v.platformId == kPlatformNT && v.major >= 5) ||
         (v.platformId == kPlatformWin9x && v.minor >= 10);
}

bool Is9xFamily(const OsVersion& v) { return v.platformId == kPlatformWin9x; }

bool StartCaptionDrawn(const OsVersion& v) {
  return Is9xFamily(v) || (v.platformId == kPlatformNT && v.major < 6);
}

}  // namespace vornal
