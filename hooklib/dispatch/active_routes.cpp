#include "dispatch/active_routes.h"

namespace vornal::hooklib {

std::uint32_t ActiveRoutes(const LibraryOptions& o) noexcept {
  const AnimationOptions& a = o.animation;
  const WallpaperOptions& w = o.wallpaper;
  const bool lists = w.treeViewWallpaper || w.listViewWallpaper;
  std::uint32_t routes = RouteBit(Route::ExitSizeMove);
  const auto add = [&routes](bool active, Route route) {
    if (active) routes |= RouteBit(route);
  };
  // Both the animation and the shadow step need a show or hide to animate.
  add(a.animateOpening || a.animateClosing, Route::WindowPosChanging);
  // The system's animation switch matters only while anything animates,
  // its high contrast only where a wallpaper is tiled or paused for it.
  add(a.animateOpening || a.animateClosing || w.windowWallpaper || w.mdiWallpaper || lists ||
          w.pausedByHighContrast,
      Route::SettingChange);
  add(a.animatePopups && (a.animateOpening || a.animateClosing), Route::ShowWindow);
  add(o.drag.transparentDragging, Route::Moving);
  add(w.windowWallpaper || w.mdiWallpaper || lists, Route::EraseBkgnd);
  add(w.windowWallpaper, Route::Activate);
  add(w.mdiWallpaper, Route::MDIClientChanged);
  add(w.mdiWallpaper || lists, Route::Scrolled);
  add(lists, Route::KillFocus);
  add(w.treeViewWallpaper, Route::SetCursor);
  add(w.listViewWallpaper, Route::CaptureChanged);
  return routes;
}

}  // namespace vornal::hooklib
