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
  const std::initializer_list<Check> all = {Check::WindowWallpaper, Check::MdiWallpaper,
                                            Check::TreeViewWallpaper, Check::ListViewWallpaper};
  const struct { const char* name; bool highContrast; std::initializer_list<Check> checks; bool colours;
                 bool tiles, paused; W writes; } rows[] = {
      {"off", false, all, true, true, false, W::Chosen},
      {"off, nothing chosen", false, {}, false, false, false, W::Saved},
      {"on", true, all, true, false, true, W::Nothing},
      {"on, list views only", true, {Check::ListViewWallpaper}, false, false, true, W::Nothing},
      {"on, nothing chosen", true, {}, false, false, false, W::Nothing},
  };
  for (const auto& r : rows) {
    const LibraryOptions o = OptionsFor(With(r.checks), true, VersionFlags{}, false, r.highContrast);
    const WallpaperOptions& w = o.wallpaper;
    EXPECT_EQ(w.windowWallpaper + w.mdiWallpaper + w.treeViewWallpaper + w.listViewWallpaper,
              r.tiles ? static_cast<int>(r.checks.size()) : 0) << r.name;
    EXPECT_EQ(w.pausedByHighContrast, r.paused) << r.name;
    EXPECT_EQ((ActiveRoutes(o) & RouteBit(Route::SettingChange)) != 0, r.tiles || r.paused)
        << r.name << ": whether the library hears high contrast change";
    EXPECT_EQ(static_cast<int>(SystemColoursToWrite(r.highContrast, r.colours)), static_cast<int>(r.writes)) << r.name;
  }
}

}  // namespace
}  // namespace vornal::hooklib
