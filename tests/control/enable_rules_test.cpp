// The enable rules of the dialog, row by row, over the systems they tell
// apart.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "form/enable_rules.h"
#include "resources/resource_ids.h"

namespace vornal {
namespace {

// What each system offers: XP with a taskbar and a desktop list view, 2000,
// 98 (no layered windows there) and 95 or NT 4.0.
constexpr EnableFacts kXP{true, true, true, true, true, true};
constexpr EnableFacts k2000{false, true, true, true, true, true};
constexpr EnableFacts k98{false, true, false, true, true, true};
constexpr EnableFacts k95{false, false, false, true, true, true};
constexpr EnableFacts kXPWithoutShell{true, true, true, false, false, true};
constexpr EnableFacts kVistaOn{true, true, true, true, true, false};

struct Case {
  const char* what;
  EnableFacts facts;
  std::vector<int> checked;
  std::vector<int> enabled;
  std::vector<int> disabled;
};

const std::vector<int> kOn = {IDC_RadioButton5};

std::vector<int> With(std::vector<int> ids, std::initializer_list<int> more) {
  ids.insert(ids.end(), more);
  return ids;
}

TEST(EnableRules, FollowTheCheckedStatesAndTheSystem) {
  const Case cases[] = {
      {"patch off: every option of the patch", kXP, {IDC_RadioButton6, IDC_CheckBox1, IDC_CheckBox5, IDC_CheckBox9, IDC_CheckBox10, IDC_CheckBox11, IDC_CheckBox13},
       {IDC_CheckBox16, IDC_CheckBox15},
       {IDC_CheckBox1, IDC_CheckBox2, IDC_CheckBox3, IDC_CheckBox4, IDC_CheckBox5, IDC_CheckBox9,
        IDC_CheckBox10, IDC_CheckBox12, IDC_CheckBox13, IDC_CheckBox14, IDC_EditWindowWallpaper,
        IDC_ButtonTVWallpaper, IDC_CheckBox11, IDC_Label28, IDC_RadioButton1, IDC_RadioButton4}},
      {"rows 1-3: types need opening or closing", kXP, kOn,
       {IDC_CheckBox1, IDC_CheckBox2}, {IDC_CheckBox3, IDC_CheckBox4}},
      {"rows 2-3", kXP, With(kOn, {IDC_CheckBox2}), {IDC_CheckBox3, IDC_CheckBox4}, {}},
      {"row 4, 13: shadows on XP", kXP, With(kOn, {IDC_CheckBox5}), {IDC_CheckBox5, IDC_RadioButton1, IDC_RadioButton2}, {}},
      {"row 4, 13: no shadows before XP", k2000, With(kOn, {IDC_CheckBox5}), {}, {IDC_CheckBox5, IDC_RadioButton1, IDC_RadioButton2}},
      {"row 5, 14: dragging needs layered windows", k98, With(kOn, {IDC_CheckBox9}), {}, {IDC_CheckBox9, IDC_RadioButton3, IDC_RadioButton4}},
      {"row 5, 14", k2000, With(kOn, {IDC_CheckBox9}), {IDC_CheckBox9, IDC_RadioButton3, IDC_RadioButton4}, {}},
      {"rows 6, 7, 9: window wallpaper off", kXP, With(kOn, {IDC_CheckBox12}),
       {IDC_CheckBox10}, {IDC_CheckBox12, IDC_Label27, IDC_EditWindowWallpaper, IDC_ButtonWallpaper}},
      {"rows 6, 7, 9: on", kXP, With(kOn, {IDC_CheckBox10}),
       {IDC_CheckBox12, IDC_Label27, IDC_EditWindowWallpaper, IDC_ButtonWallpaper}, {}},
      {"rows 8, 10: TV path with tree views", kXP, With(kOn, {IDC_CheckBox13}),
       {IDC_CheckBox13, IDC_CheckBox14, IDC_Label32, IDC_EditTVWallpaper, IDC_ButtonTVWallpaper}, {}},
      {"row 10: or list views", kXP, With(kOn, {IDC_CheckBox14}), {IDC_EditTVWallpaper}, {}},
      {"row 10: neither", kXP, kOn, {}, {IDC_Label32, IDC_EditTVWallpaper, IDC_ButtonTVWallpaper}},
      {"rows 11, 12: MDI", kXP, With(kOn, {IDC_CheckBox11}), {IDC_CheckBox11, IDC_Label28, IDC_EditMDIWallpaper, IDC_ButtonMDIWallpaper}, {}},
      {"row 12", kXP, kOn, {IDC_CheckBox11}, {IDC_Label28, IDC_EditMDIWallpaper, IDC_ButtonMDIWallpaper}},
      {"rows 15-19: icon text with its check", kXP, {IDC_CheckBox16, IDC_CheckBox17},
       {IDC_CheckBox16, IDM_DesktopTransparent1, IDC_CheckBox17, IDC_Label10, IDC_SpinEdit15, IDC_ButtonDeskText}, {}},
      {"rows 16-19: icon text off", kXP, {IDC_CheckBox17},
       {IDC_CheckBox16}, {IDC_CheckBox17, IDC_Label10, IDC_SpinEdit15, IDC_ButtonDeskText}},
      {"rows 17, 18: no periodic check", kXP, {IDC_CheckBox16}, {IDC_CheckBox17, IDC_ButtonDeskText}, {IDC_Label10, IDC_SpinEdit15}},
      {"rows 15-19: no desktop list view", kXPWithoutShell, {IDC_CheckBox16, IDC_CheckBox17},
       {}, {IDC_CheckBox16, IDM_DesktopTransparent1, IDC_CheckBox17, IDC_Label10, IDC_SpinEdit15, IDC_ButtonDeskText}},
      {"row 20: colours", kXP, {IDC_CheckBox18}, {IDC_ButtonMDIForms, IDC_ButtonDesktop}, {}},
      {"row 20", kXP, {}, {}, {IDC_ButtonMDIForms, IDC_ButtonDesktop}},
      {"row 21: repeat restriction", kXP, {IDC_CheckBox6}, {IDC_SpinEdit8, IDC_Label15}, {}},
      {"row 21", kXP, {}, {}, {IDC_SpinEdit8, IDC_Label15}},
      {"rows 22-27: taskbar transparency on", kXP, {IDC_CheckBox15},
       {IDC_CheckBox15, IDM_TaskbarTransparent1, IDC_RadioButtonStyle2, IDC_RadioButtonStyle13,
        IDC_TrackBarDragTrans, IDC_SpinEdit13, IDC_Label21, IDC_SpinEdit12, IDC_Label26,
        IDC_TrackBarTransparency, IDC_SpinEdit14, IDC_Label12, IDC_Label13}, {}},
      {"rows 25-27: taskbar transparency off", kXP, {}, {IDC_CheckBox15}, {IDC_TrackBarTransparency, IDC_SpinEdit14, IDC_Label12, IDC_Label13}},
      {"row 22: no taskbar, no alpha-blend", kXPWithoutShell, {IDC_CheckBox15},
       {IDC_TrackBarDragTrans, IDC_SpinEdit13}, {IDC_CheckBox15, IDM_TaskbarTransparent1, IDC_RadioButtonStyle2,
        IDC_RadioButtonStyle13, IDC_TrackBarTransparency, IDC_SpinEdit14}},
      {"rows 22-27: no layered windows", k98, {IDC_CheckBox15},
       {}, {IDC_CheckBox15, IDC_RadioButtonStyle2, IDC_TrackBarDragTrans, IDC_Label24, IDC_SpinEdit9,
        IDC_SpinEdit13, IDC_Label25, IDC_TrackBarTransparency, IDC_SpinEdit14, IDC_Label13}},
      {"rows 28-31: Start caption unmodified", kXP, {IDC_RadioButtonStart1},
       {IDC_RadioButtonStart1, IDC_RadioButtonStart4}, {IDC_EditStartText, IDC_SpinEdit16, IDC_Label11, IDC_Label14}},
      {"rows 29-31: custom", kXP, {IDC_RadioButtonStart4}, {IDC_EditStartText, IDC_SpinEdit16, IDC_Label11, IDC_Label14}, {}},
      {"rows 30, 31: day of the week", kXP, {IDC_RadioButtonStart2}, {IDC_SpinEdit16, IDC_Label14}, {IDC_EditStartText}},
      {"rows 28-31: 2000 draws the caption too", k2000, {IDC_RadioButtonStart4},
       {IDC_RadioButtonStart1, IDC_RadioButtonStart3, IDC_EditStartText, IDC_SpinEdit16, IDC_Label11}, {}},
      {"rows 28-31: from Vista on no caption is drawn", kVistaOn, {IDC_RadioButtonStart4},
       {}, {IDC_RadioButtonStart1, IDC_RadioButtonStart3, IDC_EditStartText, IDC_SpinEdit16, IDC_Label11}},
      {"rows 32-34: directions on 98", k98, {},
       {IDC_RadioButtonStyle3, IDC_RadioButtonStyle11, IDC_RadioButtonStyle14, IDC_RadioButtonStyle22,
        IDC_Label19, IDC_Label20, IDC_RadioButtonStyle1, IDC_RadioButtonStyle12}, {IDC_RadioButtonStyle2}},
      {"rows 32-34: 95 has neither directions nor alpha-blend", k95, {},
       {}, {IDC_RadioButtonStyle7, IDC_RadioButtonStyle18, IDC_Label19, IDC_RadioButtonStyle1,
        IDC_RadioButtonStyle2, IDC_RadioButtonStyle12, IDC_RadioButtonStyle13}},
      {"rows 33, 34: alpha-blend alone keeps the default", EnableFacts{false, false, true, true, true}, {},
       {IDC_RadioButtonStyle1, IDC_RadioButtonStyle12}, {IDC_RadioButtonStyle3}},
      {"rows 35, 36: sliding with a direction", kXP, {IDC_RadioButtonStyle3, IDC_RadioButtonStyle22},
       {IDC_CheckBox7, IDC_CheckBox8}, {}},
      {"rows 35, 36: not with the centre", kXP, {IDC_RadioButtonStyle7, IDC_RadioButtonStyle18}, {}, {IDC_CheckBox7, IDC_CheckBox8}},
      {"rows 35, 36: not with default or alpha-blend", kXP, {IDC_RadioButtonStyle1, IDC_RadioButtonStyle13},
       {}, {IDC_CheckBox7, IDC_CheckBox8}},
      {"rows 37, 38: toolbar backgrounds", kXP, {IDC_CheckBoxExplorer},
       {IDC_Label29, IDC_EditExplorerToolbar, IDC_ButtonExplorer}, {IDC_Label30, IDC_EditIEToolbar, IDC_ButtonIE}},
      {"row 38", kXP, {IDC_CheckBoxIE}, {IDC_Label30, IDC_EditIEToolbar, IDC_ButtonIE}, {IDC_ButtonExplorer}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto checked = [&c](int id) {
      return std::find(c.checked.begin(), c.checked.end(), id) != c.checked.end();
    };
    const EnabledStates states = EvaluateEnableRules(checked, c.facts);
    for (int id : c.enabled) {
      EXPECT_TRUE(states.Governs(id)) << id;
      EXPECT_TRUE(states.Enabled(id)) << id;
    }
    for (int id : c.disabled) {
      EXPECT_TRUE(states.Governs(id)) << id;
      EXPECT_FALSE(states.Enabled(id)) << id;
    }
  }
}

TEST(EnableRules, LeaveTheirOwnControlsAlone) {
  const EnabledStates states = EvaluateEnableRules([](int) { return true; }, kXP);
  for (int id : {IDC_RadioButton5, IDC_RadioButton6, IDC_CheckBox6, IDC_CheckBox18, IDC_CheckBoxExplorer,
                 IDC_CheckBoxIE, IDC_CheckBoxStartup, IDC_SpinEdit1, IDC_SpinEdit7, IDC_EditAppEx,
                 IDC_ButtonAppExAdd, IDC_ListBoxAppEx, IDC_BitBtnOK, IDC_ButtonUnload}) {
    EXPECT_FALSE(states.Governs(id)) << id;
  }
}

}  // namespace
}  // namespace vornal
