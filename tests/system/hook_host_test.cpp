// The 64-bit program with its host for the 32-bit programs, where only
// 64-bit code runs: the host is the x86_64 build of the same source and the
// second library a 64-bit build under the 32-bit name (both in
// bin/host-x64), copied with the program into a folder of their own.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "bundle_folder.h"
#include "drag_target_process.h"
#include "helper_process.h"
#include "stand_in_shell_protocol.h"
#include "vornal_process.h"

namespace vornal::test {
namespace {

constexpr char kHost[] = "VornalHost32.exe";
const LRESULT kOpaque = EncodeDragState(false, -1);
const LRESULT kDragged = EncodeDragState(true, 200);

class HookHostProtocol : public VornalProcess {
 protected:
  void SetUp() override {
    VornalProcess::SetUp();
    ASSERT_EQ(CountProcesses(kHost), 0) << "an earlier host is still running";
  }

  void TearDown() override {
    VornalProcess::TearDown();
    if (!WaitFor([] { return CountProcesses(kHost) == 0; })) {
      ADD_FAILURE() << "no host outlives its program";
      KillProcesses(kHost);
    }
  }

  void Launch(const BundleFolder& folder) {
    ASSERT_TRUE(folder.Ready());
    VornalProcess::Launch(folder.Path("Vornal.exe"));
  }

  void SwitchPatch(bool on) {
    Click(Control(on ? IDC_RadioButton5 : IDC_RadioButton6));
    Click(Control(IDC_ButtonApply));
  }

  // Applies where one side fails to start: the start error comes once.
  void ApplyThroughTheStartError() {
    ClickLater(Control(IDC_ButtonApply));
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = ErrorBox()) != nullptr; }));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return ErrorBox() == nullptr && IsWindowEnabled(form); }));
  }

  std::string Status() const { return WindowText(Control(IDC_LabelStatus)); }
  std::string Reach() const { return WindowText(Control(IDC_LabelReach)); }
};

TEST_F(HookHostProtocol, TheHostRunsExactlyWhileThePatchIsOn) {
  const BundleFolder folder({"Vornal.exe", "VornalLib.dll", "host-x64/VornalHost32.exe",
                             "host-x64/VornalLib32.dll"});
  DragTargetProcess target;
  ASSERT_TRUE(target.Ready());
  Launch(folder);
  EXPECT_EQ(CountProcesses(kHost), 0) << "the patch is off";
  EXPECT_EQ(Reach(), "");

  Click(Control(IDC_CheckBox9));  // "&Make transparent when dragging:"
  SwitchPatch(true);
  EXPECT_EQ(Status(), "Patch is running.");
  EXPECT_EQ(Reach(), "For 64-bit and 32-bit programs.");
  EXPECT_EQ(CountProcesses(kHost), 1);
  EXPECT_EQ(target.BeginDrag(1024, 512), kDragged);
  target.EndDrag();
  EXPECT_EQ(target.Send(kLibraryMapped, kSecondLibrary), 1) << "the host's library reached the helper";
  Click(Control(IDC_ButtonApply));
  EXPECT_EQ(CountProcesses(kHost), 1) << "an Apply keeps the one host";

  SwitchPatch(false);
  EXPECT_TRUE(WaitFor([] { return CountProcesses(kHost) == 0; })) << "the switch went off";
  EXPECT_EQ(Status(), "Patch is not running.");
  EXPECT_EQ(Reach(), "");
  EXPECT_EQ(target.BeginDrag(1024, 512), kOpaque) << "no hook is left";
  target.EndDrag();

  SwitchPatch(true);
  EXPECT_EQ(CountProcesses(kHost), 1);
  SendMessageTimeoutA(form, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 20000, nullptr);
  EXPECT_TRUE(WaitFor([] { return CountProcesses(kHost) == 0; })) << "log-off ends the host";

  SwitchPatch(true);
  EXPECT_EQ(CountProcesses(kHost), 1);
  PostMessageA(form, WM_COMMAND, IDM_Exit1, 0);
  ASSERT_TRUE(app.HasExited(20000));
  EXPECT_TRUE(WaitFor([] { return CountProcesses(kHost) == 0; })) << "Exit ends the host";
  EXPECT_EQ(target.BeginDrag(1024, 512), kOpaque) << "no hook is left after Exit";
  target.EndDrag();
}

TEST_F(HookHostProtocol, AKilledProgramTakesTheHostAndItsHookWithIt) {
  // Without the program's own library only the host's hook runs; what the
  // helper shows is the host's doing.
  const BundleFolder folder({"Vornal.exe", "host-x64/VornalHost32.exe", "host-x64/VornalLib32.dll"});
  DragTargetProcess target;
  ASSERT_TRUE(target.Ready());
  Launch(folder);
  Click(Control(IDC_CheckBox9));
  Click(Control(IDC_RadioButton5));
  ApplyThroughTheStartError();
  EXPECT_EQ(Status(), "Patch is running.");
  EXPECT_EQ(Reach(), "Only for 32-bit programs: VornalLib.dll failed.");
  EXPECT_EQ(target.BeginDrag(1024, 512), kDragged);
  target.EndDrag();
  EXPECT_EQ(target.Send(kLibraryMapped), 0);

  // The program's one broadcast reloads the host's library too.
  TypeText(Control(IDC_SpinEdit13), "150");
  ApplyThroughTheStartError();
  EXPECT_EQ(target.BeginDrag(1024, 512), EncodeDragState(true, 150));
  target.EndDrag();

  app.Kill();
  form = nullptr;
  EXPECT_TRUE(WaitFor([] { return CountProcesses(kHost) == 0; })) << "the host saw its program end";
  EXPECT_EQ(target.BeginDrag(1024, 512), kOpaque) << "and removed its hook";
  target.EndDrag();
}

TEST_F(HookHostProtocol, AHostWhoseLibraryFailsGivesTheStartError) {
  const BundleFolder folder({"Vornal.exe", "VornalLib.dll", "host-x64/VornalHost32.exe"});
  Launch(folder);
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
  const BundleFolder folder({"Vornal.exe", "VornalLib.dll", "host-x64/VornalHost32.exe",
                             "host-x64/VornalLib32.dll"});
  DragTargetProcess target;
  ASSERT_TRUE(target.Ready());
  Launch(folder);
  SwitchPatch(true);
  ASSERT_EQ(target.Send(kLibraryMapped), 1);
  ASSERT_EQ(target.Send(kLibraryMapped, kSecondLibrary), 1);

  ClickLater(Control(IDC_ButtonUnload));  // "Are you sure you want to quit Vornal?"
  HWND box = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (box = app.FindTopLevel("#32770", "Confirm")) != nullptr; }));
  DWORD worstMs = 0;
  for (int i = 0; i < 50; ++i) {
    const DWORD start = GetTickCount();
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(FindWindowA(kDragTargetClass, nullptr), kLibraryMapped, 0, 0,
                                    SMTO_NORMAL, 2000, &answer))
        << "a hooked program answered no sent message within 2 s";
    worstMs = std::max(worstMs, GetTickCount() - start);
  }
  std::printf("hooked program, dialog in a message box: slowest of 50 answers %lu ms\n", worstMs);
  PostMessageA(box, WM_COMMAND, IDNO, 0);
  EXPECT_TRUE(WaitFor([&] { return app.FindTopLevel("#32770", "Confirm") == nullptr; }));
}

// Counts the WM_NULL messages posted (not sent) to a top-level window of
// this thread.
class PostedNullCounter {
 public:
  PostedNullCounter() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VornalTestPostedNullCounter";
    RegisterClassA(&wc);
    window_ = CreateWindowA(wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                            wc.hInstance, nullptr);
    count_ = 0;
  }
  ~PostedNullCounter() { DestroyWindow(window_); }
  int Count() const { return count_; }

 private:
  static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_NULL && !InSendMessage()) ++count_;
    return DefWindowProcA(w, m, wp, lp);
  }
  static inline int count_ = 0;
  HWND window_ = nullptr;
};

bool ThisSystemRuns32BitPrograms() {
  char folder[MAX_PATH] = {};
  const UINT n = GetSystemWow64DirectoryA(folder, MAX_PATH);
  return n > 0 && n < MAX_PATH - 16 &&
         GetFileAttributesA((std::string(folder, n) + "\\kernel32.dll").c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST_F(HookHostProtocol, WithoutThirtyTwoBitCodeTheStatusSaysSoAndExitNudgesEveryWindow) {
  if (ThisSystemRuns32BitPrograms()) GTEST_SKIP() << "this Wine runs 32-bit programs";
  HelperProcess frozen("vornal_stand_in_shell.exe", kStandInControlClass, kOrdinaryMode);
  ASSERT_TRUE(frozen.Ready());
  frozen.Send(kHang, 0);
  PostedNullCounter counter;
  // The build's own folder holds no host.
  VornalProcess::Launch();
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
