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

bool FormMain::LoadHookLibrary() { return ownHook_.Install(); }

bool FormMain::UnloadHookLibrary() {
  const bool own = ownHook_.Remove();
  const bool host = host_.Stop();
  return own && host;
}

bool FormMain::HookHostServes() const { return !env_.hostPath.empty() && !noThirtyTwoBit_; }

bool FormMain::StartHookHost() {
  const OtherBitness outcome = host_.Start(env_.hostPath, env_.wow64Folder);
  hostFailed_ = outcome == OtherBitness::Failed;
  // Said once, in the status line; the host is not tried again.
  noThirtyTwoBit_ = outcome == OtherBitness::Unsupported;
  return !hostFailed_;
}

OtherBitness FormMain::OtherBitnessState() const {
  if (env_.hostPath.empty()) return onWow64_ ? OtherBitness::Unserved : OtherBitness::None;
  if (noThirtyTwoBit_) return OtherBitness::Unsupported;
  if (host_.Running()) return OtherBitness::Running;
  return hostFailed_ ? OtherBitness::Failed : OtherBitness::None;
}

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
  // Before the hook: every library that loads or reloads from here on
  // finds the pictures ready.
  PublishPictures();
  ApplyHook();

  SetWindowTextA(Control(IDC_LabelStatus), PatchStatusText(patchRunning_));
  SetWindowTextA(Control(IDC_LabelReach), ReachText(ownHook_.Installed(), OtherBitnessState()).c_str());
  ShowStatus(patchRunning_ ? TrayStatus::PatchRunning : TrayStatus::PatchNotRunning);
  SetMenuChecked(IDM_PatchEnabled1, settings_.RadioFlag(3));
  SetMenuChecked(IDM_TaskbarTransparent1, settings_.CheckFlag(15));
  SetMenuChecked(IDM_DesktopTransparent1, settings_.CheckFlag(16));
  RedrawDesktop1Click();

  ShowWindow(panel, SW_HIDE);
  SetCursor(previousCursor != nullptr ? previousCursor : LoadCursor(nullptr, IDC_ARROW));
  EnableWindow(form_, TRUE);
}

void FormMain::PublishPictures() {
  if (!settings_.RadioFlag(3)) {
    pictures_.Withdraw();
    return;
  }
  pictures_.Publish(PublishedPicturePaths(settings_));
}

void FormMain::ApplyHook() {
  const bool on = settings_.RadioFlag(3);
  bool reload = false;
  bool startFailed = false;
  bool unloadFailed = false;
  switch (PlanHookAction(on, ownHook_.Installed(), Is9xFamily(env_.os))) {
    case HookAction::Nothing:
      break;
    case HookAction::BroadcastReload:
      reload = true;
      break;
    case HookAction::Reinstall:
      unloadFailed = !ownHook_.Remove();
      if (!unloadFailed) startFailed = !LoadHookLibrary();
      break;
    case HookAction::Install:
      startFailed = !LoadHookLibrary();
      break;
    case HookAction::Remove:
      unloadFailed = !ownHook_.Remove();
      break;
  }
  // The other bitness, through the host (never on the 9x family).
  if (HookHostServes()) {
    switch (PlanHookAction(on, host_.Running(), false)) {
      case HookAction::Install: startFailed = !StartHookHost() || startFailed; break;
      case HookAction::BroadcastReload: reload = true; break;
      case HookAction::Remove: unloadFailed = !host_.Stop() || unloadFailed; break;
      default: break;
    }
  }
  if (reload) {
    // Every hooked process, of either bitness, reads the settings again
    // when the message passes through its hook, which sees sent messages
    // only. A notify send is delivered as a sent message but never waits
    // for a window that does not answer.
    SendNotifyMessageA(HWND_BROADCAST, msgSettingsUpdated_, 0, 0);
  }
  patchRunning_ = AnyHookRunning();
  // One box per apply. An error box re-enables its owner when it closes;
  // the form stays disabled until applying has finished.
  const char* error = unloadFailed ? kUnloadError : startFailed ? kStartError : nullptr;
  if (error != nullptr && env_.showError) {
    env_.showError(form_, error);
    EnableWindow(form_, FALSE);
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
