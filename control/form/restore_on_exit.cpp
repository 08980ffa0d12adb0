// Undoing the program's changes to the shell when it ends or Windows logs
// off: icon, icon text colours, taskbar opacity, system colours, the hook.
#include <windows.h>

#include "form_main.h"
#include "resources/resource_ids.h"

namespace vornal {

void FormMain::RestoreOnExit() {
  const ShellMessenger::Operation operation(shellLink_);
  KillTimer(form_, kTimerDesk);
  tray_.Delete();
  RestoreDesktopIconText();
  // The check box, not the record, says whether the taskbar was changed:
  // its live preview may hold an unsaved state.
  if (Checked(IDC_CheckBox15)) {
    SetTaskbarAlpha(false, 255);
  }
  RestoreSystemColours();
  if (patchRunning_) {
    UnloadHookLibrary();
    patchRunning_ = AnyHookRunning();
  }
  pictures_.Withdraw();
  RedrawDesktop1Click();
}

}  // namespace vornal
