#include "options/wallpaper_options.h"

namespace vornal::hooklib {

WallpaperOptions WallpaperOptionsFrom(const Settings& settings, bool beforeXP) noexcept {
  WallpaperOptions o;
  o.windowWallpaper = settings.Get(Check::WindowWallpaper);
  o.mdiWallpaper = settings.Get(Check::MdiWallpaper);
  o.tabbedPages = settings.Get(Check::TabbedPages);
  o.treeViewWallpaper = settings.Get(Check::TreeViewWallpaper);
  o.listViewWallpaper = settings.Get(Check::ListViewWallpaper);
  o.beforeXP = beforeXP;
  return o;
}

}  // namespace vornal::hooklib
