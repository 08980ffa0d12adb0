// The real dialog and the registry: first start, Apply, Cancel, the copy
// between record and controls, and change handlers that run only on change.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "exclusion_rules.h"
#include "form_fixture.h"
#include "registry_key.h"
#include "registry_layout.h"
#include "resources/resource_ids.h"
#include "../settings/stored_record.h"

namespace vornal::test {
namespace {

using FormSettings = FormFixture;

TEST_F(FormSettings, FirstStartWritesOnlyTheDefaultExclusionsUntilApply) {
  StartForm();
  EXPECT_EQ(reg.ValueNames("Software\\Vornal"),
            std::vector<std::string>{kDefaultExclusionsValueName});
  EXPECT_EQ(reg.ValueNames(kExclusionsKeyPath).size(), std::size(kDefaultExclusions));
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
  EXPECT_EQ(reg.ValueNames(key).size(), 18u + 16u + 3u + 3u + 3u + 4u + 1u + 1u)
      << "the record, ProgramVer and the default exclusions' marker";
  EXPECT_EQ(reg.Dword(key, ValueNameOf(Spin::AnimationMaxHeight).c_str()), 1536u);
  EXPECT_EQ(reg.Dword(key, ValueNameOf(Check::IconTextRecheck).c_str()), 1u);
  EXPECT_EQ(reg.Dword(key, ValueNameOf(Colour::Desktop).c_str()), 0x800000u);
  EXPECT_EQ(reg.String(key, "StartText"), "Vor");
  EXPECT_EQ(reg.ValueNames(kExclusionsKeyPath).size(), std::size(kDefaultExclusions));
}

TEST_F(FormSettings, StoredRecordReachesEveryKindOfControlAndComesBack) {
  WriteStoredRecord(reg);
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Choice::OpenStyle).c_str(), 5);
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Choice::CloseStyle).c_str(), 9);
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Choice::StartCaption).c_str(), 3);
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Spin::DragOpacity).c_str(), 90);
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Spin::TaskbarOpacity).c_str(), 120);
  StartForm();
  // Check N of the catalogue is CheckBoxN of the dialog.
  for (std::size_t i = 0; i < kAllChecks.size(); ++i) {
    EXPECT_EQ(IsChecked(IDC_CheckBox1 + static_cast<int>(i)), StoredCheckFlag(kAllChecks[i]))
        << "CheckBox" << i + 1;
  }
  EXPECT_EQ(Text(IDC_SpinEdit1), "1001");
  EXPECT_EQ(Text(IDC_SpinEdit15), "1015");
  EXPECT_EQ(Text(IDC_SpinEdit13), "90");
  EXPECT_EQ(SendMessageA(Control(IDC_TrackBarTransparency), TBM_GETPOS, 0, 0), 120);
  EXPECT_EQ(SendMessageA(Control(IDC_TrackBarDragTrans), TBM_GETPOS, 0, 0), 90)
      << "the drag track bar follows its spin edit";
  EXPECT_EQ(IsChecked(IDC_RadioButton1), StoredRadioFlag(Radio::ShadowDialogsOnly));
  EXPECT_EQ(IsChecked(IDC_RadioButton2), !StoredRadioFlag(Radio::ShadowDialogsOnly));
  EXPECT_EQ(IsChecked(IDC_RadioButton5), StoredRadioFlag(Radio::PatchOn));
  EXPECT_TRUE(IsChecked(IDC_RadioButtonStyle5));
  EXPECT_FALSE(IsChecked(IDC_RadioButtonStyle1));
  EXPECT_TRUE(IsChecked(IDC_RadioButtonStyle20));
  EXPECT_TRUE(IsChecked(IDC_RadioButtonStart3));
  EXPECT_EQ(form->ShapeColour(IDC_Shape2), StoredColour(Colour::MdiBackground));
  EXPECT_EQ(Text(IDC_EditTVWallpaper), StoredText(TextField::TVWallpaper));
  EXPECT_EQ(MenuChecked(IDM_TaskbarTransparent1), StoredCheckFlag(Check::TaskbarTransparent));
  EXPECT_EQ(MenuChecked(IDM_DesktopTransparent1), StoredCheckFlag(Check::DesktopIconText));

  // Apply writes back exactly what was loaded.
  RegistryKey::DeleteTree(reg.Root(), kSettingsKeyPath);
  Click(IDC_ButtonApply);
  for (Spin v : kAllSpins) {
    EXPECT_EQ(reg.Dword(kSettingsKeyPath, ValueNameOf(v).c_str()),
              v == Spin::DragOpacity ? 90u : v == Spin::TaskbarOpacity ? 120u : StoredSpinValue(v))
        << ValueNameOf(v).c_str();
  }
  EXPECT_EQ(reg.Dword(kSettingsKeyPath, ValueNameOf(Choice::CloseStyle).c_str()), 9u);
  EXPECT_EQ(reg.String(kSettingsKeyPath, "WindowWallpaper"), StoredText(TextField::WindowWallpaper));
}

TEST_F(FormSettings, OddStoredValuesAreShownAndSavedSoundly) {
  WriteStoredRecord(reg);
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Choice::OpenStyle).c_str(), 12);
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Spin::BoxThickness).c_str(), 65636);
  StartForm();
  EXPECT_EQ(form->Record().Get(Choice::OpenStyle), 12) << "the record keeps what was stored";
  EXPECT_TRUE(IsChecked(IDC_RadioButtonStyle1)) << "shown as the default style";
  EXPECT_EQ(Text(IDC_SpinEdit1), "100");
  EXPECT_EQ(Text(IDC_SpinEdit14), "255") << "a stored 1014 shows within the edit's bounds";

  Type(IDC_SpinEdit15, "70000");
  Type(IDC_SpinEdit2, "0");
  Type(IDC_SpinEdit3, "abc");
  Click(IDC_ButtonApply);
  EXPECT_EQ(reg.Dword(kSettingsKeyPath, ValueNameOf(Choice::OpenStyle).c_str()), 1u);
  EXPECT_EQ(reg.Dword(kSettingsKeyPath, ValueNameOf(Spin::IconTextInterval).c_str()), 70000u & 0xFFFFu);
  EXPECT_EQ(reg.Dword(kSettingsKeyPath, ValueNameOf(Spin::OpenDuration).c_str()), 1u)
      << "kept within its bounds";
  EXPECT_EQ(reg.Dword(kSettingsKeyPath, ValueNameOf(Spin::CloseDuration).c_str()), 1u)
      << "bad text gives the minimum";
}

TEST_F(FormSettings, CancelGoesBackToWhatTheRegistryHolds) {
  MarkDefaultExclusionsAdded();
  WriteStoredRecord(reg);
  reg.SetRaw(kExclusionsKeyPath, "notepad.exe", REG_BINARY, nullptr, 0);
  StartForm();
  form->ShowVornal1Click();
  Type(IDC_SpinEdit4, "4444");
  Click(IDC_CheckBox1);
  SendMessageA(Control(IDC_ListBoxAppEx), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("calc.exe"));
  Click(IDC_BitBtnCancel);
  EXPECT_EQ(Text(IDC_SpinEdit4), "1004");
  EXPECT_EQ(IsChecked(IDC_CheckBox1), StoredCheckFlag(Check::WindowsOpening));
  EXPECT_EQ(SendMessageA(Control(IDC_ListBoxAppEx), LB_GETCOUNT, 0, 0), 1)
      << "edits to the exclusion list are dropped";
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(form->Record().Get(Spin::AnimationMinWidth), StoredSpinValue(Spin::AnimationMinWidth));
  EXPECT_EQ(reg.String(kSettingsKeyPath, "StartText"), StoredText(TextField::StartText))
      << "Cancel writes nothing";
}

TEST_F(FormSettings, CancelWithoutUsableSettingsKeepsExclusionEdits) {
  MarkDefaultExclusionsAdded();
  StartForm();
  SendMessageA(Control(IDC_ListBoxAppEx), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("calc.exe"));
  Type(IDC_SpinEdit4, "4444");
  form->BitBtnCancelClick();
  EXPECT_EQ(Text(IDC_SpinEdit4), "32");
  EXPECT_EQ(SendMessageA(Control(IDC_ListBoxAppEx), LB_GETCOUNT, 0, 0), 1);
}

TEST_F(FormSettings, ExclusionListAndOutsideValuesGoThroughTheDialog) {
  MarkDefaultExclusionsAdded();
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

  reg.SetDword(kSettingsKeyPath, ValueNameOf(Check::Popups).c_str(), !StoredCheckFlag(Check::Popups));
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Spin::TaskbarOpacity).c_str(), 77);
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Radio::DragDialogsOnly).c_str(),
               !StoredRadioFlag(Radio::DragDialogsOnly));
  form->LoadSettings();
  changes.clear();
  form->SettingsToForm();
  std::sort(changes.begin(), changes.end());
  const int newlyChecked =
      StoredRadioFlag(Radio::DragDialogsOnly) ? IDC_RadioButton4 : IDC_RadioButton3;
  // The track bar follows SpinEdit14 through that edit's own handler.
  std::vector<int> expected = {IDC_CheckBox4, IDC_SpinEdit14, newlyChecked};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(changes, expected);
  EXPECT_EQ(SendMessageA(Control(IDC_TrackBarTransparency), TBM_GETPOS, 0, 0), 77);
}

TEST_F(FormSettings, CloseBoxOnlyHidesAndKeepsUnsavedEdits) {
  MarkDefaultExclusionsAdded();
  StartForm();
  form->ShowVornal1Click();
  ASSERT_TRUE(IsWindowVisible(form->Handle()));
  Type(IDC_SpinEdit2, "333");
  SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_FALSE(reg.HasValue(kSettingsKeyPath, kVersionValueName));
  EXPECT_FALSE(PumpAndSawQuit()) << "the program keeps running";
  form->ShowVornal1Click();
  EXPECT_EQ(Text(IDC_SpinEdit2), "333");
  EXPECT_EQ(form->Record().Get(Spin::OpenDuration), 200);
}

}  // namespace
}  // namespace vornal::test
