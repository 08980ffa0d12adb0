// The wallpapers as the installed library tiles them in real windows of
// the hooked helper (wallpaper_target_protocol.h), read back pixel by pixel.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>

#include "cross_process_names.h"
#include "drag_target_process.h"
#include "installed_hook.h"
#include "test_bitmap.h"
#include "vornal_settings_key.h"
#include "wallpaper_target_protocol.h"

namespace vornal::test {
namespace {

enum Shows { kNothing, kTiled, kPartly };

// Odd sizes put every seam inside the 200x150 windows; the large picture
// is larger than they are.
struct Picture {
  const char* name;
  int kind, width, height;
  DWORD cut = 0;
  std::string Path() const {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + "vornal_wallpaper_" + name + ".bmp";
  }
};
const Picture kLarge{"large", 0, 300, 240}, kSmall{"small", 0, 37, 23}, kMDI{"mdi", 1, 45, 31},
    kTV{"tv", 2, 29, 41}, kBroken{"broken", 0, 37, 23, 100}, kMissing{"missing", 0, 37, 23};

TEST(HookedWallpaper, EachWindowShowsItsPictureTiledFromItsTopLeftCornerOrNone) {
  for (const Picture* p : {&kLarge, &kSmall, &kBroken, &kMDI, &kTV}) {
    ASSERT_TRUE(WriteTestBitmap(p->Path().c_str(), p->width, p->height, p->kind, p->cut));
  }
  ResetSettingsKey();
  SetSettingsText("MDIWallpaper", kMDI.Path().c_str());
  SetSettingsText("TVWallpaper", kTV.Path().c_str());
  DragTargetProcess target;
  InstalledHook hook;
  ASSERT_TRUE(target.Ready() && hook.Installed());
  const struct {
    std::initializer_list<std::pair<ValueName, std::uint32_t>> values;
    const Picture& window;
    bool excluded = false;
  } stages[] = {
      {{{ValueNameOf(Check::WindowsOpening), 0}, {ValueNameOf(Check::WindowsClosing), 0},
        {ValueNameOf(Check::WindowWallpaper), 1}},
       kMissing},
      {{{ValueNameOf(Check::MdiWallpaper), 1}, {ValueNameOf(Check::ListViewWallpaper), 1}}, kLarge},
      {{}, kSmall},
      {{{ValueNameOf(Check::TabbedPages), 1}}, kMissing},
      {{{ValueNameOf(Check::TreeViewWallpaper), 1}, {ValueNameOf(Check::ListViewWallpaper), 0}}, kBroken},
      {{}, kSmall, true}};
  const struct { int stage; WPARAM kind; const Picture& picture; Shows shows; int scroll = -1; } cases[] = {
      {0, kDialog, kSmall, kNothing},  // the file is missing, and no picture was loaded before
      {1, kDialog, kLarge, kTiled},    // one tile, cut at the right and bottom
      {2, kDialog, kSmall, kTiled},    // repeated, the last column and row cut
      {2, kPageBesideTab, kSmall, kNothing},  {2, kPageBesideHiddenTab, kSmall, kTiled},
      {2, kSubclassedPage, kSmall, kNothing}, {2, kToolbar, kSmall, kTiled},
      {2, kTransparentToolbar, kSmall, kNothing}, {2, kCustomEraseToolbar, kSmall, kNothing},
      {2, kListBox, kTV, kTiled},             {2, kBorderedListBox, kTV, kNothing},
      {2, kListView, kTV, kTiled},            {2, kNoScrollListView, kTV, kNothing},
      {2, kDoubleBufferedListView, kTV, kNothing},
      {2, kProcessesListView, kTV, kNothing}, {2, kTreeView, kTV, kNothing},
      {2, kMDIClient, kMDI, kTiled},          {2, kMDIChild, kSmall, kNothing},
      {2, kMDIChild, kMDI, kNothing},
      {2, kListView, kTV, kNothing, SB_LINEDOWN}, {2, kListView, kTV, kNothing, SB_THUMBTRACK},
      {2, kListView, kTV, kTiled, SB_ENDSCROLL},  // the whole client area repainted
      {3, kPageBesideTab, kSmall, kTiled},    // a missing file keeps the picture
      {3, kSubclassedPage, kSmall, kNothing},
      {4, kTreeView, kTV, kTiled},            {4, kListView, kTV, kNothing},
      {4, kDialog, kSmall, kTiled},           // so does a truncated one
      {5, kDialog, kSmall, kNothing}, {5, kMDIClient, kMDI, kNothing}};  // excluded
  int stage = -1;
  for (const auto& c : cases) {
    if (c.stage != stage) {
      const auto& s = stages[stage = c.stage];
      for (const auto& [name, value] : s.values) SetSettingsDword(name, value);
      SetSettingsText("WindowWallpaper", s.window.Path().c_str());
      if (s.excluded) SetExclusions({"VORNAL_drag_target.exe"});
      target.Send(RegisterWindowMessageA(kSettingsUpdatedMessage));
    }
    const LRESULT r = target.Send(kShowWallpaperWindow, c.kind,
                                  PictureRequest(c.picture.kind, c.picture.width, c.picture.height, c.scroll));
    const Shows shows = HIWORD(r) > 0 && LOWORD(r) == HIWORD(r) ? kTiled : LOWORD(r) == 0 ? kNothing : kPartly;
    EXPECT_EQ(shows, c.shows) << "kind " << c.kind << ", stage " << c.stage << ", scroll " << c.scroll
                              << ": " << LOWORD(r) << " of " << HIWORD(r) << " pixels show the picture";
  }
  DeleteSettingsKey();
}

// High contrast reaches the helper's library through its stand-in for
// SystemParametersInfoA; the change is announced as the system does, to a
// top-level window of the program.
TEST(HookedWallpaper, HighContrastPausesEveryPictureUntilItIsOffAndNoticed) {
  ASSERT_TRUE(WriteTestBitmap(kSmall.Path().c_str(), kSmall.width, kSmall.height, kSmall.kind));
  ResetSettingsKey();
  SetSettingsDword(ValueNameOf(Check::WindowWallpaper), 1);
  SetSettingsText("WindowWallpaper", kSmall.Path().c_str());
  DragTargetProcess target;
  InstalledHook hook;
  ASSERT_TRUE(target.Ready() && hook.Installed());
  const UINT settingsUpdated = RegisterWindowMessageA(kSettingsUpdatedMessage);
  target.Send(settingsUpdated);
  // apply: the generation of an apply; 0, high contrast's announcement.
  const struct { const char* name; bool highContrast; WPARAM apply; Shows shows; } steps[] = {
      {"before", false, 4, kTiled},
      {"on, announced", true, 0, kNothing},
      {"an apply while on", true, 5, kNothing},
      {"off, announced after that apply", false, 0, kTiled},
      {"on again", true, 0, kNothing},
      {"off, unannounced, then an apply", false, 6, kTiled},
  };
  for (const auto& step : steps) {
    ASSERT_EQ(target.Send(kSetHighContrast, step.highContrast), 1) << step.name;
    if (step.apply != 0) {
      target.Send(settingsUpdated, step.apply);
    } else {
      target.Send(WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST);
    }
    const LRESULT r = target.Send(kShowWallpaperWindow, kDialog, PictureRequest(0, kSmall.width, kSmall.height));
    EXPECT_EQ(HIWORD(r) > 0 && LOWORD(r) == HIWORD(r) ? kTiled : LOWORD(r) == 0 ? kNothing : kPartly, step.shows)
        << step.name;
  }
  DeleteSettingsKey();
}

}  // namespace
}  // namespace vornal::test
