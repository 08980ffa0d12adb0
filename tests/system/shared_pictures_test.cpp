// The wallpaper pictures the control program publishes for every hooked
// program: tiled exactly as before, kept when the file changes until the
// next Apply, seen by every program after one Apply, out of the programs'
// reach for writing, and replaced by the files themselves once the control
// program is gone.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "cross_process_names.h"
#include "drag_target_process.h"
#include "installed_hook.h"
#include "test_bitmap.h"
#include "vornal_process.h"
#include "vornal_settings_key.h"
#include "wallpaper_target_protocol.h"

namespace vornal::test {
namespace {

struct Picture {
  int kind, width, height;
};
constexpr Picture kA{0, 37, 23}, kB{1, 45, 31}, kC{2, 29, 41};

std::string PicturePath(const char* name) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + "vornal_shared_" + name + ".bmp";
}

bool Write(const std::string& path, const Picture& p) {
  return WriteTestBitmap(path.c_str(), p.width, p.height, p.kind);
}

// Whether a dialog of the helper shows that picture tiled, every pixel.
bool Shows(const DragTargetProcess& helper, const Picture& p) {
  const LRESULT r = helper.Send(kShowWallpaperWindow, kDialog, PictureRequest(p.kind, p.width, p.height));
  return r != -1 && HIWORD(r) != 0 && LOWORD(r) == HIWORD(r);
}

// The reload runs in the hook after the window procedure has answered;
// the answer to one more message comes after it.
void Reload(const DragTargetProcess& helper) {
  helper.Send(RegisterWindowMessageA(kSettingsUpdatedMessage));
  helper.Send(kLibraryMapped);
}

class SharedPictures : public VornalProcess {
 protected:
  void SetUp() override {
    VornalProcess::SetUp();
    ASSERT_TRUE(Write(path, kA));
    ResetSettingsKey();
    SetSettingsDword(ValueNameOf(Check::WindowsOpening), 0);  // no animation: quicker windows
    SetSettingsDword(ValueNameOf(Check::WindowsClosing), 0);
    SetSettingsDword(ValueNameOf(Check::WindowWallpaper), 1);
    SetSettingsDword(ValueNameOf(Radio::PatchOn), 1);
    SetSettingsText("WindowWallpaper", path.c_str());
  }
  void TearDown() override {
    VornalProcess::TearDown();
    DeleteFileA(path.c_str());
  }

  const std::string path = PicturePath("window");
};

TEST_F(SharedPictures, TiledAsBeforeAndKeptWhenTheFileChangesUntilTheNextApply) {
  DragTargetProcess first;
  ASSERT_TRUE(first.Ready());
  Launch(BesideThisProgram("Vornal.exe"));
  ASSERT_EQ(WindowText(Control(IDC_LabelStatus)), "Patch is running.");
  EXPECT_TRUE(Shows(first, kA)) << "every tile in place, seams included";

  ASSERT_TRUE(Write(path, kB));
  Reload(first);
  EXPECT_TRUE(Shows(first, kA)) << "the picture of the last Apply, not the changed file";
  DragTargetProcess second;
  ASSERT_TRUE(second.Ready());
  EXPECT_TRUE(Shows(second, kA)) << "a program started now gets the published picture too";
  EXPECT_EQ(second.Send(kTryWritingPictures), kSetFound) << "found, and nothing of it writable";

  Click(Control(IDC_ButtonApply));
  EXPECT_TRUE(Shows(first, kB)) << "the next Apply publishes the changed file";
  EXPECT_TRUE(Shows(second, kB));
}

TEST_F(SharedPictures, EveryProgramSeesANewPictureAfterOneApply) {
  DragTargetProcess first, second;
  ASSERT_TRUE(first.Ready() && second.Ready());
  Launch(BesideThisProgram("Vornal.exe"));
  ASSERT_TRUE(Shows(first, kA) && Shows(second, kA));
  const std::string other = PicturePath("other");
  ASSERT_TRUE(Write(other, kC));
  TypeText(Control(IDC_EditWindowWallpaper), other);
  Click(Control(IDC_ButtonApply));
  EXPECT_TRUE(Shows(first, kC));
  EXPECT_TRUE(Shows(second, kC));
  DeleteFileA(other.c_str());
}

TEST_F(SharedPictures, WithTheControlProgramGoneTheLibraryReadsTheFileItself) {
  DragTargetProcess helper;
  ASSERT_TRUE(helper.Ready());
  // The test's own hook keeps the helper hooked once the program is gone.
  InstalledHook hook;
  ASSERT_TRUE(hook.Installed());
  Launch(BesideThisProgram("Vornal.exe"));
  ASSERT_TRUE(Shows(helper, kA));
  ASSERT_TRUE(Write(path, kB));
  PostMessageA(form, WM_COMMAND, IDM_Exit1, 0);
  ASSERT_TRUE(app.HasExited(20000));
  Reload(helper);
  EXPECT_EQ(helper.Send(kTryWritingPictures), 0) << "nothing published any more";
  EXPECT_TRUE(Shows(helper, kB)) << "decoded from the file";
}

}  // namespace
}  // namespace vornal::test
