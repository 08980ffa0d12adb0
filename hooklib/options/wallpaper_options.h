// The options of the wallpapers, taken from the library's part of the
// settings. Which picture each switch loads is the catalogue's
// (PictureWanted); these say where the pictures are painted.
#pragma once

#include "settings_record.h"

namespace vornal::hooklib {

struct WallpaperOptions {
  bool windowWallpaper = false;  // Check::WindowWallpaper
  bool mdiWallpaper = false;     // Check::MdiWallpaper
  bool tabbedPages = false;      // Check::TabbedPages: pages beside a visible tab control too
  bool treeViewWallpaper = false;  // Check::TreeViewWallpaper
  bool listViewWallpaper = false;  // Check::ListViewWallpaper: list views and list boxes
  bool beforeXP = true;          // the library's before-XP flag
  // Some switch above was on and high contrast turned them all off: the
  // library watches for high contrast to go off again.
  bool pausedByHighContrast = false;
};

WallpaperOptions WallpaperOptionsFrom(const Settings& settings, bool beforeXP) noexcept;

}  // namespace vornal::hooklib
