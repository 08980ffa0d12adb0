// Keeping the shell adjustments in force when the shell changes under
// them, and saying which options find no shell window to work on.
#include <windows.h>

#include "form/form_main.h"
#include "resources/resource_ids.h"

namespace vornal {
namespace {

// A restart or a change of look comes as a burst of messages while the
// shell rebuilds its windows: one refresh, a second after the first.
constexpr UINT kShellRefreshDelayMs = 1000;

int NoteLabel(ShellPart part) {
  switch (part) {
    case ShellPart::Taskbar: return IDC_LabelTaskbarMissing;
    case ShellPart::IconView: return IDC_LabelIconViewMissing;
    case ShellPart::StartButton: return IDC_LabelStartButtonMissing;
  }
  return 0;
}

}  // namespace

void FormMain::ShellChanged() {
  if (shellRefreshPending_) return;
  shellRefreshPending_ = SetTimer(form_, kShellRefreshTimerId, kShellRefreshDelayMs, nullptr) != 0;
  // Without a timer the refresh comes at once, once per message.
  if (!shellRefreshPending_) ShellRefreshTimer();
}

void FormMain::ShellRefreshTimer() {
  KillTimer(form_, kShellRefreshTimerId);
  shellRefreshPending_ = false;
  const ShellMessenger::Operation operation(shell_.Messenger());
  shell_.Refresh();
  UpdateEnableds();
  ShowMissingShellWindows();
}

void FormMain::ShowMissingShellWindows() {
  const ShellWindows& found = shell_.Windows();
  const StartCaptionMode startMode = static_cast<StartCaptionMode>(settings_.Get(Choice::StartCaption));
  ShellPartStates states{};
  states[static_cast<int>(ShellPart::Taskbar)] = {settings_.Get(Check::TaskbarTransparent),
                                                  found.taskbar != nullptr};
  states[static_cast<int>(ShellPart::IconView)] = {settings_.Get(Check::DesktopIconText),
                                                   found.desktopListView != nullptr};
  states[static_cast<int>(ShellPart::StartButton)] = {
      StartCaptionDrawn(env_.os) && startMode != StartCaptionMode::Unchanged,
      found.startButton != nullptr};
  const MissingWindowNotes notes = NoteMissingWindows(states, missingReported_);
  for (ShellPart part : notes.report) {
    HWND label = Control(NoteLabel(part));
    SetWindowTextA(label, MissingWindowText(part));
    ShowWindow(label, SW_SHOWNA);
  }
  for (ShellPart part : notes.withdraw) ShowWindow(Control(NoteLabel(part)), SW_HIDE);
  missingReported_ = notes.reported;
}

}  // namespace vornal
