// The real Vornal.exe in its own process: single instance, first start,
// Apply and Cancel, the start error without the library, the tray toggles
// and the close box. Uses the Wine session's real HKEY_CURRENT_USER.
#include "broadcast_counter.h"
#include "bundle_folder.h"
#include "cross_process_names.h"
#include "expected_texts.h"
#include "vornal_process.h"

namespace vornal::test {
namespace {

TEST_F(VornalProcess, FirstStartWritesOnlyTheDefaultExclusionsUntilApply) {
  Launch();
  EXPECT_FALSE(IsWindowVisible(form)) << "starts hidden";
  EXPECT_FALSE(RegistryKey::OpenForRead(HKEY_CURRENT_USER, kSettingsKeyPath).HasValue(kVersionValueName));
  EXPECT_TRUE(RegistryKey::OpenForRead(HKEY_CURRENT_USER, kSettingsKeyPath)
                  .HasValue(kDefaultExclusionsValueName));
  EXPECT_TRUE(RegistryKey::OpenForRead(HKEY_CURRENT_USER, kExclusionsKeyPath).HasValue("csrss.exe"));
  EXPECT_EQ(WindowText(Control(IDC_LabelStatus)), "Patch is not running.");
  Click(Control(IDC_ButtonApply));
  ASSERT_TRUE(HasSettingsKey());
  char version[16] = {};
  RegistryKey::OpenForRead(HKEY_CURRENT_USER, kSettingsKeyPath)
      .ReadString(kVersionValueName, version, sizeof version);
  EXPECT_STREQ(version, "V1.43");
  EXPECT_EQ(StoredDword(ValueNameOf(Spin::StartCaptionInterval)), 1000u);
  EXPECT_EQ(StoredDword(ValueNameOf(Radio::PatchOn)), 0u);
}

TEST_F(VornalProcess, SecondCopyShowsTheFirstCopysDialogAndEnds) {
  Launch();
  ASSERT_FALSE(IsWindowVisible(form));
  ProgramUnderTest second;
  ASSERT_TRUE(second.Start(BesideThisProgram("Vornal.exe")));
  ASSERT_TRUE(second.HasExited(15000)) << "the second copy ends on its own";
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(form) != FALSE; }));
  EXPECT_EQ(CountProcesses("Vornal.exe"), 1);
}

TEST_F(VornalProcess, ClicksRightAfterTheDialogIsShownStayAsClicked) {
  // The second copy starts as soon as the first one runs, before it has
  // finished starting up, as a user's second double-click does.
  ASSERT_TRUE(app.Start(BesideThisProgram("Vornal.exe")));
  ASSERT_TRUE(WaitFor([&] { return CountProcesses("Vornal.exe") == 1; }));
  ProgramUnderTest second;
  ASSERT_TRUE(second.Start(BesideThisProgram("Vornal.exe")));
  ASSERT_TRUE(WaitFor([&] {
    form = app.FindTopLevel(kFormClassName, "Vornal");
    return form != nullptr && IsWindowVisible(form);
  }));
  // The user's first clicks, with no pause: "On", then an option it enables.
  Click(Control(IDC_RadioButton5));
  Click(Control(IDC_CheckBox10));
  ASSERT_TRUE(second.HasExited(15000));
  ASSERT_TRUE(WaitFor([&] { return StartedUp(); }));
  Sleep(1000);  // whatever the start still had on its way has arrived
  EXPECT_TRUE(IsChecked(Control(IDC_RadioButton5))) << "\"On\" stays checked";
  EXPECT_FALSE(IsChecked(Control(IDC_RadioButton6)));
  EXPECT_TRUE(IsChecked(Control(IDC_CheckBox10)));
  EXPECT_TRUE(IsWindowEnabled(Control(IDC_CheckBox10))) << "the options stay enabled";
}

TEST_F(VornalProcess, PatchWithoutTheLibraryShowsTheStartErrorOnce) {
  const BundleFolder folder({"Vornal.exe"});
  ASSERT_TRUE(folder.Ready());
  Launch(folder.Path("Vornal.exe"));

  Click(Control(IDC_RadioButton5));
  std::string error;
  ASSERT_NO_FATAL_FAILURE(ApplyThroughTheStartError(&error));
  EXPECT_EQ(error, kExpectedStartError);
  EXPECT_EQ(WindowText(Control(IDC_LabelStatus)), "Patch is not running.");
  EXPECT_FALSE(IsWindowVisible(Control(IDC_PanelStatus)));
  EXPECT_EQ(ErrorBox(), nullptr) << "shown once per apply";
  EXPECT_EQ(StoredDword(ValueNameOf(Radio::PatchOn)), 1u) << "the switch stays on";
  EXPECT_TRUE(IsChecked(Control(IDC_RadioButton5)));

  PostMessageA(form, WM_COMMAND, IDM_Exit1, 0);
  EXPECT_TRUE(app.HasExited(20000));
}

TEST_F(VornalProcess, TrayToggleSavesUnappliedEdits) {
  Launch();
  TypeText(Control(IDC_SpinEdit1), "77");
  MenuCommand(IDM_TaskbarTransparent1);
  EXPECT_EQ(StoredDword(ValueNameOf(Spin::BoxThickness)), 77u);
  EXPECT_EQ(StoredDword(ValueNameOf(Check::TaskbarTransparent)), 1u);
  EXPECT_TRUE(IsChecked(Control(IDC_CheckBox15)));
}

TEST_F(VornalProcess, CloseBoxOnlyHidesAndCancelReloads) {
  Launch();
  Click(Control(IDC_ButtonApply));
  MenuCommand(IDM_ShowVornal1);
  ASSERT_TRUE(IsWindowVisible(form));
  TypeText(Control(IDC_SpinEdit2), "333");
  SendMessageTimeoutA(form, WM_SYSCOMMAND, SC_CLOSE, 0, SMTO_ABORTIFHUNG, 20000, nullptr);
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(form); }));
  EXPECT_FALSE(app.HasExited(200));
  EXPECT_EQ(StoredDword(ValueNameOf(Spin::OpenDuration)), 200u) << "closing saves nothing";
  EXPECT_EQ(WindowText(Control(IDC_SpinEdit2)), "333") << "nor reloads";

  Click(Control(IDC_BitBtnCancel));
  EXPECT_EQ(WindowText(Control(IDC_SpinEdit2)), "200");
}

// Wine reports the Windows version chosen for one program by name; the
// control program takes the family from what GetVersionExA reports.
class VornalOnWindowsVersion : public VornalProcess {
 protected:
  static constexpr char kAppDefaults[] = "Software\\Wine\\AppDefaults\\Vornal.exe";

  void Pretend(const char* version) {
    RegistryKey::OpenOrCreate(HKEY_CURRENT_USER, kAppDefaults).WriteString("Version", version);
  }
  void TearDown() override {
    VornalProcess::TearDown();
    RegistryKey::DeleteTree(HKEY_CURRENT_USER, kAppDefaults);
  }

  // Switches the patch on, then applies once more and counts the reload
  // broadcasts of that second apply.
  int BroadcastsOfASecondApply() {
    Click(Control(IDC_RadioButton5));
    Click(Control(IDC_ButtonApply));
    EXPECT_EQ(WindowText(Control(IDC_LabelStatus)), "Patch is running.");
    BroadcastCounter counter;
    Click(Control(IDC_ButtonApply));
    WaitFor([&] { return counter.Count() > 0; }, 3000);
    EXPECT_EQ(WindowText(Control(IDC_LabelStatus)), "Patch is running.");
    EXPECT_EQ(ErrorBox(), nullptr);
    return counter.Count();
  }
};

TEST_F(VornalOnWindowsVersion, TheNTFamilyReloadsHookedProgramsByBroadcast) {
  Pretend("winxp");
  Launch();
  EXPECT_EQ(BroadcastsOfASecondApply(), 1);
}

TEST_F(VornalOnWindowsVersion, The9xFamilyInstallsTheHookAgainInstead) {
  Pretend("win98");
  Launch();
  EXPECT_EQ(BroadcastsOfASecondApply(), 0);
}

}  // namespace
}  // namespace vornal::test
