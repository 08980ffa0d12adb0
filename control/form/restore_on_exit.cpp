// Undoing the program's changes when it ends or Windows logs off: the tray
// icon, the shell's adjustments, the patch.
#include <windows.h>

#include "form/form_main.h"

namespace vornal {

void FormMain::RestoreOnExit() {
  const ShellMessenger::Operation operation(shell_.Messenger());
  // A refresh still to come would undo what is put back here.
  KillTimer(form_, kShellRefreshTimerId);
  shellRefreshPending_ = false;
  tray_.Delete();
  shell_.Restore();
  patch_.SwitchOff();
  RedrawDesktop1Click();
}

}  // namespace vornal
