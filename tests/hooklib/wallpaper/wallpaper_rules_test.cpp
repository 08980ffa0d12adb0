// The wallpaper rules, the tiling and the redraw conditions where real
// windows cannot show them; the common controls themselves are in
// hooked_wallpaper_test.cpp.
#include <gtest/gtest.h>

#include <vector>

#include "wallpaper/redraw_rules.h"
#include "wallpaper/tiling.h"
#include "wallpaper/wallpaper_rules.h"

namespace vornal::hooklib {
namespace {

// Numbers as the system documents them, not the library's constants.
constexpr std::uint32_t kCaption = 0x00C00000, kBorder = 0x00800000, kPopup = 0x80000000;
constexpr WindowBox kFrame{0, 0, 200, 150}, kInside{0, 0, 190, 120};

TEST(WallpaperRules, WindowAndTVTargetsByClassStyleAndFacts) {
  const struct { const char* cls; std::uint32_t style; WindowBox client; bool taskbar, beforeXP, target; } surfaces[] = {
      {"X", kCaption, kInside, 0, 0, true},          {"X", kCaption, {190, 120, 0, 0}, 0, 0, true},
      {"X", kCaption, {0, 0, 200, 120}, 0, 0, false}, {"X", kCaption, {0, 0, 190, 150}, 0, 0, false},
      {"X", kBorder, kInside, 0, 0, false},          {"#32770", kPopup, kFrame, 0, 0, false},
      {"SHELL_TRAYWND", 0, kFrame, 1, 1, true},      {"SHELL_TRAYWND", 0, kFrame, 1, 0, false},
      {"SYSTABCONTROL32", 0, kFrame, 0, 0, true},    {"AFXCONTROLBAR42S", 0, kFrame, 0, 0, true},
      {"AFXCONTROLBA", 0, kFrame, 0, 0, false},      {"XAFXCONTROLBAR", 0, kFrame, 0, 0, false},
      {"TTABSHEET", 0, kFrame, 0, 0, true},          {"TTABSHEETS", 0, kFrame, 0, 0, false},
      {"FTSRCHFIND", 0, kFrame, 0, 0, true},         {"TPAGECONTROL", 0, kFrame, 0, 0, true},
      {"TGROUPBOX", 0, kFrame, 0, 0, true},          {"TDOCKTOOLBAR", 0, kFrame, 0, 0, true},
      {"THUNDERRTFRAME", 0, kFrame, 0, 0, true},     {"BUTTON", 0, kFrame, 0, 1, false}};
  for (const auto& s : surfaces) {
    WallpaperOptions options;
    options.beforeXP = s.beforeXP;
    EXPECT_EQ(WindowWallpaperRule({s.cls, s.style, kFrame, s.client, false, false, s.taskbar}, options),
              s.target) << s.cls << " style " << s.style;
  }
  const struct { bool trees; const char* cls; const char* text; bool desktop, beforeXP, target; } lists[] = {
      {true, "THUNDERRT6DIRLISTBOX", "", 0, 0, true}, {false, "SYSTREEVIEW32", "", 0, 0, false},
      {false, "SYSLISTVIEW32", "FOLDERVIEW", 0, 0, false}, {false, "SYSLISTVIEW32", "FOLDERVIEW", 0, 1, true},
      {false, "SYSLISTVIEW32", "INTERNET EXPLORER", 0, 1, false}, {false, "SYSLISTVIEW32", "PROCESSES2", 0, 0, true},
      {false, "SYSLISTVIEW32", "", 1, 1, false},      {false, "THUNDERRTLISTBOX", "", 0, 0, true},
      {false, "THUNDERRT6FILELISTBOX", "", 0, 0, true}, {true, "THUNDERRTLISTBOX", "", 0, 0, false},
      {false, "COMBOLBOX", "", 0, 0, false}};
  for (const auto& l : lists) {
    WallpaperOptions options;
    options.treeViewWallpaper = l.trees;
    options.listViewWallpaper = !l.trees;
    options.beforeXP = l.beforeXP;
    EXPECT_EQ(TVWallpaperRule({l.cls, l.text, 0, l.desktop}, options), l.target) << l.cls << " " << l.text;
  }
}

TEST(WallpaperRules, DoubleBufferedTreeAndListViewsGetNoTVWallpaper) {
  // Messages and bits as commctrl.h documents them.
  const struct { const char* cls; unsigned message; std::uint32_t bit; bool buffered, target; } rows[] = {
      {"SYSTREEVIEW32", 0x112D, 0x0004, false, true},      {"SYSTREEVIEW32", 0x112D, 0x0004, true, false},
      {"SYSLISTVIEW32", 0x1037, 0x00010000, false, true},  {"SYSLISTVIEW32", 0x1037, 0x00010000, true, false},
      {"LISTBOX", 0, 0, false, true},                      {"THUNDERRT6DIRLISTBOX", 0, 0, false, true}};
  WallpaperOptions options;
  options.treeViewWallpaper = options.listViewWallpaper = true;
  for (const auto& r : rows) {
    const DoubleBufferQuery query = DoubleBufferMessage(r.cls);
    EXPECT_EQ(query.message, r.message) << r.cls;
    EXPECT_EQ(query.bit, r.bit) << r.cls;
    ListFacts facts{r.cls, "", 0, false, r.buffered};
    EXPECT_EQ(TVWallpaperRule(facts, options), r.target) << r.cls << (r.buffered ? " double-buffered" : "");
  }
}

TEST(Tiling, TilesFromTheTopLeftCornerCutAtTheRightAndBottomWithinTheDrawnBox) {
  constexpr DrawnBox kAll{0, 0, 0x7FFFFFFF, 0x7FFFFFFF};
  const struct { std::uint16_t width, height; TileSize tile; DrawnBox drawn; std::size_t count; Tile last; } cases[] = {
      {200, 150, {300, 240}, kAll, 1, {0, 0, 200, 150}},   {200, 150, {37, 23}, kAll, 42, {185, 138, 15, 12}},
      {65535, 1, {40000, 1}, kAll, 2, {40000, 0, 25535, 1}},  // no 16-bit wrap of the position
      {200, 150, {37, 23}, {40, 30, 80, 50}, 4, {74, 46, 37, 23}},
      {200, 150, {37, 23}, {-50, -50, 1, 1}, 1, {0, 0, 37, 23}},
      {200, 150, {37, 23}, {200, 0, 400, 10}, 0, {}},      {200, 150, {0, 23}, kAll, 0, {}}};
  for (const auto& c : cases) {
    std::vector<Tile> tiles;
    std::uint64_t area = 0;
    ForEachTile(c.width, c.height, c.tile, c.drawn, [&](const Tile& t) {
      tiles.push_back(t);
      area += std::uint64_t{t.width} * t.height;
    });
    ASSERT_EQ(tiles.size(), c.count) << c.width << "x" << c.height << " by " << c.tile.width;
    if (c.count == 0) continue;
    const Tile& t = tiles.back();
    EXPECT_TRUE(t.x == c.last.x && t.y == c.last.y && t.width == c.last.width && t.height == c.last.height);
    if (c.drawn.right == kAll.right) { EXPECT_EQ(area, std::uint64_t{c.width} * c.height) << "gap or overlap"; }
  }
  EXPECT_EQ(ClientSide(0, 70000), 65535);
  const struct { TileSize picture, kept; } repeats[] = {
      {{1, 1}, {256, 64}}, {{37, 23}, {259, 69}}, {{300, 5}, {300, 65}}, {{0, 7}, {0, 70}}};
  for (const auto& r : repeats) {
    const TileSize kept = RepeatedTileSize(r.picture.width, r.picture.height);
    EXPECT_TRUE(kept.width == r.kept.width && kept.height == r.kept.height) << r.picture.width;
  }
}

TEST(RedrawRules, EachTriggerOnlyOnItsConditionAndTheRightWordOfItsParameter) {
  EXPECT_TRUE(ScrollEnds(0x00350008));
  EXPECT_FALSE(ScrollEnds(0x00080000));
  const struct { bool loaded; std::uintptr_t wParam; std::intptr_t other; bool redraws; } activations[] = {
      {true, 1, 77, true},  {false, 1, 77, false}, {true, 2, 77, false},
      {true, 0x00010001, 77, false}, {true, 1, 0, false}};
  for (const auto& a : activations) EXPECT_EQ(ActivateRedraws(a.loaded, a.wParam, a.other), a.redraws) << a.wParam;
  const struct { std::intptr_t lParam; bool click; } cursors[] = {
      {0x02010001, true}, {0x00000001, true}, {0x02000001, false}};
  for (const auto& c : cursors) EXPECT_EQ(SetCursorIsClick(c.lParam), c.click) << c.lParam;
  EXPECT_EQ(CaptureRedrawFor("LISTBOX"), CaptureRedraw::WindowIfTarget);
  EXPECT_EQ(CaptureRedrawFor("SYSHEADER32"), CaptureRedraw::ParentIfTarget);
  EXPECT_EQ(CaptureRedrawFor("SYSLISTVIEW32"), CaptureRedraw::Nothing);
}

}  // namespace
}  // namespace vornal::hooklib
