#include "options/library_options.h"

#include "high_contrast_rule.h"

namespace vornal::hooklib {

LibraryOptions OptionsFor(const Settings& settings, bool processEnabled,
                          const VersionFlags& flags, bool remoteSession, bool highContrast) noexcept {
  LibraryOptions o;
  o.processEnabled = processEnabled;
  o.animation = AnimationOptionsFrom(settings);
  o.animation.animateMenus = flags.oldSystem;
  o.shadows = ShadowOptionsFrom(settings);
  o.drag = DragOptionsFrom(settings);
  if (remoteSession) o.drag.transparentDragging = false;
  o.wallpaper = WallpaperOptionsFrom(settings, flags.beforeXP);
  WallpaperOptions& w = o.wallpaper;
  if (processEnabled && !OwnWallpapersShown(highContrast)) {
    w.pausedByHighContrast = w.windowWallpaper || w.mdiWallpaper || w.treeViewWallpaper || w.listViewWallpaper;
    w.windowWallpaper = w.mdiWallpaper = w.treeViewWallpaper = w.listViewWallpaper = false;
  }
  if (!processEnabled) {
    o.animation.animateOpening = o.animation.animateClosing = false;
    o.shadows.dropShadows = false;
    o.drag.transparentDragging = false;
    o.wallpaper.windowWallpaper = o.wallpaper.mdiWallpaper = false;
    o.wallpaper.treeViewWallpaper = o.wallpaper.listViewWallpaper = false;
  }
  return o;
}

}  // namespace vornal::hooklib
