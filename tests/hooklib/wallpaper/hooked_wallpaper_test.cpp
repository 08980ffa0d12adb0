// The wallpapers as the installed library tiles them in the hooked helper
// (wallpaper_target_protocol.h), read back pixel by pixel, and its GDI
// objects counted at the library's imports.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>

#include "drag_target_process.h"
#include "installed_hook.h"
#include "test_bitmap.h"
#include "vornal_settings_key.h"
#include "wallpaper_target_protocol.h"

namespace vornal::test {
namespace {

enum Shows { kNothing, kTiled, kPartly };
using Values = std::initializer_list<std::pair<const char*, std::uint32_t>>;

// Pictures of odd sizes, so that every seam lies inside the client area;
// the large one is larger than it.
struct Picture {
  const char* name;
  int kind, width, height;
  DWORD cut = 0;
  std::string Path() const {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + "vornal_wallpaper_" + name + ".bmp";
  }
  WPARAM Spec() const { return PictureSpec(kind, width, height); }
};
const Picture kLarge{"large", 0, 300, 240}, kSmall{"small", 0, 37, 23},
    kBroken{"broken", 0, 37, 23, 100}, kMDI{"mdi", 1, 45, 31}, kTV{"tv", 2, 29, 41};
const std::string kMissing = kSmall.Path() + ".missing";

void WritePictures() {
  for (const Picture* p : {&kLarge, &kSmall, &kBroken, &kMDI, &kTV}) {
    ASSERT_TRUE(WriteTestBitmap(p->Path().c_str(), p->width, p->height, p->kind, p->cut));
  }
}

int Live(LRESULT objects) { return static_cast<int>(objects & 0xFF); }
int MadeOrAllocated(LRESULT objects) { return static_cast<int>(objects >> 8 & 0xFFFF); }

class HookedWallpaper : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { WritePictures(); }
  void SetUp() override {
    ResetSettingsKey();
    ASSERT_TRUE(target_.Ready());
    ASSERT_TRUE(hook_.Installed());
    SetSettingsText("MDIWallpaper", kMDI.Path().c_str());
    SetSettingsText("TVWallpaper", kTV.Path().c_str());
    Apply({{"CheckBoxChecked1", 0}, {"CheckBoxChecked2", 0}}, kSmall);  // no animation
    target_.Send(kLibraryObjects, 1);  // the library is in the helper by now: watch it
  }
  void TearDown() override { DeleteSettingsKey(); }

  void Apply(Values values, const Picture& window) { Apply(values, window.Path()); }
  void Apply(Values values, const std::string& windowPath = kSmall.Path()) {
    for (const auto& [name, value] : values) SetSettingsDword(name, value);
    SetSettingsText("WindowWallpaper", windowPath.c_str());
    target_.Send(RegisterWindowMessageA("Vornal_SettingsUpdated"));
  }
  // Makes a 200x150 window of kind and tells what its client area shows
  // after an erase, or after the paint-over and scroll request of how.
  Shows Erased(WPARAM kind, const Picture& expected, LPARAM how = 0) {
    EXPECT_EQ(target_.Send(kMakeWallpaperWindow, kind, MAKELPARAM(200, 150)), 1) << kind;
    const LRESULT r = target_.Send(kCaptureWallpaper, expected.Spec(), how);
    const int matching = LOWORD(r), pixels = HIWORD(r);
    return pixels > 0 && matching == pixels ? kTiled : matching == 0 ? kNothing : kPartly;
  }

  DragTargetProcess target_;
  InstalledHook hook_;
};

TEST_F(HookedWallpaper, ADialogShowsThePictureTiledFromItsTopLeftCornerAndPaintingMakesNothing) {
  Apply({{"CheckBoxChecked10", 1}}, kLarge);
  EXPECT_EQ(Erased(kDialog, kLarge), kTiled) << "one tile, cut at the right and bottom";
  Apply({}, kSmall);
  target_.Send(kLibraryObjects, 1);
  EXPECT_EQ(Erased(kDialog, kSmall), kTiled) << "repeated, the last column and row cut";
  EXPECT_EQ(MadeOrAllocated(target_.Send(kLibraryObjects)), 0) << "while painting";
}

TEST_F(HookedWallpaper, TheClassRulesHoldInRealWindows) {
  const Values stages[] = {{{"CheckBoxChecked10", 1}, {"CheckBoxChecked11", 1}, {"CheckBoxChecked14", 1}},
                           {{"CheckBoxChecked12", 1}},
                           {{"CheckBoxChecked13", 1}, {"CheckBoxChecked14", 0}}};
  const struct { int stage; WPARAM kind; const Picture& picture; Shows shows; } cases[] = {
      {0, kPageBesideTab, kSmall, kNothing},  {0, kPageBesideHiddenTab, kSmall, kTiled},
      {0, kSubclassedPage, kSmall, kNothing}, {0, kToolbar, kSmall, kTiled},
      {0, kTransparentToolbar, kSmall, kNothing}, {0, kCustomEraseToolbar, kSmall, kNothing},
      {0, kListBox, kTV, kTiled},             {0, kBorderedListBox, kTV, kNothing},
      {0, kListView, kTV, kTiled},            {0, kNoScrollListView, kTV, kNothing},
      {0, kProcessesListView, kTV, kNothing}, {0, kTreeView, kTV, kNothing},
      {0, kMDIClient, kMDI, kTiled},          {0, kMDIChild, kSmall, kNothing},
      {0, kMDIChild, kMDI, kNothing},
      {1, kPageBesideTab, kSmall, kTiled},    {1, kSubclassedPage, kSmall, kNothing},
      {2, kTreeView, kTV, kTiled},            {2, kListView, kTV, kNothing},
      {2, kListBox, kTV, kNothing}};
  int stage = -1;
  for (const auto& c : cases) {
    if (c.stage != stage) Apply(stages[stage = c.stage]);
    EXPECT_EQ(Erased(c.kind, c.picture), c.shows) << "kind " << c.kind << ", stage " << c.stage;
  }
}

TEST_F(HookedWallpaper, OnlyTheEndOfAScrollRepaintsTheWholeClientArea) {
  Apply({{"CheckBoxChecked14", 1}});
  for (const auto& [request, shows] : {std::pair{SB_LINEDOWN, kNothing},
                                       std::pair{SB_THUMBTRACK, kNothing},
                                       std::pair{SB_ENDSCROLL, kTiled}}) {
    EXPECT_EQ(Erased(kListView, kTV, kScrollFirst | request), shows) << "request " << request;
  }
}

TEST_F(HookedWallpaper, UnreadableFilesKeepWhatWasLoadedAndAnExcludedProcessLoadsNothing) {
  const struct {
    const char* what;
    std::string path;
    bool excluded;
    int live;
    bool made;
    Shows shows;
  } steps[] = {
      {"missing file, no picture yet", kMissing, false, 0, false, kNothing},
      {"a readable file", kSmall.Path(), false, 2, true, kTiled},
      {"missing file, picture loaded", kMissing, false, 2, false, kTiled},
      {"truncated file", kBroken.Path(), false, 2, false, kTiled},
      {"excluded", kSmall.Path(), true, 0, false, kNothing},
      {"still excluded", kSmall.Path(), true, 0, false, kNothing},
  };
  for (const auto& s : steps) {
    if (s.excluded) SetExclusions({"VORNAL_drag_target.exe"});
    Apply({{"CheckBoxChecked10", 1}}, s.path);
    const LRESULT objects = target_.Send(kLibraryObjects, 1);
    EXPECT_EQ(Live(objects), s.live) << s.what;
    EXPECT_EQ((objects >> 8 & 0xFF) != 0, s.made) << s.what;
    EXPECT_EQ(Erased(kDialog, kSmall), s.shows) << s.what;
  }
  DeleteExclusions();
}

TEST(LibraryLeavingAProcess, GivesBackEveryGdiObjectItMade) {
  WritePictures();
  ResetSettingsKey();
  SetSettingsText("WindowWallpaper", kSmall.Path().c_str());
  SetSettingsText("MDIWallpaper", kMDI.Path().c_str());
  SetSettingsText("TVWallpaper", kLarge.Path().c_str());
  const auto switchAll = [](std::uint32_t on) {
    for (const char* flag : {"CheckBoxChecked10", "CheckBoxChecked11", "CheckBoxChecked13"}) {
      SetSettingsDword(flag, on);
    }
  };
  switchAll(1);
  DragTargetProcess target;  // not hooked: it loads the library itself
  ASSERT_TRUE(target.Ready());
  const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, target.ProcessId());
  const DWORD gdiBefore = GetGuiResources(process, GR_GDIOBJECTS);

  EXPECT_EQ(Live(target.Send(kLoadLibraryHere)), 6) << "three contexts, three pictures";
  switchAll(0);
  EXPECT_EQ(Live(target.Send(kReloadHere, 1)), 0) << "switched off";
  switchAll(1);
  EXPECT_EQ(Live(target.Send(kReloadHere, 100)), 6) << "after a hundred reloads";
  const LRESULT freed = target.Send(kFreeLibraryHere);
  EXPECT_EQ(freed & kStillMapped, 0);
  EXPECT_EQ(Live(freed), 0) << "after the library left";
  EXPECT_EQ(GetGuiResources(process, GR_GDIOBJECTS), gdiBefore);
  CloseHandle(process);
  DeleteSettingsKey();
}

}  // namespace
}  // namespace vornal::test
