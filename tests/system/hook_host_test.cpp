// The 64-bit program with its host for the 32-bit programs, where only
// 64-bit code runs: the host is the x86_64 build of the same source and the
// second library a 64-bit build under the 32-bit name (both in
// bin/host-x64), copied with the program into a folder of their own.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "broadcast_counter.h"
#include "bundle_folder.h"
#include "drag_target_process.h"
#include "handle_count.h"
#include "helper_process.h"
#include "hook/hook_host.h"
#include "placed_folder.h"
#include "vornal_settings_key.h"
#include "stand_in_shell_protocol.h"
#include "vornal_process.h"

namespace vornal::test {
namespace {

constexpr char kHost[] = "VornalHost32.exe";
// What the 64-bit release holds, in the stand-ins that run here.
const std::initializer_list<const char*> kRelease = {
    "Vornal.exe", "VornalLib.dll", "host-x64/VornalHost32.exe", "host-x64/VornalLib32.dll"};
const LRESULT kOpaque = EncodeDragState(false, -1);
const LRESULT kDragged = EncodeDragState(true, 200);

bool NoHostLeft() {
  return WaitFor([] { return CountProcesses(kHost) == 0; });
}

// What a drag of a window of the helper shows: the state while it moves.
LRESULT Drag(const DragTargetProcess& target) {
  const LRESULT moving = target.BeginDrag(1024, 512);
  target.EndDrag();
  return moving;
}

class HookHostProtocol : public VornalProcess {
 protected:
  void SetUp() override {
    VornalProcess::SetUp();
    ASSERT_EQ(CountProcesses(kHost), 0) << "an earlier host is still running";
  }

  void TearDown() override {
    VornalProcess::TearDown();
    if (!NoHostLeft()) {
      ADD_FAILURE() << "no host outlives its program";
      KillProcesses(kHost);
    }
  }

  // Starts the program from a folder of its own holding these files.
  void Launch(std::initializer_list<const char*> files) {
    folder_ = std::make_unique<BundleFolder>(files);
    ASSERT_TRUE(folder_->Ready());
    VornalProcess::Launch(folder_->Path("Vornal.exe"));
  }

  void SwitchPatch(bool on) {
    Click(Control(on ? IDC_RadioButton5 : IDC_RadioButton6));
    Click(Control(IDC_ButtonApply));
  }

  std::string Status() const { return WindowText(Control(IDC_LabelStatus)); }
  std::string Reach() const { return WindowText(Control(IDC_LabelReach)); }

 private:
  std::unique_ptr<BundleFolder> folder_;  // outlives the program
};

TEST_F(HookHostProtocol, TheHostRunsExactlyWhileThePatchIsOn) {
  DragTargetProcess target;
  ASSERT_TRUE(target.Ready());
  Launch(kRelease);
  EXPECT_EQ(CountProcesses(kHost), 0) << "the patch is off";
  EXPECT_EQ(Reach(), "");

  Click(Control(IDC_CheckBox9));  // "&Make transparent when dragging:"
  SwitchPatch(true);
  EXPECT_EQ(Status(), "Patch is running.");
  EXPECT_EQ(Reach(), "For 64-bit and 32-bit programs.");
  EXPECT_EQ(CountProcesses(kHost), 1);
  EXPECT_EQ(Drag(target), kDragged);
  EXPECT_EQ(target.Send(kLibraryMapped, kSecondLibrary), 1) << "the host's library reached the helper";
  Click(Control(IDC_ButtonApply));
  EXPECT_EQ(CountProcesses(kHost), 1) << "an Apply keeps the one host";

  SwitchPatch(false);
  EXPECT_TRUE(NoHostLeft()) << "the switch went off";
  EXPECT_EQ(Status(), "Patch is not running.");
  EXPECT_EQ(Reach(), "");
  EXPECT_EQ(Drag(target), kOpaque) << "no hook is left";

  SwitchPatch(true);
  EXPECT_EQ(CountProcesses(kHost), 1);
  SendMessageTimeoutA(form, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 20000, nullptr);
  EXPECT_TRUE(NoHostLeft()) << "log-off ends the host";

  SwitchPatch(true);
  EXPECT_EQ(CountProcesses(kHost), 1);
  PostMessageA(form, WM_COMMAND, IDM_Exit1, 0);
  ASSERT_TRUE(app.HasExited(20000));
  EXPECT_TRUE(NoHostLeft()) << "Exit ends the host";
  EXPECT_EQ(Drag(target), kOpaque) << "no hook is left after Exit";
}

TEST_F(HookHostProtocol, AnExcludedProgramMapsNeitherLibraryWhileItsNeighbourMapsBoth) {
  // The host reads the exclusions itself; the user's entry and a default.
  SetExclusions({"keptout.exe"});
  PlacedFolder games("C:\\Games");
  PlacedFolder tools("C:\\Vornal Host Tools " + std::to_string(GetCurrentProcessId()));
  DragTargetProcess before(games.Place("Quake\\quake.exe").c_str());
  ASSERT_TRUE(before.Ready());
  Launch(kRelease);
  SwitchPatch(true);
  ASSERT_EQ(Reach(), "For 64-bit and 32-bit programs.");
  DragTargetProcess keptOut(tools.Place("keptout.exe").c_str());
  DragTargetProcess neighbour(tools.Place("neighbour.exe").c_str());
  ASSERT_TRUE(keptOut.Ready() && neighbour.Ready());
  EXPECT_TRUE(WaitFor([&] { return neighbour.Send(kLibraryMapped) == 1; }, 10000)) << "the program's own";
  EXPECT_TRUE(WaitFor([&] { return neighbour.Send(kLibraryMapped, kSecondLibrary) == 1; }, 10000))
      << "the host's";
  const struct {
    const char* name;
    const DragTargetProcess& copy;
  } excluded[] = {{"started before, in C:\\Games", before}, {"named by the user", keptOut}};
  for (const auto& e : excluded) {
    e.copy.Send(kLibraryMapped);
    EXPECT_EQ(e.copy.Send(kLibraryMapped), 0) << e.name << ": the program's own library";
    EXPECT_EQ(e.copy.Send(kLibraryMapped, kSecondLibrary), 0) << e.name << ": the host's library";
  }
}

DWORD HostProcessId() {
  DWORD id = 0;
  ForEachProcess(kHost, [&](DWORD found) { id = found; });
  return id;
}

TEST_F(HookHostProtocol, ProgramsStartingAndEndingLeaveNoHookOrHandleBehind) {
  constexpr int kStarts = 200;
  // The hooks are forgotten within two seconds of a thread's end.
  constexpr DWORD kForgottenMs = 5000;
  Launch(kRelease);
  SwitchPatch(true);
  const DWORD host = HostProcessId();
  ASSERT_NE(host, 0u);
  // The first starts fill caches of the system's own for good.
  for (int i = 0; i < 3; ++i) DragTargetProcess warmUp;
  Sleep(kForgottenMs);
  const DWORD programBefore = HandleCountOf(app.ProcessId()), hostBefore = HandleCountOf(host);
  ASSERT_NE(programBefore, 0u) << "the handles of another process cannot be counted here";
  // Now and then Wine fails a process start here (CreateProcess gives
  // ERROR_INTERNAL_ERROR) before any of our code runs in it; such a start
  // is counted apart and tried no further.
  int bothMapped = 0, unstarted = 0;
  const ULONGLONG start = GetTickCount64();
  for (int i = 0; i < kStarts; ++i) {
    DragTargetProcess program("vornal_drag_target.exe", false);
    if (!program.Ready()) {
      ++unstarted;
      Sleep(500);
      continue;
    }
    bothMapped += WaitFor([&] { return program.Send(kLibraryMapped) == 1; }, 10000) &&
                  WaitFor([&] { return program.Send(kLibraryMapped, kSecondLibrary) == 1; }, 10000);
  }
  const double seconds = (GetTickCount64() - start) / 1000.0;
  Sleep(kForgottenMs);
  const DWORD programAfter = HandleCountOf(app.ProcessId()), hostAfter = HandleCountOf(host);
  std::printf("[ figures  ] %d program starts and ends in %.1f s (%d would not start): both libraries mapped "
              "in %d; handles of Vornal.exe %lu before, %lu after; of the host %lu before, %lu after\n",
              kStarts, seconds, unstarted, bothMapped, programBefore, programAfter, hostBefore, hostAfter);
  EXPECT_EQ(bothMapped, kStarts - unstarted) << "each start hooked by both";
  EXPECT_LE(unstarted, kStarts / 20) << "starts that failed";
  // A handle or two may come and go with the system's own work.
  EXPECT_LE(programAfter, programBefore + 2);
  EXPECT_LE(hostAfter, hostBefore + 2);
}

TEST_F(HookHostProtocol, AKilledProgramTakesTheHostAndItsHookWithIt) {
  // Without the program's own library only the host's hook runs; what the
  // helper shows is the host's doing.
  DragTargetProcess target;
  ASSERT_TRUE(target.Ready());
  Launch({"Vornal.exe", "host-x64/VornalHost32.exe", "host-x64/VornalLib32.dll"});
  Click(Control(IDC_CheckBox9));
  Click(Control(IDC_RadioButton5));
  ApplyThroughTheStartError();
  EXPECT_EQ(Status(), "Patch is running.");
  EXPECT_EQ(Reach(), "Only for 32-bit programs: VornalLib.dll failed.");
  EXPECT_EQ(Drag(target), kDragged);
  EXPECT_EQ(target.Send(kLibraryMapped), 0);

  // The program's one broadcast reloads the host's library too.
  TypeText(Control(IDC_SpinEdit13), "150");
  ApplyThroughTheStartError();
  EXPECT_EQ(Drag(target), EncodeDragState(true, 150));

  app.Kill();
  form = nullptr;
  EXPECT_TRUE(NoHostLeft()) << "the host saw its program end";
  EXPECT_EQ(Drag(target), kOpaque) << "and removed its hook";
}

TEST_F(HookHostProtocol, AHostWhoseLibraryFailsGivesTheStartError) {
  Launch({"Vornal.exe", "VornalLib.dll", "host-x64/VornalHost32.exe"});
  Click(Control(IDC_RadioButton5));
  ApplyThroughTheStartError();
  EXPECT_EQ(Status(), "Patch is running.") << "the program's own hook runs";
  EXPECT_EQ(Reach(), "Not for 32-bit programs: VornalHost32.exe failed.");
  EXPECT_EQ(CountProcesses(kHost), 0);
  SwitchPatch(false);
  EXPECT_EQ(ErrorBox(), nullptr);
  EXPECT_EQ(Status(), "Patch is not running.");
  EXPECT_EQ(Reach(), "");
}

TEST_F(HookHostProtocol, HookedProgramsAnswerWhileTheDialogSitsInAMessageBox) {
  DragTargetProcess target;
  ASSERT_TRUE(target.Ready());
  Launch(kRelease);
  SwitchPatch(true);
  ASSERT_EQ(target.Send(kLibraryMapped), 1);
  ASSERT_EQ(target.Send(kLibraryMapped, kSecondLibrary), 1);

  ClickLater(Control(IDC_ButtonUnload));  // "Are you sure you want to quit Vornal?"
  HWND box = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (box = app.FindTopLevel("#32770", "Confirm")) != nullptr; }));
  std::vector<DWORD> answerMs;
  for (int i = 0; i < 50; ++i) {
    const DWORD start = GetTickCount();
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(FindWindowA(kDragTargetClass, nullptr), kLibraryMapped, 0, 0,
                                    SMTO_NORMAL, 2000, &answer))
        << "a hooked program answered no sent message within 2 s";
    answerMs.push_back(GetTickCount() - start);
  }
  std::sort(answerMs.begin(), answerMs.end());
  std::printf("hooked program, dialog in a message box: 50 sent messages answered in %lu ms "
              "(median), %lu ms (slowest)\n", answerMs[answerMs.size() / 2], answerMs.back());
  PostMessageA(box, WM_COMMAND, IDNO, 0);
  EXPECT_TRUE(WaitFor([&] { return app.FindTopLevel("#32770", "Confirm") == nullptr; }));
}

TEST_F(HookHostProtocol, WithoutThirtyTwoBitCodeTheStatusSaysSoAndExitNudgesEveryWindow) {
  if (SystemRuns32BitPrograms(SystemWow64Folder())) GTEST_SKIP() << "this Wine runs 32-bit programs";
  HelperProcess frozen("vornal_stand_in_shell.exe", kStandInControlClass, kOrdinaryMode);
  ASSERT_TRUE(frozen.Ready());
  frozen.Send(kHang, 0);
  PostedNullCounter counter;
  // The build's own folder holds no host.
  VornalProcess::Launch(BesideThisProgram("Vornal.exe"));
  SwitchPatch(true);
  EXPECT_EQ(ErrorBox(), nullptr);
  EXPECT_EQ(Status(), "Patch is running.");
  EXPECT_EQ(Reach(), "For 64-bit programs; this system runs no 32-bit ones.");
  Click(Control(IDC_ButtonApply));
  EXPECT_EQ(ErrorBox(), nullptr) << "said once, never as an error";

  const int before = counter.Count();
  PostMessageA(form, WM_COMMAND, IDM_Exit1, 0);
  EXPECT_TRUE(app.HasExited(15000)) << "a frozen window holds no Exit";
  EXPECT_TRUE(WaitFor([&] { return counter.Count() > before; }, 5000))
      << "every top-level window gets a message after the unhook";
  frozen.Kill();
}

}  // namespace
}  // namespace vornal::test
