// The routes that have anything to do under a set of options.
#include <gtest/gtest.h>

#include <string>

#include "checks_only.h"
#include "dispatch/active_routes.h"

namespace vornal::hooklib {
namespace {

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
      {{Check::WindowsOpening}, bits({Route::WindowPosChanging, Route::SettingChange})},
      {{Check::WindowsClosing, Check::TitledWindows},
       bits({Route::WindowPosChanging, Route::SettingChange})},
      {{Check::Popups}, bits({})},  // popups, but neither opening nor closing
      {{Check::WindowsOpening, Check::Popups},
       bits({Route::WindowPosChanging, Route::ShowWindow, Route::SettingChange})},
      {{Check::WindowShadows}, bits({})},  // shadows come with the opening step
      {{Check::TransparentDragging}, bits({Route::Moving})},
      {{Check::WindowWallpaper}, bits({Route::EraseBkgnd, Route::Activate, Route::SettingChange})},
      {{Check::MdiWallpaper}, bits({Route::EraseBkgnd, Route::MDIClientChanged, Route::Scrolled, Route::SettingChange})},
      {{Check::TabbedPages}, bits({})},
      {{Check::TreeViewWallpaper},
       bits({Route::EraseBkgnd, Route::Scrolled, Route::KillFocus, Route::SetCursor, Route::SettingChange})},
      {{Check::ListViewWallpaper},
       bits({Route::EraseBkgnd, Route::Scrolled, Route::KillFocus, Route::CaptureChanged, Route::SettingChange})},
  };
  for (const Case& c : cases) {
    std::string checks;
    for (Check check : c.checks) checks += std::string(ValueNameOf(check).c_str()) + ' ';
    EXPECT_EQ(ActiveRoutes(OptionsFor(With(c.checks), true, VersionFlags{}, false)), c.routes)
        << "with " << checks;
  }
  EXPECT_EQ(ActiveRoutes(LibraryOptions{}) & RouteBit(Route::None), 0u) << "unlisted messages";
}

}  // namespace
}  // namespace vornal::hooklib
