// Loading and releasing the three pictures.
#pragma once

#include "settings_record.h"
#include "wallpaper/wallpaper_rules.h"

namespace vornal::hooklib {

// Run by every settings load, with the options just worked out (in an
// excluded process every wallpaper is off) and the paths of the settings
// just read. For the window, MDI and TV wallpaper in turn: wanted and its
// file a readable bitmap, the picture is loaded anew; wanted and the file
// missing or unreadable, whatever was loaded stays; not wanted, it is
// released.
void LoadWallpapers(const WallpaperOptions& options, const Settings& settings) noexcept;

// The library leaves the process: every picture and context is given back,
// unless a handler still holds them (then nothing is touched).
void ReleaseWallpapers() noexcept;

}  // namespace vornal::hooklib
