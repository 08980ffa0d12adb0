// Where the control program sets its hook: on the threads of programs that
// no exclusion keeps out, and nowhere else. Copies of one helper program
// stand in for games and tools in the folders the default exclusions and
// the user's entries name; an excluded copy must never map the library,
// while a copy elsewhere, started before or after the patch goes on, does.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "drag_target_process.h"
#include "placed_folder.h"
#include "program_folder.h"
#include "test_bitmap.h"
#include "wallpaper_target_protocol.h"
#include "vornal_process.h"
#include "vornal_settings_key.h"

namespace vornal::test {
namespace {

// Answers 1 once the helper has mapped the library, within a few seconds.
bool MapsTheLibrary(const DragTargetProcess& copy) {
  return WaitFor([&] { return copy.Send(kLibraryMapped) == 1; }, 10000);
}

class HooksWhereWanted : public VornalProcess {
 protected:
  void SwitchPatchOn() {
    Click(Control(IDC_RadioButton5));
    Click(Control(IDC_ButtonApply));
    ASSERT_EQ(WindowText(Control(IDC_LabelStatus)), "Patch is running.");
  }
};

struct Copy {
  const char* name;
  const char* folder;  // one of the roots below
  const char* path;    // below that root
  bool startedAfterTheApply;
  bool mapsTheLibrary;
};

TEST_F(HooksWhereWanted, ExcludedCopiesNeverMapTheLibraryWhileTheSameProgramElsewhereDoes) {
  // Each root is a folder of its own, so that nothing is left behind; on
  // another drive a Steam library may sit anywhere.
  const std::string unique = std::to_string(GetCurrentProcessId());
  PlacedFolder programFiles("C:\\Program Files\\Steam");
  PlacedFolder programFilesX86("C:\\Program Files (x86)\\Epic Games");
  PlacedFolder gamesAtTheRoot("C:\\Games");
  PlacedFolder tools("C:\\Vornal Tools " + unique);
  PlacedFolder userFolder("C:\\Vornal Private " + unique);
  PlacedFolder otherDrive("Z:\\tmp\\vornal-library-" + unique);
  PlacedFolder* const roots[] = {&programFiles, &programFilesX86, &gamesAtTheRoot, &tools, &userFolder, &otherDrive};
  const char* const rootNames[] = {"steam", "epic", "games", "tools", "private", "other drive"};

  const Copy copies[] = {
      {"a tool, running before the patch", "tools", "tool.exe", false, true},
      {"a Steam game under Program Files", "steam", "steamapps\\common\\Quake\\quake.exe", false, false},
      {"a game in C:\\Games", "games", "Doom\\doom.exe", false, false},
      {"a program the user named", "tools", "secret.exe", false, false},
      {"a Steam library on another drive", "other drive", "SteamLibrary\\steamapps\\common\\Hl\\hl.exe", true,
       false},
      {"a game in a launcher's folder", "epic", "Fortnite\\game.exe", true, false},
      {"a program named as anti-cheat", "tools", "shooter_BE.exe", true, false},
      {"a program in the user's folder pattern", "private", "sub\\private.exe", true, false},
      {"another tool, started after the patch", "tools", "later.exe", true, true},
  };
  // The defaults come with the first start; the user's two entries were
  // there before.
  SetExclusions({"SECRET.EXE", ("?:\\Vornal Private " + unique + "\\*").c_str()});
  Launch();

  auto start = [&](const Copy& copy) {
    PlacedFolder* root = nullptr;
    for (std::size_t i = 0; i < std::size(roots); ++i) {
      if (std::string(rootNames[i]) == copy.folder) root = roots[i];
    }
    return std::make_unique<DragTargetProcess>(root->Place(copy.path).c_str());
  };
  std::vector<std::unique_ptr<DragTargetProcess>> running(std::size(copies));
  for (std::size_t i = 0; i < std::size(copies); ++i) {
    if (!copies[i].startedAfterTheApply) running[i] = start(copies[i]);
  }
  SwitchPatchOn();
  for (std::size_t i = 0; i < std::size(copies); ++i) {
    if (copies[i].startedAfterTheApply) running[i] = start(copies[i]);
  }
  // The copies that map it show that the hooks have reached every copy
  // started before them; the excluded ones have had their messages since.
  for (std::size_t i = 0; i < std::size(copies); ++i) {
    ASSERT_TRUE(running[i]->Ready()) << copies[i].name;
    if (copies[i].mapsTheLibrary) {
      EXPECT_TRUE(MapsTheLibrary(*running[i])) << copies[i].name;
    }
  }
  for (std::size_t i = 0; i < std::size(copies); ++i) {
    if (copies[i].mapsTheLibrary) continue;
    // A hook would have loaded the library after the first of these.
    running[i]->Send(kLibraryMapped);
    EXPECT_EQ(running[i]->Send(kLibraryMapped), 0) << copies[i].name << " mapped the library";
  }
  running.clear();  // the copies end before their folders go
}

// The helper whose very first window is a dialog, shown at once.
class FirstDialogProcess : public HelperProcess {
 public:
  FirstDialogProcess() : HelperProcess("vornal_drag_target.exe", kDragTargetClass, kFirstDialogArgument) {}
  // Whether every pixel of that first window shows the picture tiled.
  bool ShowsTiled(int width, int height) const {
    const LRESULT r = Send(kReadFirstWindow, 0, PictureRequest(0, width, height));
    return r != -1 && HIWORD(r) != 0 && LOWORD(r) == HIWORD(r);
  }
};

TEST_F(HooksWhereWanted, TheFirstWindowOfAProgramGetsItsWallpaperWhetherItStartedBeforeOrAfter) {
  constexpr int kWidth = 37, kHeight = 23;
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string picture = std::string(folder) + "vornal_first_window.bmp";
  ASSERT_TRUE(WriteTestBitmap(picture.c_str(), kWidth, kHeight, 0));
  ResetSettingsKey();
  SetSettingsDword(ValueNameOf(Check::WindowsOpening), 0);
  SetSettingsDword(ValueNameOf(Check::WindowsClosing), 0);
  SetSettingsDword(ValueNameOf(Check::WindowWallpaper), 1);
  SetSettingsText("WindowWallpaper", picture.c_str());

  // Shown and painted before any hook: it gets one more paint once its
  // thread is hooked.
  FirstDialogProcess before;
  ASSERT_TRUE(before.Ready());
  Launch();
  EXPECT_FALSE(before.ShowsTiled(kWidth, kHeight)) << "no patch yet";
  SwitchPatchOn();
  EXPECT_TRUE(WaitFor([&] { return before.ShowsTiled(kWidth, kHeight); }, 10000)) << "started before the patch";

  FirstDialogProcess after;
  ASSERT_TRUE(after.Ready());
  EXPECT_TRUE(WaitFor([&] { return after.ShowsTiled(kWidth, kHeight); }, 10000)) << "started after the patch";
  DeleteFileA(picture.c_str());
}

}  // namespace
}  // namespace vornal::test
