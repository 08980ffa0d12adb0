// Applying settings: the shell and the patch brought in line with the
// record, the status shown in the dialog and the tray, and the buttons and
// menu items that lead there.
#include "form/form_main.h"
#include "resources/resource_ids.h"

namespace vornal {

void FormMain::ShowStatus(TrayStatus status) {
  tray_.SetStatus(status);
  // A taskbar that does not answer learns the state at the next change.
  tray_.Modify();
}

void FormMain::ApplySettings() {
  // One operation towards the shell: a shell window that does not answer
  // is left alone for the rest of this apply, the tray icon's calls too.
  const ShellMessenger::Operation operation(shell_.Messenger());
  EnableWindow(form_, FALSE);
  HCURSOR previousCursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
  HWND panel = Control(IDC_PanelStatus);
  ShowWindow(panel, SW_SHOW);
  UpdateWindow(panel);
  ShowStatus(TrayStatus::PleaseWait);

  ShellOptions shellOptions = ShellOptionsFrom(settings_);
  shellOptions.startCaptionDrawn = StartCaptionDrawn(env_.os);
  shellOptions.highContrast = HighContrast();
  ShowHighContrastNotes(shellOptions.highContrast);
  shell_.Apply(shellOptions);
  // Before the patch, so that the overlay it starts plays the first box
  // with the options just saved.
  patch_.Overlay().SetOptions(settings_.Get(Spin::BoxThickness), settings_.Get(Spin::OpenDuration),
                              settings_.Get(Spin::CloseDuration), settings_.Get(Radio::PatchOn));
  const PatchProblem problem = patch_.Apply(settings_.Get(Radio::PatchOn), PublishedPicturePaths(settings_), ExclusionsFromForm());
  // One box per apply. An error box re-enables its owner when it closes;
  // the form stays disabled until applying has finished.
  if (problem != PatchProblem::None && env_.showError) {
    env_.showError(form_, PatchProblemText(problem));
    EnableWindow(form_, FALSE);
  }

  SetWindowTextA(Control(IDC_LabelStatus), PatchStatusText(patch_.Running()));
  SetWindowTextA(Control(IDC_LabelReach), patch_.ReachText().c_str());
  ShowAnimationSwitch();
  ShowStatus(patch_.Running() ? TrayStatus::PatchRunning : TrayStatus::PatchNotRunning);
  SetMenuChecked(IDM_PatchEnabled1, settings_.Get(Radio::PatchOn));
  SetMenuChecked(IDM_TaskbarTransparent1, settings_.Get(Check::TaskbarTransparent));
  SetMenuChecked(IDM_DesktopTransparent1, settings_.Get(Check::DesktopIconText));
  RedrawDesktop1Click();
  ShowMissingShellWindows();

  ShowWindow(panel, SW_HIDE);
  SetCursor(previousCursor != nullptr ? previousCursor : LoadCursor(nullptr, IDC_ARROW));
  EnableWindow(form_, TRUE);
}

void FormMain::ButtonApplyClick() {
  FormToSettings();
  SaveSettings();
  ApplySettings();
}

void FormMain::BitBtnOKClick() {
  ButtonApplyClick();
  HideForm();
}

void FormMain::BitBtnCancelClick() {
  LoadSettings();
  SettingsToForm();
  // The taskbar follows the dialog live; put it back to what is stored.
  shell_.SetTaskbarAlpha(settings_.Get(Check::TaskbarTransparent), settings_.Get(Spin::TaskbarOpacity) & 0xFF);
  HideForm();
}

void FormMain::PatchEnabled1Click() {
  const bool on = !MenuChecked(IDM_PatchEnabled1);
  SetMenuChecked(IDM_PatchEnabled1, on);
  SetControlChecked(on ? IDC_RadioButton6 : IDC_RadioButton5, false);
  SetControlChecked(on ? IDC_RadioButton5 : IDC_RadioButton6, true);
  ButtonApplyClick();
}

void FormMain::TaskbarTransparent1Click() {
  const bool on = !MenuChecked(IDM_TaskbarTransparent1);
  SetMenuChecked(IDM_TaskbarTransparent1, on);
  SetControlChecked(IDC_CheckBox15, on);  // its click handler shows the taskbar at once
  ButtonApplyClick();
}

void FormMain::DesktopTransparent1Click() {
  const bool on = !MenuChecked(IDM_DesktopTransparent1);
  SetMenuChecked(IDM_DesktopTransparent1, on);
  SetControlChecked(IDC_CheckBox16, on);
  ButtonApplyClick();
}

}  // namespace vornal
