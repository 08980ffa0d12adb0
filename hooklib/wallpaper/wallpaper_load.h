// Loading and releasing the three pictures.
#pragma once

#include "settings_record.h"

namespace vornal::hooklib {

// Run by every settings load, with the settings just read and whether this
// process is enabled (in an excluded process no picture is wanted). For the
// window, MDI and TV wallpaper in turn: wanted (PictureWanted, the same
// switches the control program publishes by) and its file a readable
// bitmap, the picture is loaded anew; wanted and the file missing or
// unreadable, whatever was loaded stays; not wanted, it is released.
void LoadWallpapers(const Settings& settings, bool processEnabled) noexcept;

// The library leaves the process: every picture and context is given back,
// unless a handler still holds them (then nothing is touched).
void ReleaseWallpapers() noexcept;

}  // namespace vornal::hooklib
