// The Windows version as GetVersionExA reports it, and the flags the
// control program derives from it.
#pragma once

namespace vornal {

struct OsVersion {
  unsigned long platformId = 2;  // VER_PLATFORM_WIN32_NT
  unsigned long major = 5;
  unsigned long minor = 1;
};

inline constexpr unsigned long kPlatformWin9x = 1;  // VER_PLATFORM_WIN32_WINDOWS
inline constexpr unsigned long kPlatformNT = 2;     // VER_PLATFORM_WIN32_NT

// NT 5.1 (XP) or later.
bool OsXPOrLater(const OsVersion& v);
// NT 5.0 (2000) or later, or 98/Me of the 9x family.
bool Os98Or2000OrLater(const OsVersion& v);
// 95, 98 or Me: hooked processes there cannot reload on a broadcast.
bool Is9xFamily(const OsVersion& v);
// Whether Windows draws the Start button's caption: the 9x family and NT
// before 6.0 (NT 4, 2000, XP). From Vista on the button shows an orb, then
// an icon, and Windows 11 has no Start button window at all.
bool StartCaptionDrawn(const OsVersion& v);

}  // namespace vornal
