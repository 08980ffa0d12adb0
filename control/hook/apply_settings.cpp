// Applying settings: the hook, the status shown in the dialog and the tray,
// and the buttons and menu items that lead there.
#include "form_main.h"
#include "hook_plan.h"
#include "resources/resource_ids.h"

namespace vornal {
namespace {

constexpr char kUnloadError[] =
    "Could not unload VornalLib.dll - please try again in a few minutes.  If the problem "
    "persists, restart the computer.";
constexpr char kStartError[] =
    "Could not start VornalLib.dll - please check it is in the same folder as Vornal.exe.  If "
    "the problem persists, unset the Startup option, reboot, and re-download (or copy) the "
    "application's files from a reliable source.";

}  // namespace

bool FormMain::LoadHookLibrary() { return hook_.Load(env_.libraryPath); }

bool FormMain::UnloadHookLibrary() { return hook_.Unload(); }

void FormMain::ShowStatus(TrayStatus status) {
  tray_.SetStatus(status);
  // A taskbar that does not answer learns the state at the next change.
  tray_.Modify();
}

void FormMain::ApplySettings() {
  // One operation towards the shell: a shell window that does not answer
  // is left alone for the rest of this apply.
  const ShellMessenger::Operation operation(shellLink_);
  EnableWindow(form_, FALSE);
  StopTimers();
  HCURSOR previousCursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
  HWND panel = Control(IDC_PanelStatus);
  ShowWindow(panel, SW_SHOW);
  UpdateWindow(panel);
  ShowStatus(TrayStatus::PleaseWait);

  LocateShellWindows();
  ApplySystemColours();
  ApplyDesktopIconText();
  ApplyStartCaption();
  ApplyHook();

  SetWindowTextA(Control(IDC_LabelStatus), PatchStatusText(patchRunning_));
  ShowStatus(patchRunning_ ? TrayStatus::PatchRunning : TrayStatus::PatchNotRunning);
  SetMenuChecked(IDM_PatchEnabled1, settings_.RadioFlag(3));
  SetMenuChecked(IDM_TaskbarTransparent1, settings_.CheckFlag(15));
  SetMenuChecked(IDM_DesktopTransparent1, settings_.CheckFlag(16));
  RedrawDesktop1Click();

  ShowWindow(panel, SW_HIDE);
  SetCursor(previousCursor != nullptr ? previousCursor : LoadCursor(nullptr, IDC_ARROW));
  EnableWindow(form_, TRUE);
}

void FormMain::ApplyHook() {
  // An error box re-enables its owner when it closes; the form stays
  // disabled until applying has finished.
  const auto error = [this](const char* text) {
    if (env_.showError) env_.showError(form_, text);
    EnableWindow(form_, FALSE);
  };
  switch (PlanHookAction(settings_.RadioFlag(3), patchRunning_, Is9xFamily(env_.os))) {
    case HookAction::Nothing:
      break;
    case HookAction::BroadcastReload:
      // Every hooked process reads the settings again when the message
      // passes through its hook, which sees sent messages only. A notify
      // send is delivered as a sent message but never waits for a window
      // that does not answer.
      SendNotifyMessageA(HWND_BROADCAST, msgSettingsUpdated_, 0, 0);
      break;
    case HookAction::Reinstall:
      patchRunning_ = !UnloadHookLibrary();
      if (patchRunning_) {
        error(kUnloadError);
        break;
      }
      patchRunning_ = LoadHookLibrary();
      if (!patchRunning_) error(kStartError);
      break;
    case HookAction::Install:
      patchRunning_ = LoadHookLibrary();
      if (!patchRunning_) error(kStartError);
      break;
    case HookAction::Remove:
      patchRunning_ = !UnloadHookLibrary();
      if (patchRunning_) error(kUnloadError);
      break;
  }
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
  SetTaskbarAlpha(settings_.CheckFlag(15), settings_.SpinValue(14) & 0xFF);
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
