// Applying the enable rules to the dialog's controls and the tray menu.
#include <windows.h>

#include "form/enable_rules.h"
#include "form/form_main.h"
#include "resources/resource_ids.h"

namespace vornal {

bool FormMain::IsEnableRuleInput(int id) {
  switch (id) {
    case IDC_RadioButton5: case IDC_RadioButton6:
    case IDC_CheckBox1: case IDC_CheckBox2: case IDC_CheckBox5: case IDC_CheckBox6:
    case IDC_CheckBox9: case IDC_CheckBox10: case IDC_CheckBox11: case IDC_CheckBox13:
    case IDC_CheckBox14: case IDC_CheckBox16: case IDC_CheckBox17: case IDC_CheckBox18:
    case IDC_CheckBoxExplorer: case IDC_CheckBoxIE:
      return true;
    default:
      return (id >= IDC_RadioButtonStart1 && id <= IDC_RadioButtonStart4) ||
             (id >= IDC_RadioButtonStyle1 && id <= IDC_RadioButtonStyle22);
  }
}

void FormMain::UpdateEnableds() {
  EnableFacts facts;
  facts.osXPOrLater = osXPOrLater_;
  facts.os98Or2000OrLater = os98Or2000OrLater_;
  facts.layeredWindows = shell_.LayeredWindows();
  facts.taskbar = shell_.Windows().taskbar != nullptr;
  facts.desktopListView = shell_.Windows().desktopListView != nullptr;
  facts.startCaptionDrawn = StartCaptionDrawn(env_.os);
  const EnabledStates states = EvaluateEnableRules(
      [this](int id) { return Checked(id); }, facts);
  for (const auto& [id, enabled] : states.All()) {
    if (id == IDM_DesktopTransparent1 || id == IDM_TaskbarTransparent1) {
      EnableMenuItem(popup_, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
      continue;
    }
    EnableWindow(Control(id), enabled ? TRUE : FALSE);
    // A spin edit's arrows go with it.
    if (id >= IDC_SpinEdit1 && id <= IDC_SpinEdit16) {
      EnableWindow(Control(id + IDC_SPIN_PARTNER_OFFSET), enabled ? TRUE : FALSE);
    }
  }
}

}  // namespace vornal
