// Settings reach a running process only through the settings-updated
// message, and the exclusion list is decided again on each of them.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "library_under_test.h"
#include "test_windows.h"
#include "vornal_settings_key.h"

namespace vornal::test {
namespace {

class SettingsReload : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsKey();
    Reload();
  }
  void TearDown() override {
    DeleteExclusions();
    Reload();
  }

  // 200 by default; -1 when the window did not become transparent.
  static int DragAlpha() {
    TestWindow window = TestWindow::TopLevel(500, 300);
    Deliver(WM_MOVING, window.Handle());
    const int alpha = window.Alpha();
    Deliver(WM_EXITSIZEMOVE, window.Handle());
    return alpha;
  }

  static std::string UpperCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
  }
  // This executable's file name, in upper case.
  static std::string OwnNameUpper() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, n);
    name.erase(0, name.find_last_of('\\') + 1);
    return UpperCase(name);
  }
};

TEST_F(SettingsReload, TheNextDragUsesTheReloadedSettings) {
  EXPECT_EQ(DragAlpha(), 200);
  SetSettingsDword(ValueNameOf(Spin::DragOpacity), 90);
  EXPECT_EQ(DragAlpha(), 200) << "the registry is read only on the message";
  Reload();
  EXPECT_EQ(DragAlpha(), 90);
}

TEST_F(SettingsReload, AProcessReadsTheSettingsOncePerGenerationHoweverManyWindowsItReaches) {
  // Each step delivers the broadcast to fifty windows of this process; the
  // opacity stored before it tells whether any of them reloaded.
  std::vector<TestWindow> windows;
  for (int i = 0; i < 50; ++i) windows.push_back(TestWindow::TopLevel(200, 100));
  const struct {
    const char* name;
    WPARAM generation;
    int storedBefore;
    int alphaAfter;
  } steps[] = {
      {"a new apply", 7, 90, 90},
      {"the same apply again", 7, 120, 90},
      {"the next apply", 8, 130, 130},
      {"an older sender, no generation", 0, 140, 140},
      {"an older sender again", 0, 150, 150},
  };
  for (const auto& step : steps) {
    SetSettingsDword(ValueNameOf(Spin::DragOpacity), step.storedBefore);
    for (const TestWindow& window : windows) {
      Deliver(SettingsUpdatedMessage(), window.Handle(), 0, step.generation);
    }
    EXPECT_EQ(DragAlpha(), step.alphaAfter) << step.name;
  }
}

TEST_F(SettingsReload, AReloadDuringAMoveStillRestoresTheWindow) {
  TestWindow window = TestWindow::TopLevel(500, 300);
  Deliver(WM_MOVING, window.Handle());
  SetSettingsDword(ValueNameOf(Check::TransparentDragging), 0);
  SetSettingsDword(ValueNameOf(Spin::DragOpacity), 90);
  Reload();
  EXPECT_EQ(window.Alpha(), 200);
  Deliver(WM_EXITSIZEMOVE, window.Handle());
  EXPECT_FALSE(window.IsLayered());
}

TEST_F(SettingsReload, AnExcludedProgramGetsNoEffectUntilItLeavesTheList) {
  const std::string own = OwnNameUpper();
  ASSERT_FALSE(own.empty());
  // Names in no particular order, as a hand-edited key may hold them; the
  // program's own name in upper case (the list is matched ignoring case).
  SetExclusions({"zeta.exe", own.c_str(), "Alpha.exe", "a-b.exe", "notepad.exe", "_first.exe",
                 "MIXED.Exe", "b.exe"});
  Reload();
  EXPECT_EQ(DragAlpha(), -1);

  // The reload runs in the excluded process too, so leaving the list works.
  SetExclusions({"zeta.exe", "Alpha.exe", "notepad.exe"});
  Reload();
  EXPECT_EQ(DragAlpha(), 200);

  SetExclusions({own.c_str()});
  Reload();
  EXPECT_EQ(DragAlpha(), -1) << "a list of one";
  DeleteExclusions();
  Reload();
  EXPECT_EQ(DragAlpha(), 200);
}

TEST_F(SettingsReload, APatternExcludesByTheWholePathOfTheProgram) {
  char path[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 3u);
  const std::string own(path);
  const std::string folder = own.substr(0, own.rfind('\\'));
  const std::string folderName = folder.substr(folder.rfind('\\') + 1);
  // The path with its drive letter left open.
  const auto anyDrive = [](std::string p) {
    p[0] = '?';
    return p;
  };
  struct Row {
    const char* name;
    std::string entry;
    int alpha;  // -1: excluded
  };
  const Row rows[] = {
      {"its folder on any drive", anyDrive(folder + "\\*"), -1},
      {"any folder of its folder's name, another case", std::string("*\\").append(UpperCase(folderName)).append("\\*"), -1},
      {"its whole path on any drive", anyDrive(own), -1},
      {"another folder", "?:\\elsewhere\\*", 200},
      {"its folder as a file name does nothing", folderName, 200},
  };
  for (const Row& row : rows) {
    SetExclusions({row.entry.c_str()});
    Reload();
    EXPECT_EQ(DragAlpha(), row.alpha) << row.name << ": " << row.entry;
  }
  DeleteExclusions();
}

TEST_F(SettingsReload, TheListIsSearchedInTheSystemsOrderWhateverOrderTheRegistryLists) {
  // The system's case-insensitive order passes over apostrophes, so these
  // names come after this program's name there, while the registry may
  // list them first (Wine lists by character code). Searched in the listed
  // order, the binary search would go left of this program's name and miss
  // it.
  const std::string own = OwnNameUpper();
  SetExclusions({"'zz1.exe", "'zz2.exe", "'zz3.exe", "'zz4.exe", "'zz5.exe", "'zz6.exe",
                 "'zz7.exe", own.c_str()});
  Reload();
  EXPECT_EQ(DragAlpha(), -1);
}

TEST_F(SettingsReload, ExclusionsCountOnlyWithUsableSettings) {
  SetExclusions({OwnNameUpper().c_str()});
  // A stored value of the wrong type ends the read before the exclusions.
  SetSettingsDword(ValueNameOf(Check::TransparentDragging), 1);
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Vornal", 0, KEY_SET_VALUE, &key),
            ERROR_SUCCESS);
  const char text[] = "x";
  RegSetValueExA(key, ValueNameOf(Radio::DragDialogsOnly).c_str(), 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(text),
                 sizeof text);
  RegCloseKey(key);
  Reload();
  EXPECT_EQ(DragAlpha(), 200) << "transparent dragging was read, the exclusion list was not";
}

}  // namespace
}  // namespace vornal::test
