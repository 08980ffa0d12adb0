// Faults: windows closed from another thread during an animation, a hooked
// program killed during one, the control program killed while the patch
// runs, a damaged library, and the settings key deleted or made unreadable
// while programs reload. Nothing may crash, and what the user sees has to
// be the documented fallback.
#include <windows.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "animation_target_protocol.h"
#include "bundle_folder.h"
#include "churn_protocol.h"
#include "cross_process_names.h"
#include "drag_target_process.h"
#include "expected_texts.h"
#include "installed_hook.h"
#include "reliability_support.h"
#include "vornal_process.h"
#include "vornal_settings_key.h"

namespace vornal::test {
namespace {

const LRESULT kOpaque = EncodeDragState(false, -1);
const LRESULT kDragged = EncodeDragState(true, 200);

// The library arrives with the first hooked message, after the window
// procedure has answered it: the second question sees it.
bool Hooked(const DragTargetProcess& target) {
  target.Send(kLibraryMapped);
  return target.Send(kLibraryMapped) == 1;
}

LRESULT Drag(const DragTargetProcess& target) {
  const LRESULT moving = target.BeginDrag(600, 400);
  target.EndDrag();
  return moving;
}

TEST(Faults, AWindowClosedFromAnotherThreadDuringItsAnimation) {
  ResetSettingsKey();
  SetSettingsDword(ValueNameOf(Spin::OpenDuration), 300);  // an opening long enough to close it during
  DragTargetProcess target;
  InstalledHook hook;
  ASSERT_TRUE(target.Ready() && hook.Installed());
  ASSERT_TRUE(Hooked(target));
  const LRESULT objects = target.Send(kLibraryObjects);
  const RunFor run(3, 0.05);
  for (int i = 0; run.More(i); ++i) {
    EXPECT_EQ(target.Send(kCloseDuringAnimation), 1) << "round " << i;
  }
  EXPECT_EQ(target.Send(kLibraryObjects), objects) << "every screen DC of the boxes went back";
  EXPECT_EQ(Drag(target), kDragged) << "the helper still works";
}

TEST(Faults, AHookedProgramKilledDuringAnAnimation) {
  ResetSettingsKey();
  SetSettingsDword(ValueNameOf(Spin::OpenDuration), 2000);
  DragTargetProcess victim, neighbour;
  InstalledHook hook;
  ASSERT_TRUE(victim.Ready() && neighbour.Ready() && hook.Installed());
  const RunFor run(2, 0.05);
  for (int i = 0; run.More(i); ++i) {
    DragTargetProcess* v = i == 0 ? &victim : nullptr;
    std::unique_ptr<DragTargetProcess> fresh;
    if (v == nullptr) {
      fresh = std::make_unique<DragTargetProcess>();
      v = fresh.get();
    }
    ASSERT_TRUE(Hooked(*v));
    ASSERT_TRUE(v->Post(kTimedShow));
    Sleep(300);  // in the middle of its two seconds
    v->Kill();
    EXPECT_EQ(Drag(neighbour), kDragged) << "round " << i << ": the neighbour still works";
  }
}

// Access to a key of the current user, given and taken back with its DACL,
// as an administrator or another program could.
bool SetKeyAccess(const char* path, const char* sddl) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, WRITE_DAC, &key) != ERROR_SUCCESS) return false;
  PSECURITY_DESCRIPTOR sd = nullptr;
  bool ok = ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd, nullptr) &&
            RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd) == ERROR_SUCCESS;
  LocalFree(sd);
  RegCloseKey(key);
  return ok;
}
constexpr char kNoReading[] = "D:(D;;KR;;;WD)(A;;KA;;;WD)";
constexpr char kEveryone[] = "D:(A;;KA;;;WD)";

TEST(Faults, SettingsDeletedOrUnreadableWhileProgramsReload) {
  DragTargetProcess target;
  InstalledHook hook;
  ASSERT_TRUE(target.Ready() && hook.Installed());
  const UINT updated = RegisterWindowMessageA(kSettingsUpdatedMessage);
  // Each arrangement starts from the key as stored, with dragging on (its
  // default is off); false when it could not be made.
  struct Case {
    const char* what;
    bool (*arrange)();
    LRESULT drag;
  };
  const Case cases[] = {
      {"the key as stored", [] { return true; }, kDragged},
      {"the key deleted", [] { return DeleteSettingsKey(), true; }, kOpaque},
      {"the key unreadable", [] { return SetKeyAccess("Software\\Vornal", kNoReading); }, kOpaque},
      {"the exclusions unreadable (the program named there stays enabled)",
       [] {
         SetExclusions({"vornal_drag_target.exe"});
         return SetKeyAccess("Software\\Vornal\\Exclusions", kNoReading);
       },
       kDragged},
      {"ProgramVer not a text", [] { return SetSettingsDword("ProgramVer", 143), true; }, kOpaque},
  };
  for (const Case& c : cases) {
    ResetSettingsKey();
    ASSERT_TRUE(c.arrange()) << c.what;
    target.Send(updated);
    EXPECT_EQ(Drag(target), c.drag) << c.what;
    SetKeyAccess("Software\\Vornal\\Exclusions", kEveryone);
    SetKeyAccess("Software\\Vornal", kEveryone);
  }

  // And all of it again and again while the program reloads on every
  // broadcast: it has to come out of the storm answering and right.
  ResetSettingsKey();
  std::atomic<bool> stop{false};
  std::atomic<long> changes{0};
  std::thread vandal([&] {
    for (std::uint32_t i = 0; !stop.load(); ++i, ++changes) {
      const Case& c = cases[i % std::size(cases)];
      ResetSettingsKey();
      c.arrange();
      SetKeyAccess("Software\\Vornal\\Exclusions", kEveryone);
      SetKeyAccess("Software\\Vornal", kEveryone);
    }
  });
  long reloads = 0;
  const RunFor run(0, 0.1);
  const ULONGLONG end = GetTickCount64() + (run.Milliseconds() != 0 ? run.Milliseconds() : 10000);
  while (GetTickCount64() < end) {
    for (int i = 0; i < 10; ++i, ++reloads) SendNotifyMessageA(HWND_BROADCAST, updated, 0, 0);
    ASSERT_NE(target.Send(kLibraryMapped, 0, 0, 10000), -1) << "the program answers";
  }
  stop = true;
  vandal.join();
  ResetSettingsKey();
  target.Send(updated);
  EXPECT_EQ(Drag(target), kDragged) << "right again after the storm";
  std::printf("faults: %ld changes of the settings key (deleted, unreadable, wrong types) during %ld "
              "reload broadcasts, survived\n", changes.load(), reloads);
}

class ControlProgramFaults : public VornalProcess {};

TEST_F(ControlProgramFaults, KilledWhileThePatchRunsAndANewCopyTakesOver) {
  ResetSettingsKey();
  SetSettingsDword(ValueNameOf(Radio::PatchOn), 1);
  DragTargetProcess target;
  ASSERT_TRUE(target.Ready());
  Launch(BesideThisProgram("Vornal.exe"));
  ASSERT_EQ(WindowText(Control(IDC_LabelStatus)), "Patch is running.");
  ASSERT_EQ(Drag(target), kDragged);

  app.Kill();
  // Windows removes the hook with the killed program's thread; Wine keeps
  // it. Either way the hooked program goes on working.
  const LRESULT afterKill = Drag(target);
  EXPECT_TRUE(afterKill == kDragged || afterKill == kOpaque) << afterKill;
  EXPECT_EQ(target.Send(kLibraryMapped), 1) << "and answers";

  Launch(BesideThisProgram("Vornal.exe"));
  EXPECT_EQ(WindowText(Control(IDC_LabelStatus)), "Patch is running.") << "the new copy took over";
  EXPECT_EQ(Drag(target), kDragged);
}

TEST_F(ControlProgramFaults, ADamagedLibraryGivesTheStartErrorAndNothingRuns) {
  std::ifstream lib(BesideThisProgram("VornalLib.dll"), std::ios::binary);
  const std::string whole((std::istreambuf_iterator<char>(lib)), std::istreambuf_iterator<char>());
  ASSERT_GT(whole.size(), 8192u);
  std::ifstream other(BesideThisProgram("vornal_no_exports.dll"), std::ios::binary);
  const std::string noExports((std::istreambuf_iterator<char>(other)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(noExports.empty());
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"truncated", whole.substr(0, 4096)},
      {"cut before its end", whole.substr(0, whole.size() - 2048)},
      {"a library without the exports", noExports},
      {"text", "This is not a library.\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ForgetEverythingVornalStored();
    BundleFolder folder({"Vornal.exe"});
    ASSERT_TRUE(folder.Add("VornalLib.dll", c.bytes));
    Launch(folder.Path("Vornal.exe"));
    Click(Control(IDC_RadioButton5));
    std::string error;
    ASSERT_NO_FATAL_FAILURE(ApplyThroughTheStartError(&error));
    EXPECT_EQ(error, kExpectedStartError);
    EXPECT_EQ(WindowText(Control(IDC_LabelStatus)), "Patch is not running.");
    PostMessageA(form, WM_COMMAND, IDM_Exit1, 0);
    EXPECT_TRUE(app.HasExited(20000));
    EXPECT_EQ(app.ExitCode(), 0u) << "ended normally, no crash";
    form = nullptr;
  }
}

}  // namespace
}  // namespace vornal::test
