// The options as handlers read them: worked out once per load from the
// record, the process's exclusion and the system's version.
#include <gtest/gtest.h>

#include "checks_only.h"
#include "dispatch/active_routes.h"
#include "options/library_options.h"

namespace vornal::hooklib {
namespace {

TEST(LibraryOptions, AnExcludedProcessHasEveryEffectSwitchedOff) {
  const Settings all = With({Check::WindowsOpening, Check::WindowsClosing, Check::TitledWindows,
                             Check::Popups, Check::WindowShadows, Check::TransparentDragging,
                             Check::WindowWallpaper, Check::MdiWallpaper, Check::TabbedPages,
                             Check::TreeViewWallpaper, Check::ListViewWallpaper});
  const LibraryOptions on = OptionsFor(all, true, VersionFlags{});
  EXPECT_TRUE(on.animation.animateOpening && on.animation.animateClosing && on.shadows.dropShadows &&
              on.drag.transparentDragging && on.wallpaper.windowWallpaper &&
              on.wallpaper.mdiWallpaper && on.wallpaper.treeViewWallpaper &&
              on.wallpaper.listViewWallpaper);
  const LibraryOptions off = OptionsFor(all, false, VersionFlags{});
  EXPECT_FALSE(off.processEnabled);
  EXPECT_FALSE(off.animation.animateOpening || off.animation.animateClosing ||
               off.shadows.dropShadows || off.drag.transparentDragging ||
               off.wallpaper.windowWallpaper || off.wallpaper.mdiWallpaper ||
               off.wallpaper.treeViewWallpaper || off.wallpaper.listViewWallpaper);
  EXPECT_EQ(ActiveRoutes(off), RouteBit(Route::ExitSizeMove)) << "a drag already begun still ends";
}

TEST(LibraryOptions, TheVersionFlagsDecideMenusAndTheOldWallpaperRules) {
  const Settings s = DefaultSettings();
  EXPECT_TRUE(OptionsFor(s, true, {true, true}).animation.animateMenus);
  EXPECT_FALSE(OptionsFor(s, true, {false, false}).animation.animateMenus);
  EXPECT_TRUE(OptionsFor(s, true, {false, true}).wallpaper.beforeXP);
  EXPECT_FALSE(OptionsFor(s, true, {false, false}).wallpaper.beforeXP);
}

}  // namespace
}  // namespace vornal::hooklib
