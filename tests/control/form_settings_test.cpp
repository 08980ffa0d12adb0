// The real dialog and the registry: first start, Apply, Cancel, the copy
// between record and controls, and change handlers that run only on change.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "form_fixture.h"
#include "registry_key.h"
#include "registry_layout.h"
#include "resources/resource_ids.h"
#include "../settings/stored_record.h"

namespace vornal::test {
namespace {

using FormSettings = FormFixture;

TEST_F(FormSettings, FirstStartWritesNothingUntilApply) {
  StartForm();
  EXPECT_FALSE(reg.HasKey("Software\\Vornal"));
  EXPECT_FALSE(reg.HasValue(kRunKeyPath, kRunValueName));
  EXPECT_FALSE(reg.HasKey("Software\\Microsoft\\Internet Explorer\\Toolbar"));
  EXPECT_FALSE(form->PatchRunning());
  EXPECT_TRUE(errors.empty());
  EXPECT_FALSE(IsWindowVisible(form->Handle())) << "the program starts hidden";
  EXPECT_TRUE(IsChecked(IDC_RadioButton6)) << "the patch starts off";
  EXPECT_EQ(Text(IDC_SpinEdit7), "1536");

  Click(IDC_ButtonApply);
  const char* key = kSettingsKeyPath;
  EXPECT_EQ(reg.String(key, kVersionValueName), "V1.43");
  EXPECT_EQ(reg.ValueNames(key).size(), 18u + 16u + 3u + 3u + 3u + 4u + 1u);
  EXPECT_EQ(reg.Dword(key, "SpinValue7"), 1536u);
  EXPECT_EQ(reg.Dword(key, "CheckBoxChecked17"), 1u);
  EXPECT_EQ(reg.Dword(key, "ColourValue3"), 0x800000u);
  EXPECT_EQ(reg.String(key, "StartText"), "Vor");
  EXPECT_FALSE(reg.HasKey("Software\\Vornal\\Exclusions"));
}

TEST_F(FormSettings, StoredRecordReachesEveryKindOfControlAndComesBack) {
  WriteStoredRecord(reg);
  reg.SetDword(kSettingsKeyPath, "MultiRadio1", 5);
  reg.SetDword(kSettingsKeyPath, "MultiRadio2", 9);
  reg.SetDword(kSettingsKeyPath, "MultiRadio3", 3);
  reg.SetDword(kSettingsKeyPath, "SpinValue13", 90);
  reg.SetDword(kSettingsKeyPath, "SpinValue14", 120);
  StartForm();
  for (int n = 1; n <= kCheckFlagCount; ++n) {
    EXPECT_EQ(IsChecked(IDC_CheckBox1 + n - 1), StoredCheckFlag(n)) << "CheckBox" << n;
  }
  EXPECT_EQ(Text(IDC_SpinEdit1), "1001");
  EXPECT_EQ(Text(IDC_SpinEdit15), "1015");
  EXPECT_EQ(Text(IDC_SpinEdit13), "90");
  EXPECT_EQ(SendMessageA(Control(IDC_TrackBarTransparency), TBM_GETPOS, 0, 0), 120);
  EXPECT_EQ(SendMessageA(Control(IDC_TrackBarDragTrans), TBM_GETPOS, 0, 0), 90)
      << "the drag track bar follows its spin edit";
  EXPECT_EQ(IsChecked(IDC_RadioButton1), StoredRadioFlag(1));
  EXPECT_EQ(IsChecked(IDC_RadioButton2), !StoredRadioFlag(1));
  EXPECT_EQ(IsChecked(IDC_RadioButton5), StoredRadioFlag(3));
  EXPECT_TRUE(IsChecked(IDC_RadioButtonStyle5));
  EXPECT_FALSE(IsChecked(IDC_RadioButtonStyle1));
  EXPECT_TRUE(IsChecked(IDC_RadioButtonStyle20));
  EXPECT_TRUE(IsChecked(IDC_RadioButtonStart3));
  EXPECT_EQ(form->ShapeColour(IDC_Shape2), StoredColour(2));
  EXPECT_EQ(Text(IDC_EditTVWallpaper), StoredText(TextField::TVWallpaper));
  EXPECT_EQ(MenuChecked(IDM_TaskbarTransparent1), StoredCheckFlag(15));
  EXPECT_EQ(MenuChecked(IDM_DesktopTransparent1), StoredCheckFlag(16));

  // Apply writes back exactly what was loaded.
  RegistryKey::DeleteTree(reg.Root(), kSettingsKeyPath);
  Click(IDC_ButtonApply);
  for (int n = 1; n <= kSpinValueCount; ++n) {
    EXPECT_EQ(reg.Dword(kSettingsKeyPath, Name(Family::SpinValue, n).c_str()),
              n == 13 ? 90u : n == 14 ? 120u : StoredSpinValue(n)) << n;
  }
  EXPECT_EQ(reg.Dword(kSettingsKeyPath, "MultiRadio2"), 9u);
  EXPECT_EQ(reg.String(kSettingsKeyPath, "WindowWallpaper"), StoredText(TextField::WindowWallpaper));
}

TEST_F(FormSettings, OddStoredValuesAreShownAndSavedSoundly) {
  WriteStoredRecord(reg);
  reg.SetDword(kSettingsKeyPath, "MultiRadio1", 12);
  reg.SetDword(kSettingsKeyPath, "SpinValue1", 65636);
  StartForm();
  EXPECT_EQ(form->Record().MultiRadio(1), 12) << "the record keeps what was stored";
  EXPECT_TRUE(IsChecked(IDC_RadioButtonStyle1)) << "shown as the default style";
  EXPECT_EQ(Text(IDC_SpinEdit1), "100");
  EXPECT_EQ(Text(IDC_SpinEdit14), "255") << "a stored 1014 shows within the edit's bounds";

  Type(IDC_SpinEdit15, "70000");
  Type(IDC_SpinEdit2, "0");
  Type(IDC_SpinEdit3, "abc");
  Click(IDC_ButtonApply);
  EXPECT_EQ(reg.Dword(kSettingsKeyPath, "MultiRadio1"), 1u);
  EXPECT_EQ(reg.Dword(kSettingsKeyPath, "SpinValue15"), 70000u & 0xFFFFu);
  EXPECT_EQ(reg.Dword(kSettingsKeyPath, "SpinValue2"), 1u) << "kept within its bounds";
  EXPECT_EQ(reg.Dword(kSettingsKeyPath, "SpinValue3"), 1u) << "bad text gives the minimum";
}

TEST_F(FormSettings, CancelGoesBackToWhatTheRegistryHolds) {
  WriteStoredRecord(reg);
  reg.SetRaw(kExclusionsKeyPath, "notepad.exe", REG_BINARY, nullptr, 0);
  StartForm();
  form->ShowVornal1Click();
  Type(IDC_SpinEdit4, "4444");
  Click(IDC_CheckBox1);
  SendMessageA(Control(IDC_ListBoxAppEx), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("calc.exe"));
  Click(IDC_BitBtnCancel);
  EXPECT_EQ(Text(IDC_SpinEdit4), "1004");
  EXPECT_EQ(IsChecked(IDC_CheckBox1), StoredCheckFlag(1));
  EXPECT_EQ(SendMessageA(Control(IDC_ListBoxAppEx), LB_GETCOUNT, 0, 0), 1)
      << "edits to the exclusion list are dropped";
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(form->Record().SpinValue(4), StoredSpinValue(4));
  EXPECT_EQ(reg.String(kSettingsKeyPath, "StartText"), StoredText(TextField::StartText))
      << "Cancel writes nothing";
}

TEST_F(FormSettings, CancelWithoutUsableSettingsKeepsExclusionEdits) {
  StartForm();
  SendMessageA(Control(IDC_ListBoxAppEx), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("calc.exe"));
  Type(IDC_SpinEdit4, "4444");
  form->BitBtnCancelClick();
  EXPECT_EQ(Text(IDC_SpinEdit4), "32");
  EXPECT_EQ(SendMessageA(Control(IDC_ListBoxAppEx), LB_GETCOUNT, 0, 0), 1);
}

TEST_F(FormSettings, ExclusionListAndOutsideValuesGoThroughTheDialog) {
  WriteStoredRecord(reg);
  reg.SetRaw(kExclusionsKeyPath, "Zeta.exe", REG_BINARY, nullptr, 0);
  reg.SetRaw(kExclusionsKeyPath, "alpha.exe", REG_BINARY, nullptr, 0);
  reg.SetString(kRunKeyPath, kRunValueName, "C:\\Tests\\Vornal.exe");
  reg.SetString(kToolbarKeyPath, kBrowserToolbarValueName, "C:\\ie.bmp");
  StartForm();
  char first[32] = {};
  SendMessageA(Control(IDC_ListBoxAppEx), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
  EXPECT_STREQ(first, "alpha.exe") << "sorted ignoring case";
  EXPECT_TRUE(IsChecked(IDC_CheckBoxStartup));
  EXPECT_FALSE(IsChecked(IDC_CheckBoxExplorer));
  EXPECT_TRUE(IsChecked(IDC_CheckBoxIE));
  EXPECT_EQ(Text(IDC_EditIEToolbar), "C:\\ie.bmp");

  Click(IDC_CheckBoxStartup);
  Click(IDC_CheckBoxExplorer);
  Type(IDC_EditExplorerToolbar, "C:\\shell.bmp");
  Click(IDC_ButtonApply);
  EXPECT_FALSE(reg.HasValue(kRunKeyPath, kRunValueName));
  EXPECT_EQ(reg.String(kToolbarKeyPath, kShellToolbarValueName), "C:\\shell.bmp");
  auto names = reg.ValueNames(kExclusionsKeyPath);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Zeta.exe", "alpha.exe"}));
}

TEST_F(FormSettings, ChangeHandlersRunOnlyWhenAControlReallyChanges) {
  WriteStoredRecord(reg);
  StartForm();
  changes.clear();
  form->SettingsToForm();
  EXPECT_TRUE(changes.empty()) << "copying the same record changes nothing";

  reg.SetDword(kSettingsKeyPath, "CheckBoxChecked4", !StoredCheckFlag(4));
  reg.SetDword(kSettingsKeyPath, "SpinValue14", 77);
  reg.SetDword(kSettingsKeyPath, "RadioChecked2", !StoredRadioFlag(2));
  form->LoadSettings();
  changes.clear();
  form->SettingsToForm();
  std::sort(changes.begin(), changes.end());
  const int newlyChecked = StoredRadioFlag(2) ? IDC_RadioButton4 : IDC_RadioButton3;
  // The track bar follows SpinEdit14 through that edit's own handler.
  std::vector<int> expected = {IDC_CheckBox4, IDC_SpinEdit14, newlyChecked};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(changes, expected);
  EXPECT_EQ(SendMessageA(Control(IDC_TrackBarTransparency), TBM_GETPOS, 0, 0), 77);
}

TEST_F(FormSettings, CloseBoxOnlyHidesAndKeepsUnsavedEdits) {
  StartForm();
  form->ShowVornal1Click();
  ASSERT_TRUE(IsWindowVisible(form->Handle()));
  Type(IDC_SpinEdit2, "333");
  SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_FALSE(reg.HasKey("Software\\Vornal"));
  EXPECT_FALSE(PumpAndSawQuit()) << "the program keeps running";
  form->ShowVornal1Click();
  EXPECT_EQ(Text(IDC_SpinEdit2), "333");
  EXPECT_EQ(form->Record().SpinValue(2), 200);
}

}  // namespace
}  // namespace vornal::test
