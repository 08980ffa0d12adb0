// The options as handlers read them: worked out once per load from the
// record, the process's exclusion and the system's version.
#include <gtest/gtest.h>

#include "checks_only.h"
#include "dispatch/active_routes.h"
#include "high_contrast_rule.h"
#include "options/library_options.h"

namespace vornal::hooklib {
namespace {

TEST(LibraryOptions, AnExcludedProcessHasEveryEffectSwitchedOff) {
  const Settings all = With({Check::WindowsOpening, Check::WindowsClosing, Check::TitledWindows,
                             Check::Popups, Check::WindowShadows, Check::TransparentDragging,
                             Check::WindowWallpaper, Check::MdiWallpaper, Check::TabbedPages,
                             Check::TreeViewWallpaper, Check::ListViewWallpaper});
  const LibraryOptions on = OptionsFor(all, true, VersionFlags{}, false);
  EXPECT_TRUE(on.animation.animateOpening && on.animation.animateClosing && on.shadows.dropShadows &&
              on.drag.transparentDragging && on.wallpaper.windowWallpaper &&
              on.wallpaper.mdiWallpaper && on.wallpaper.treeViewWallpaper &&
              on.wallpaper.listViewWallpaper);
  const LibraryOptions off = OptionsFor(all, false, VersionFlags{}, false);
  EXPECT_FALSE(off.processEnabled);
  EXPECT_FALSE(off.animation.animateOpening || off.animation.animateClosing ||
               off.shadows.dropShadows || off.drag.transparentDragging ||
               off.wallpaper.windowWallpaper || off.wallpaper.mdiWallpaper ||
               off.wallpaper.treeViewWallpaper || off.wallpaper.listViewWallpaper);
  EXPECT_EQ(ActiveRoutes(off), RouteBit(Route::ExitSizeMove)) << "a drag already begun still ends";
}

TEST(LibraryOptions, TheVersionFlagsDecideMenusAndTheOldWallpaperRules) {
  const Settings s = DefaultSettings();
  EXPECT_TRUE(OptionsFor(s, true, {true, true}, false).animation.animateMenus);
  EXPECT_FALSE(OptionsFor(s, true, {false, false}, false).animation.animateMenus);
  EXPECT_TRUE(OptionsFor(s, true, {false, true}, false).wallpaper.beforeXP);
  EXPECT_FALSE(OptionsFor(s, true, {false, false}, false).wallpaper.beforeXP);
}

// SM_REMOTESESSION cannot be made nonzero under Wine, so the remote case is
// tested here, on the options the library publishes at every load.
TEST(LibraryOptions, ARemoteSessionSwitchesOffTransparentDraggingOnly) {
  const Settings all = With({Check::WindowsOpening, Check::WindowShadows,
                             Check::TransparentDragging, Check::WindowWallpaper});
  struct Row {
    const char* name;
    Settings settings;
    bool processEnabled;
    bool remoteSession;
    bool dragging;
  };
  const Row rows[] = {
      {"local session", all, true, false, true},
      {"remote session", all, true, true, false},
      {"remote session, dragging unticked", With({Check::WindowsOpening}), true, true, false},
      {"remote session, excluded program", all, false, true, false},
  };
  for (const Row& row : rows) {
    const LibraryOptions o =
        OptionsFor(row.settings, row.processEnabled, VersionFlags{}, row.remoteSession);
    EXPECT_EQ(o.drag.transparentDragging, row.dragging) << row.name;
    EXPECT_EQ((ActiveRoutes(o) & RouteBit(Route::Moving)) != 0, row.dragging) << row.name;
    EXPECT_NE(ActiveRoutes(o) & RouteBit(Route::ExitSizeMove), 0u)
        << row.name << ": a drag begun before the load still ends";
    const LibraryOptions local =
        OptionsFor(row.settings, row.processEnabled, VersionFlags{}, false);
    EXPECT_EQ(o.animation.animateOpening, local.animation.animateOpening) << row.name;
    EXPECT_EQ(o.shadows.dropShadows, local.shadows.dropShadows) << row.name;
    EXPECT_EQ(o.wallpaper.windowWallpaper, local.wallpaper.windowWallpaper) << row.name;
    EXPECT_EQ(o.drag.dragOpacity, local.drag.dragOpacity) << row.name;
  }
}

// The library's half of the rule is its wallpaper options, the control
// program's half what it writes to the two system colours.
TEST(LibraryOptions, HighContrastPausesEveryWallpaperAndTheSystemColours) {
  using W = SystemColourWrite;
  struct Row {
    const char* name;
    bool highContrast;
    std::initializer_list<Check> checks;
    bool systemColours;  // the override switch
    bool window, mdi, lists;  // tiled: window, MDI, tree and list views
    bool paused;              // the library watches for high contrast to end
    W writes;
  };
  const Row rows[] = {
      {"off, nothing chosen", false, {}, false, false, false, false, false, W::Saved},
      {"off, everything chosen", false,
       {Check::WindowWallpaper, Check::MdiWallpaper, Check::TreeViewWallpaper, Check::ListViewWallpaper},
       true, true, true, true, false, W::Chosen},
      {"on, nothing chosen", true, {}, false, false, false, false, false, W::Nothing},
      {"on, everything chosen", true,
       {Check::WindowWallpaper, Check::MdiWallpaper, Check::TreeViewWallpaper, Check::ListViewWallpaper},
       true, false, false, false, true, W::Nothing},
      {"on, the window wallpaper only", true, {Check::WindowWallpaper}, false, false, false, false, true,
       W::Nothing},
      {"on, the list views only", true, {Check::ListViewWallpaper}, true, false, false, false, true, W::Nothing},
      {"on, only animations", true, {Check::WindowsOpening}, false, false, false, false, false, W::Nothing},
  };
  for (const Row& row : rows) {
    const LibraryOptions o = OptionsFor(With(row.checks), true, VersionFlags{}, false, row.highContrast);
    const WallpaperOptions& w = o.wallpaper;
    EXPECT_EQ(w.windowWallpaper, row.window) << row.name;
    EXPECT_EQ(w.mdiWallpaper, row.mdi) << row.name;
    EXPECT_EQ(w.treeViewWallpaper || w.listViewWallpaper, row.lists) << row.name;
    EXPECT_EQ(w.pausedByHighContrast, row.paused) << row.name;
    const bool tiles = row.window || row.mdi || row.lists;
    EXPECT_EQ((ActiveRoutes(o) & RouteBit(Route::EraseBkgnd)) != 0, tiles) << row.name;
    const bool watches = tiles || row.paused || o.animation.animateOpening;
    EXPECT_EQ((ActiveRoutes(o) & RouteBit(Route::SettingChange)) != 0, watches) << row.name;
    EXPECT_EQ(static_cast<int>(SystemColoursToWrite(row.highContrast, row.systemColours)),
              static_cast<int>(row.writes))
        << row.name;
  }
  const LibraryOptions excluded = OptionsFor(With({Check::WindowWallpaper}), false, VersionFlags{}, false, true);
  EXPECT_FALSE(excluded.wallpaper.pausedByHighContrast) << "an excluded program has nothing to resume";
}

}  // namespace
}  // namespace vornal::hooklib
