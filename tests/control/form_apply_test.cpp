// Applying settings from the real form: the hook, the start and unload
// errors, the status in dialog and tray, the tray toggles and the exit path.
#include "broadcast_counter.h"
#include "bundle_folder.h"
#include "cross_process_names.h"
#include "expected_texts.h"
#include "form_fixture.h"
#include "host_protocol.h"
#include "registry_layout.h"
#include "resources/resource_ids.h"

namespace vornal::test {
namespace {

class FormApply : public FormFixture {
 protected:
  std::string TrayTip() const { return form->Tray().Record().szTip; }
};

TEST_F(FormApply, StatusAtStartWithThePatchOff) {
  StartForm();
  EXPECT_EQ(Text(IDC_LabelStatus), "Patch is not running.");
  EXPECT_EQ(TrayTip(), "Vornal - Global Window Patches Not Running");
  EXPECT_EQ(form->Tray().Status(), TrayStatus::PatchNotRunning);
  EXPECT_EQ(form->Tray().Record().uID, 100u);
  EXPECT_EQ(form->Tray().Record().uCallbackMessage, 1025u);
  EXPECT_FALSE(IsWindowVisible(Control(IDC_PanelStatus)));
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
  EXPECT_TRUE(form->TrayReady());
  EXPECT_FALSE(MenuChecked(IDM_PatchEnabled1));
}

TEST_F(FormApply, TrayIconGoesFromStartingUpToItsStateAndAwayAtExit) {
  StartForm();
  ASSERT_EQ(trayCalls.size(), 3u);
  EXPECT_EQ(trayCalls[0].message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(trayCalls[0].tip, "Vornal - Starting Up...");
  EXPECT_EQ(trayCalls[1].message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_EQ(trayCalls[1].tip, "Vornal - Please Wait!");
  EXPECT_EQ(trayCalls[1].icon, trayCalls[0].icon) << "the clock while applying";
  EXPECT_EQ(trayCalls[2].tip, "Vornal - Global Window Patches Not Running");
  EXPECT_NE(trayCalls[2].icon, trayCalls[0].icon);
  const NOTIFYICONDATAA& record = form->Tray().Record();
  EXPECT_EQ(record.hWnd, form->Handle());
  EXPECT_EQ(record.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));

  // A restarted shell gets the icon back, in its current state.
  trayCalls.clear();
  SendMessageA(form->Handle(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  ASSERT_FALSE(trayCalls.empty());
  EXPECT_EQ(trayCalls[0].message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(trayCalls[0].tip, "Vornal - Global Window Patches Not Running");

  trayCalls.clear();
  form->RestoreOnExit();
  ASSERT_EQ(trayCalls.size(), 1u);
  EXPECT_EQ(trayCalls[0].message, static_cast<DWORD>(NIM_DELETE));
}

TEST_F(FormApply, AnIconTheShellDidNotTakeIsAddedAtTheNextChange) {
  bool shellUp = false;
  env.notifyIcon = [&](DWORD message, NOTIFYICONDATAA& record) {
    trayCalls.push_back({message, record.szTip, record.hIcon});
    return shellUp;
  };
  StartForm();  // the shell takes nothing yet
  shellUp = true;
  trayCalls.clear();
  Click(IDC_ButtonApply);
  ASSERT_EQ(trayCalls.size(), 2u);
  EXPECT_EQ(trayCalls[0].message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(trayCalls[1].message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_EQ(trayCalls[1].tip, "Vornal - Global Window Patches Not Running");
}

TEST_F(FormApply, MissingLibraryShowsTheStartErrorOnceAndKeepsTheSwitch) {
  StartForm();
  Click(IDC_RadioButton5);
  Click(IDC_ButtonApply);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], kExpectedStartError);
  EXPECT_FALSE(form->PatchRunning());
  EXPECT_EQ(reg.Dword(kSettingsKeyPath, ValueNameOf(Radio::PatchOn).c_str()), 1u)
      << "the switch stays saved";
  EXPECT_TRUE(IsChecked(IDC_RadioButton5));
  EXPECT_TRUE(MenuChecked(IDM_PatchEnabled1));
  EXPECT_EQ(Text(IDC_LabelStatus), "Patch is not running.");
  EXPECT_EQ(form->Tray().Status(), TrayStatus::PatchNotRunning);
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));

  Click(IDC_ButtonApply);
  EXPECT_EQ(errors.size(), 2u) << "every apply tries again, once";
}

TEST_F(FormApply, StartErrorDuringStartUpWhenThePatchIsStoredOn) {
  reg.SetString(kSettingsKeyPath, kVersionValueName, "V1.43");
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Radio::PatchOn).c_str(), 1);
  StartForm();
  EXPECT_EQ(errors.size(), 1u);
  EXPECT_FALSE(form->PatchRunning());
  EXPECT_EQ(TrayTip(), "Vornal - Global Window Patches Not Running");
}

TEST_F(FormApply, AbsentLibraryIsNeverLookedUpByBareName) {
  // A library by the same name sitting in the current folder must not be
  // taken: only the program's own folder counts.
  char cwd[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, cwd);
  env.libraryPath = std::string(cwd) + "\\missing-folder\\VornalLib.dll";
  StartForm();
  Click(IDC_RadioButton5);
  Click(IDC_ButtonApply);
  EXPECT_EQ(errors.size(), 1u);
  EXPECT_FALSE(form->PatchRunning());
}

TEST_F(FormApply, TrayTogglesSaveTheWholeDialog) {
  StartForm();
  Type(IDC_SpinEdit1, "77");
  Command(IDM_TaskbarTransparent1);
  EXPECT_EQ(reg.Dword(kSettingsKeyPath, ValueNameOf(Spin::BoxThickness).c_str()), 77u)
      << "the unsaved edit went with it";
  EXPECT_EQ(reg.Dword(kSettingsKeyPath, ValueNameOf(Check::TaskbarTransparent).c_str()), 1u);
  EXPECT_TRUE(IsChecked(IDC_CheckBox15));
  EXPECT_TRUE(MenuChecked(IDM_TaskbarTransparent1));

  Type(IDC_SpinEdit2, "88");
  Command(IDM_DesktopTransparent1);
  EXPECT_EQ(reg.Dword(kSettingsKeyPath, ValueNameOf(Spin::OpenDuration).c_str()), 88u);
  EXPECT_EQ(reg.Dword(kSettingsKeyPath, ValueNameOf(Check::DesktopIconText).c_str()), 1u);
  EXPECT_TRUE(MenuChecked(IDM_DesktopTransparent1));

  Type(IDC_SpinEdit3, "99");
  Command(IDM_PatchEnabled1);
  EXPECT_EQ(reg.Dword(kSettingsKeyPath, ValueNameOf(Spin::CloseDuration).c_str()), 99u);
  EXPECT_EQ(reg.Dword(kSettingsKeyPath, ValueNameOf(Radio::PatchOn).c_str()), 1u);
  EXPECT_TRUE(IsChecked(IDC_RadioButton5));
  EXPECT_FALSE(IsChecked(IDC_RadioButton6));
  EXPECT_EQ(errors.size(), 1u) << "no library here: the start error";

  Command(IDM_TaskbarTransparent1);
  EXPECT_EQ(reg.Dword(kSettingsKeyPath, ValueNameOf(Check::TaskbarTransparent).c_str()), 0u);
  EXPECT_FALSE(MenuChecked(IDM_TaskbarTransparent1));
}

TEST_F(FormApply, ShowMainAndTrayDoubleClickShowTheDialog) {
  StartForm();
  SendMessageA(form->Handle(), RegisterWindowMessageA(kShowMainMessage), 0, 0);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  form->FormClose();
  EXPECT_FALSE(IsWindowVisible(form->Handle()));

  SendMessageA(form->Handle(), 1025, 100, WM_LBUTTONUP);
  EXPECT_FALSE(IsWindowVisible(form->Handle())) << "a single click does nothing";
  SendMessageA(form->Handle(), 1025, 100, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(GetFocus(), Control(IDC_BitBtnOK));
}

TEST_F(FormApply, AShowRequestedDuringStartUpWaitsUntilTheDialogHoldsTheSettings) {
  // The second copy's request arrives while start-up waits for the
  // taskbar; the user clicks "On" and an option as soon as the dialog shows.
  bool clicked = false;
  auto clickAsSoonAsShown = [&] {
    if (clicked || !IsWindowVisible(form->Handle())) return;
    clicked = true;
    Click(IDC_RadioButton5);
    Click(IDC_CheckBox10);
  };
  env.notifyIcon = [&](DWORD message, NOTIFYICONDATAA& record) {
    if (message == NIM_ADD) {
      SendMessageA(record.hWnd, RegisterWindowMessageA(kShowMainMessage), 0, 0);
      clickAsSoonAsShown();
    }
    return true;
  };
  StartForm();
  EXPECT_TRUE(IsWindowVisible(form->Handle())) << "shown once start-up is over";
  clickAsSoonAsShown();
  EXPECT_TRUE(IsChecked(IDC_RadioButton5)) << "\"On\" stays checked";
  EXPECT_FALSE(IsChecked(IDC_RadioButton6));
  EXPECT_TRUE(IsChecked(IDC_CheckBox10));
  EXPECT_TRUE(IsWindowEnabled(Control(IDC_CheckBox10))) << "the options stay enabled";
}

TEST_F(FormApply, ExitButtonAsksFirst) {
  StartForm();
  answerConfirm = false;
  Click(IDC_ButtonUnload);
  EXPECT_EQ(confirmations, 1);
  EXPECT_FALSE(PumpAndSawQuit());
  answerConfirm = true;
  Click(IDC_ButtonUnload);
  EXPECT_TRUE(PumpAndSawQuit());
  Command(IDM_Exit1);
  EXPECT_EQ(confirmations, 2) << "the menu's Exit does not ask";
  EXPECT_TRUE(PumpAndSawQuit());
}

// The following install the real hook for the whole desktop.
class FormHook : public FormApply {
 protected:
  void SetUp() override {
    FormApply::SetUp();
    env.libraryPath = BesideThisProgram("VornalLib.dll");
    if (GetFileAttributesA(env.libraryPath.c_str()) == INVALID_FILE_ATTRIBUTES) {
      GTEST_SKIP() << "VornalLib.dll is not built";
    }
  }
};

TEST_F(FormHook, PatchOnRunsAndReloadsOnTheNTFamily) {
  StartForm();
  Click(IDC_RadioButton5);
  Click(IDC_ButtonApply);
  EXPECT_TRUE(errors.empty());
  ASSERT_TRUE(form->PatchRunning());
  EXPECT_EQ(Text(IDC_LabelStatus), "Patch is running.");
  EXPECT_EQ(TrayTip(), "Vornal - Global Window Patches Running");
  EXPECT_EQ(form->Tray().Status(), TrayStatus::PatchRunning);

  BroadcastCounter counter;
  Click(IDC_ButtonApply);
  EXPECT_EQ(counter.Count(), 1) << "one reload broadcast, no reinstall";
  EXPECT_TRUE(form->PatchRunning());
  EXPECT_EQ(TrayTip(), "Vornal - Global Window Patches Running");

  Click(IDC_RadioButton6);
  Click(IDC_ButtonApply);
  EXPECT_FALSE(form->PatchRunning());
  EXPECT_EQ(Text(IDC_LabelStatus), "Patch is not running.");
  EXPECT_FALSE(MenuChecked(IDM_PatchEnabled1));
  EXPECT_TRUE(errors.empty());
}

TEST_F(FormHook, NineXFamilyReinstallsInsteadOfBroadcasting) {
  env.os = {1, 4, 10};
  StartForm();
  Click(IDC_RadioButton5);
  Click(IDC_ButtonApply);
  ASSERT_TRUE(form->PatchRunning());
  BroadcastCounter counter;
  Click(IDC_ButtonApply);
  EXPECT_EQ(counter.Count(), 0);
  EXPECT_TRUE(form->PatchRunning());
  EXPECT_TRUE(errors.empty());
}

TEST_F(FormHook, EndOfSessionRemovesTheHookAndAllowsLogOff) {
  StartForm();
  Click(IDC_RadioButton5);
  Click(IDC_ButtonApply);
  ASSERT_TRUE(form->PatchRunning());
  const LRESULT answer = SendMessageA(form->Handle(), WM_QUERYENDSESSION, 0, 0);
  EXPECT_NE(answer, 0);
  EXPECT_FALSE(form->PatchRunning());
}

// The host for the 32-bit programs is a stand-in that ends at once with
// code 0, without signalling ready: what a 64-bit Windows without its
// 32-bit part makes of the real one. The form looks for a kernel32.dll in a
// WOW64 folder of the test's choosing.
class FormUnrunHost : public FormHook {
 protected:
  static constexpr char kStarts[] = "VornalHost32.exe.starts";

  void SetUp() override {
    FormHook::SetUp();
    if (IsSkipped()) return;
    ASSERT_TRUE(hostFolder_.Ready());
    ASSERT_TRUE(wow64_.Ready());
    ASSERT_TRUE(hostFolder_.Add(kStarts, ""));
    env.hostPath = hostFolder_.Path(kHostFileName);
    env.wow64Folder = wow64_.Folder();
  }

  void StartWithThePatchOn(bool wow64HoldsKernel32) {
    if (wow64HoldsKernel32) {
      ASSERT_TRUE(wow64_.Add("kernel32.dll", "MZ"));
    }
    StartForm();
    Click(IDC_RadioButton5);
    Click(IDC_ButtonApply);
  }

  // How often the form started the host.
  int HostStarts() const {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(hostFolder_.Path(kStarts).c_str(), GetFileExInfoStandard, &data)) return -1;
    return static_cast<int>(data.nFileSizeLow);
  }

 private:
  BundleFolder hostFolder_{{"unrun-host/VornalHost32.exe"}};
  BundleFolder wow64_{std::initializer_list<const char*>{}};
};

TEST_F(FormUnrunHost, WhereNo32BitProgramsRunItIsSaidOnceAndNeverAsAnError) {
  StartWithThePatchOn(false);
  EXPECT_TRUE(errors.empty());
  EXPECT_TRUE(form->PatchRunning());
  EXPECT_EQ(Text(IDC_LabelStatus), "Patch is running.");
  EXPECT_EQ(Text(IDC_LabelReach), "For 64-bit programs; this system runs no 32-bit ones.");
  EXPECT_EQ(HostStarts(), 1);

  Click(IDC_ButtonApply);
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(HostStarts(), 1) << "no new try at an Apply";
  EXPECT_EQ(Text(IDC_LabelReach), "For 64-bit programs; this system runs no 32-bit ones.");
}

TEST_F(FormUnrunHost, Where32BitProgramsRunItIsTheStartErrorAtEveryApply) {
  StartWithThePatchOn(true);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], kExpectedStartError);
  EXPECT_TRUE(form->PatchRunning()) << "the program's own hook runs";
  EXPECT_EQ(Text(IDC_LabelReach), "Not for 32-bit programs: VornalHost32.exe failed.");
  EXPECT_EQ(HostStarts(), 1);

  Click(IDC_ButtonApply);
  EXPECT_EQ(errors.size(), 2u);
  EXPECT_EQ(HostStarts(), 2) << "tried again at the Apply";
}

}  // namespace
}  // namespace vornal::test
