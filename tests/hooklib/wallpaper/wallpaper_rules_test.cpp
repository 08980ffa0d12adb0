// Which windows get which wallpaper, where the tiles go, and when a
// wallpapered window is redrawn. What only real windows show (the classes
// of the common controls, the pixels) is in hooked_wallpaper_test.cpp.
#include <gtest/gtest.h>

#include <vector>

#include "wallpaper/redraw_rules.h"
#include "wallpaper/tiling.h"
#include "wallpaper/wallpaper_rules.h"

namespace vornal::hooklib {
namespace {

// Numbers as the system documents them, not the library's constants.
constexpr std::uint32_t kCaption = 0x00C00000, kBorder = 0x00800000, kDlgFrame = 0x00400000,
                        kPopup = 0x80000000;

TEST(WindowWallpaperRule, FramedCaptionsPagesTaskbarAndTheListedClasses) {
  constexpr WindowBox kWindow{0, 0, 200, 150};
  const struct Case {
    const char* cls;
    std::uint32_t style;
    WindowBox client;
    bool subclassed, tab, taskbar, tabbed, beforeXP, target;
  } cases[] = {
      {"X", kCaption, {0, 0, 190, 120}, 0, 0, 0, 0, 0, true},
      {"X", kCaption, {190, 120, 0, 0}, 0, 0, 0, 0, 0, true},  // sides the other way round
      {"X", kCaption, {0, 0, 200, 120}, 0, 0, 0, 0, 0, false},
      {"X", kCaption, {0, 0, 190, 150}, 0, 0, 0, 0, 0, false},
      {"X", kBorder, {0, 0, 190, 120}, 0, 0, 0, 0, 0, false},
      {"X", kDlgFrame, {0, 0, 190, 120}, 0, 0, 0, 0, 0, false},
      {"#32770", 0, kWindow, 0, 0, 0, 0, 0, true},
      {"#32770", 0, kWindow, 0, 1, 0, 0, 0, false},
      {"#32770", 0, kWindow, 0, 1, 0, 1, 0, true},
      {"#32770", 0, kWindow, 1, 0, 0, 1, 0, false},
      {"#32770", kPopup, kWindow, 0, 0, 0, 1, 0, false},
      {"#32770", kPopup | kCaption, {0, 0, 190, 120}, 1, 1, 0, 0, 0, true},
      {"SHELL_TRAYWND", 0, kWindow, 0, 0, 1, 0, 1, true},
      {"SHELL_TRAYWND", 0, kWindow, 0, 0, 1, 0, 0, false},
      {"SYSTABCONTROL32", 0, kWindow, 0, 0, 0, 0, 0, true},
      {"TOOLBARWINDOW32", 0x0800, kWindow, 0, 0, 0, 0, 0, true},  // TBSTYLE_FLAT
      {"TOOLBARWINDOW32", 0x8000, kWindow, 0, 0, 0, 0, 0, false},
      {"TOOLBARWINDOW32", 0x2000, kWindow, 0, 0, 0, 0, 0, false},
      {"AFXCONTROLBAR42S", 0, kWindow, 0, 0, 0, 0, 0, true},
      {"AFXCONTROLBAR", 0, kWindow, 0, 0, 0, 0, 0, true},
      {"AFXCONTROLBA", 0, kWindow, 0, 0, 0, 0, 0, false},
      {"XAFXCONTROLBAR", 0, kWindow, 0, 0, 0, 0, 0, false},
      {"TTABSHEET", 0, kWindow, 0, 0, 0, 0, 0, true},
      {"TTABSHEETS", 0, kWindow, 0, 0, 0, 0, 0, false},
      {"FTSRCHFIND", 0, kWindow, 0, 0, 0, 0, 0, true},
      {"TPAGECONTROL", 0, kWindow, 0, 0, 0, 0, 0, true},
      {"TGROUPBOX", 0, kWindow, 0, 0, 0, 0, 0, true},
      {"TDOCKTOOLBAR", 0, kWindow, 0, 0, 0, 0, 0, true},
      {"THUNDERRTFRAME", 0, kWindow, 0, 0, 0, 0, 0, true},
      {"BUTTON", 0, kWindow, 0, 0, 0, 1, 1, false},
  };
  for (const Case& c : cases) {
    WallpaperOptions options;
    options.tabbedPages = c.tabbed;
    options.beforeXP = c.beforeXP;
    const SurfaceFacts facts{c.cls, c.style, kWindow, c.client, c.subclassed, c.tab, c.taskbar};
    EXPECT_EQ(WindowWallpaperRule(facts, options), c.target) << c.cls << " style " << c.style;
  }
  EXPECT_TRUE(NeedsPageFacts("#32770", kCaption));
  EXPECT_FALSE(NeedsPageFacts("#32770", kPopup));
}

TEST(TVWallpaperRule, TreesWithFlag13ListsWithFlag14AndTheListViewExclusions) {
  enum Switches { kTrees, kLists, kBoth };
  const struct Case {
    Switches on;
    const char* cls;
    const char* text;
    std::uint32_t style;
    bool desktop, beforeXP, target;
  } cases[] = {
      {kTrees, "SYSTREEVIEW32", "", 0, 0, 0, true},   {kLists, "SYSTREEVIEW32", "", 0, 0, 0, false},
      {kTrees, "THUNDERRT6DIRLISTBOX", "", 0, 0, 0, true},
      {kLists, "SYSLISTVIEW32", "", 0, 0, 0, true},   {kTrees, "SYSLISTVIEW32", "", 0, 0, 0, false},
      {kBoth, "SYSLISTVIEW32", "FOLDERVIEW", 0, 0, 0, false},
      {kBoth, "SYSLISTVIEW32", "FOLDERVIEW", 0, 0, 1, true},
      {kBoth, "SYSLISTVIEW32", "PROCESSES", 0, 0, 1, false},
      {kBoth, "SYSLISTVIEW32", "INTERNET EXPLORER", 0, 0, 1, false},
      {kBoth, "SYSLISTVIEW32", "PROCESSES2", 0, 0, 0, true},
      {kBoth, "SYSLISTVIEW32", "", 0, 1, 1, false},
      {kBoth, "SYSLISTVIEW32", "", 0x2000, 0, 0, false},  // LVS_NOSCROLL
      {kLists, "LISTBOX", "", 0, 0, 0, true},         {kLists, "LISTBOX", "", kBorder, 0, 0, false},
      {kTrees, "LISTBOX", "", 0, 0, 0, false},
      {kLists, "THUNDERRTLISTBOX", "", 0, 0, 0, true}, {kLists, "THUNDERRT6FILELISTBOX", "", 0, 0, 0, true},
      {kBoth, "COMBOLBOX", "", 0, 0, 0, false},
  };
  for (const Case& c : cases) {
    WallpaperOptions options;
    options.treeViews = c.on != kLists;
    options.listViews = c.on != kTrees;
    options.beforeXP = c.beforeXP;
    EXPECT_EQ(TVWallpaperRule({c.cls, c.text, c.style, c.desktop}, options), c.target)
        << c.cls << " \"" << c.text << "\" switches " << c.on;
  }
}

TEST(Tiling, TilesFromTheTopLeftCornerCutAtTheRightAndBottomWithinTheDrawnBox) {
  constexpr DrawnBox kAll{0, 0, 0x7FFFFFFF, 0x7FFFFFFF};
  const struct Case {
    std::uint16_t width, height;
    TileSize tile;
    DrawnBox drawn;
    std::size_t count;
    Tile first, last;
  } cases[] = {
      {200, 150, {300, 240}, kAll, 1, {0, 0, 200, 150}, {0, 0, 200, 150}},
      {200, 150, {37, 23}, kAll, 42, {0, 0, 37, 23}, {185, 138, 15, 12}},
      {128, 128, {64, 64}, kAll, 4, {0, 0, 64, 64}, {64, 64, 64, 64}},
      {65535, 1, {40000, 1}, kAll, 2, {0, 0, 40000, 1}, {40000, 0, 25535, 1}},
      {200, 150, {37, 23}, {40, 30, 80, 50}, 4, {37, 23, 37, 23}, {74, 46, 37, 23}},
      {200, 150, {37, 23}, {-50, -50, 1, 1}, 1, {0, 0, 37, 23}, {0, 0, 37, 23}},
      {200, 150, {37, 23}, {200, 0, 400, 10}, 0, {}, {}},
      {200, 150, {0, 23}, kAll, 0, {}, {}},
  };
  for (const Case& c : cases) {
    std::vector<Tile> tiles;
    std::uint64_t area = 0;
    ForEachTile(c.width, c.height, c.tile, c.drawn, [&](const Tile& t) {
      tiles.push_back(t);
      area += std::uint64_t{t.width} * t.height;
    });
    const auto same = [](const Tile& a, const Tile& b) {
      return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
    };
    ASSERT_EQ(tiles.size(), c.count) << c.width << "x" << c.height << " by " << c.tile.width;
    if (c.count == 0) continue;
    EXPECT_TRUE(same(tiles.front(), c.first) && same(tiles.back(), c.last)) << c.tile.width;
    if (c.drawn.right == kAll.right) {
      EXPECT_EQ(area, std::uint64_t{c.width} * c.height) << "no overlap, no gap";
    }
  }
  EXPECT_EQ(ClientSide(0, 70000), 65535);
  EXPECT_EQ(ClientSide(30, -10), 40);
}

TEST(Tiling, SmallPicturesAreRepeatedTo256PixelsWideAnd64HighOrMore) {
  const struct { TileSize picture, kept; } cases[] = {
      {{1, 1}, {256, 64}}, {{37, 23}, {259, 69}}, {{64, 64}, {256, 64}},
      {{300, 5}, {300, 65}}, {{0, 7}, {0, 70}}, {{256, 1024}, {256, 1024}}};
  for (const auto& c : cases) {
    const TileSize kept = RepeatedTileSize(c.picture.width, c.picture.height);
    EXPECT_TRUE(kept.width == c.kept.width && kept.height == c.kept.height)
        << c.picture.width << "x" << c.picture.height << " -> " << kept.width << "x" << kept.height;
  }
}

TEST(RedrawRules, EachTriggerOnlyOnItsConditionAndTheRightWordOfItsParameter) {
  const struct { std::uintptr_t wParam; bool ends; } scrolls[] = {
      {8, true}, {0x00350008, true}, {7, false}, {0x00080000, false}};
  for (const auto& s : scrolls) EXPECT_EQ(ScrollEnds(s.wParam), s.ends) << s.wParam;

  const struct { bool loaded; std::uintptr_t wParam; std::intptr_t other; bool redraws; } activations[] = {
      {true, 1, 77, true},  {false, 1, 77, false}, {true, 2, 77, false},
      {true, 0, 77, false}, {true, 0x00010001, 77, false}, {true, 1, 0, false}};
  for (const auto& a : activations) {
    EXPECT_EQ(ActivateRedraws(a.loaded, a.wParam, a.other), a.redraws) << a.wParam << " " << a.other;
  }

  const struct { bool loaded, trees; std::intptr_t lParam; bool may; } cursors[] = {
      {true, true, 0x02010001, true},  {true, true, 0x00000001, true},  // a menu is up
      {true, true, 0x02000001, false}, {false, true, 0x02010001, false},
      {true, false, 0x02010001, false}};
  for (const auto& c : cursors) {
    EXPECT_EQ(SetCursorMayRedraw(c.loaded, c.trees, c.lParam), c.may) << c.lParam;
  }
  EXPECT_EQ(CaptureRedrawFor("LISTBOX"), CaptureRedraw::WindowIfTarget);
  EXPECT_EQ(CaptureRedrawFor("SYSHEADER32"), CaptureRedraw::ParentIfTarget);
  EXPECT_EQ(CaptureRedrawFor("SYSLISTVIEW32"), CaptureRedraw::Nothing);
}

}  // namespace
}  // namespace vornal::hooklib
