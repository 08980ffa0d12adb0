#include "form/enable_rules.h"

#include <initializer_list>

#include "resources/resource_ids.h"

namespace vornal {

void EnabledStates::Set(int id, bool enabled) {
  for (auto& state : states_) {
    if (state.first == id) {
      state.second = enabled;
      return;
    }
  }
  states_.emplace_back(id, enabled);
}

bool EnabledStates::Enabled(int id) const {
  for (const auto& state : states_) {
    if (state.first == id) return state.second;
  }
  return false;
}

bool EnabledStates::Governs(int id) const {
  for (const auto& state : states_) {
    if (state.first == id) return true;
  }
  return false;
}

EnabledStates EvaluateEnableRules(const std::function<bool(int id)>& checked,
                                  const EnableFacts& facts) {
  EnabledStates out;
  const auto set = [&out](std::initializer_list<int> ids, bool enabled) {
    for (int id : ids) out.Set(id, enabled);
  };
  const auto enabled = [&out](int id) { return out.Enabled(id); };
  const auto anyChecked = [&checked](int first, int last, int except) {
    for (int id = first; id <= last; ++id) {
      if (id != except && checked(id)) return true;
    }
    return false;
  };
  const bool on = checked(IDC_RadioButton5);
  const bool xp = facts.osXPOrLater;
  const bool lwa = facts.layeredWindows;

  // The patch's own options ("Patch Features").
  set({IDC_CheckBox1, IDC_CheckBox2}, on);
  set({IDC_CheckBox3}, on && (checked(IDC_CheckBox1) || checked(IDC_CheckBox2)));
  set({IDC_CheckBox4}, enabled(IDC_CheckBox3));
  set({IDC_CheckBox5}, on && xp);
  set({IDC_CheckBox9}, on && lwa);
  set({IDC_CheckBox10}, on);
  set({IDC_CheckBox12}, enabled(IDC_CheckBox10) && checked(IDC_CheckBox10));
  set({IDC_CheckBox13, IDC_CheckBox14}, on);
  set({IDC_Label27, IDC_EditWindowWallpaper, IDC_ButtonWallpaper}, on && checked(IDC_CheckBox10));
  set({IDC_Label32, IDC_EditTVWallpaper, IDC_ButtonTVWallpaper},
      on && (checked(IDC_CheckBox13) || checked(IDC_CheckBox14)));
  set({IDC_CheckBox11}, on);
  set({IDC_Label28, IDC_EditMDIWallpaper, IDC_ButtonMDIWallpaper}, on && checked(IDC_CheckBox11));
  set({IDC_RadioButton1, IDC_RadioButton2}, on && checked(IDC_CheckBox5) && xp);
  set({IDC_RadioButton3, IDC_RadioButton4}, on && checked(IDC_CheckBox9) && lwa);

  // Desktop icon text and system colours.
  set({IDC_CheckBox16, IDM_DesktopTransparent1}, facts.desktopListView);
  set({IDC_CheckBox17}, checked(IDC_CheckBox16) && enabled(IDC_CheckBox16));
  set({IDC_Label10}, checked(IDC_CheckBox17) && enabled(IDC_CheckBox17));
  set({IDC_SpinEdit15}, enabled(IDC_Label10) && checked(IDC_CheckBox16));
  set({IDC_ButtonDeskText}, checked(IDC_CheckBox16) && enabled(IDC_CheckBox16));
  set({IDC_ButtonMDIForms, IDC_ButtonDesktop}, checked(IDC_CheckBox18));
  set({IDC_SpinEdit8, IDC_Label15}, checked(IDC_CheckBox6));

  // Everything that needs layered windows.
  set({IDC_CheckBox15, IDM_TaskbarTransparent1, IDC_RadioButtonStyle2, IDC_RadioButtonStyle13},
      facts.taskbar && lwa);
  set({IDC_TrackBarDragTrans}, lwa);
  set({IDC_Label21, IDC_Label22, IDC_Label23, IDC_Label24, IDC_SpinEdit9, IDC_SpinEdit10,
       IDC_SpinEdit11, IDC_SpinEdit12, IDC_SpinEdit13, IDC_Label25, IDC_Label26},
      enabled(IDC_TrackBarDragTrans));
  set({IDC_TrackBarTransparency}, checked(IDC_CheckBox15) && enabled(IDC_CheckBox15));
  set({IDC_SpinEdit14}, enabled(IDC_TrackBarTransparency));
  set({IDC_Label12, IDC_Label13}, enabled(IDC_SpinEdit14));

  // The Start button caption, only where the system draws it.
  const bool caption = facts.startCaptionDrawn;
  set({IDC_RadioButtonStart1, IDC_RadioButtonStart2, IDC_RadioButtonStart3, IDC_RadioButtonStart4}, caption);
  set({IDC_EditStartText}, checked(IDC_RadioButtonStart4) && caption);
  set({IDC_SpinEdit16}, !checked(IDC_RadioButtonStart1) && caption);
  set({IDC_Label11, IDC_Label14}, enabled(IDC_SpinEdit16));

  // Animation styles: the directions, then what depends on them.
  for (int id = IDC_RadioButtonStyle3; id <= IDC_RadioButtonStyle11; ++id) out.Set(id, facts.os98Or2000OrLater);
  for (int id = IDC_RadioButtonStyle14; id <= IDC_RadioButtonStyle22; ++id) out.Set(id, facts.os98Or2000OrLater);
  set({IDC_Label19, IDC_Label20}, facts.os98Or2000OrLater);
  set({IDC_RadioButtonStyle1}, enabled(IDC_RadioButtonStyle2) || enabled(IDC_RadioButtonStyle3));
  set({IDC_RadioButtonStyle12}, enabled(IDC_RadioButtonStyle13) || enabled(IDC_RadioButtonStyle14));
  // Sliding applies to a direction other than the centre.
  set({IDC_CheckBox7}, anyChecked(IDC_RadioButtonStyle3, IDC_RadioButtonStyle11, IDC_RadioButtonStyle7));
  set({IDC_CheckBox8}, anyChecked(IDC_RadioButtonStyle14, IDC_RadioButtonStyle22, IDC_RadioButtonStyle18));

  // Program toolbar backgrounds.
  set({IDC_Label29, IDC_EditExplorerToolbar, IDC_ButtonExplorer}, checked(IDC_CheckBoxExplorer));
  set({IDC_Label30, IDC_EditIEToolbar, IDC_ButtonIE}, checked(IDC_CheckBoxIE));
  return out;
}

}  // namespace vornal
