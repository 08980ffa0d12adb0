// The options as handlers read them: worked out once per load from the
// record, the process's exclusion and the system's version, and the routes
// that have anything to do under them.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "core/library_options.h"
#include "core/published.h"

namespace vornal::hooklib {
namespace {

Settings With(std::initializer_list<Check> checks) {
  Settings s = DefaultSettings();
  for (Check c : kAllChecks) s.Set(c, false);
  for (Check c : checks) s.Set(c, true);
  return s;
}

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

TEST(LibraryOptions, EachSwitchActivatesTheRoutesItsHandlersNeed) {
  const auto bits = [](std::initializer_list<Route> routes) {
    std::uint32_t b = RouteBit(Route::ExitSizeMove);
    for (Route r : routes) b |= RouteBit(r);
    return b;
  };
  struct Case {
    std::initializer_list<Check> checks;
    std::uint32_t routes;
  };
  const Case cases[] = {
      {{}, bits({})},
      {{Check::WindowsOpening}, bits({Route::WindowPosChanging})},
      {{Check::WindowsClosing, Check::TitledWindows}, bits({Route::WindowPosChanging})},
      {{Check::Popups}, bits({})},  // popups, but neither opening nor closing
      {{Check::WindowsOpening, Check::Popups}, bits({Route::WindowPosChanging, Route::ShowWindow})},
      {{Check::WindowShadows}, bits({})},  // shadows come with the opening step
      {{Check::TransparentDragging}, bits({Route::Moving})},
      {{Check::WindowWallpaper}, bits({Route::EraseBkgnd, Route::Activate})},
      {{Check::MdiWallpaper}, bits({Route::EraseBkgnd, Route::MDIClientChanged, Route::Scrolled})},
      {{Check::TabbedPages}, bits({})},
      {{Check::TreeViewWallpaper},
       bits({Route::EraseBkgnd, Route::Scrolled, Route::KillFocus, Route::SetCursor})},
      {{Check::ListViewWallpaper},
       bits({Route::EraseBkgnd, Route::Scrolled, Route::KillFocus, Route::CaptureChanged})},
  };
  for (const Case& c : cases) {
    std::string checks;
    for (Check check : c.checks) checks += std::string(ValueNameOf(check).c_str()) + ' ';
    EXPECT_EQ(ActiveRoutes(OptionsFor(With(c.checks), true, VersionFlags{})), c.routes)
        << "with " << checks;
  }
  EXPECT_EQ(ActiveRoutes(LibraryOptions{}) & RouteBit(Route::None), 0u) << "unlisted messages";
}

// Every field of one value is written from the same number, so a copy that
// mixes two values shows as fields that differ.
struct Stamped {
  std::uint32_t fields[29];  // deliberately not a whole number of words
};

TEST(PublishedOptions, ReadersNeverSeeAMixOfTwoValuesDuringAStormOfReloads) {
  Published<Stamped> published;
  std::atomic<bool> stop{false};
  std::atomic<long> torn{0}, reads{0};
  std::vector<std::thread> readers;
  for (int r = 0; r < 4; ++r) {
    readers.emplace_back([&] {
      std::uint32_t last = 0;
      while (!stop.load(std::memory_order_relaxed)) {
        const Stamped s = published.Read();
        for (std::uint32_t f : s.fields) torn += f != s.fields[0];
        // One writer thread counts up: a reader never goes back in time.
        if (s.fields[0] < last && s.fields[0] % 2 == 0) ++torn;
        if (s.fields[0] % 2 == 0) last = s.fields[0];
        ++reads;
      }
    });
  }
  // Two writers, as two threads of a process reload on one broadcast: one
  // counts up through even numbers, the other writes odd ones.
  std::thread up([&] {
    for (std::uint32_t v = 2; v <= 200000; v += 2) {
      Stamped s;
      for (std::uint32_t& f : s.fields) f = v;
      published.Publish(s);
    }
  });
  std::thread odd([&] {
    for (std::uint32_t v = 1; v < 20000; v += 2) {
      Stamped s;
      for (std::uint32_t& f : s.fields) f = v;
      published.Publish(s);
    }
  });
  up.join();
  odd.join();
  stop = true;
  for (std::thread& t : readers) t.join();
  EXPECT_EQ(torn.load(), 0) << "of " << reads.load() << " reads";
  EXPECT_GT(reads.load(), 0);
}

}  // namespace
}  // namespace vornal::hooklib
