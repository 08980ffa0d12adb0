// Undoing the program's changes to the shell when it ends or Windows logs
// off: icon, icon text colours, taskbar opacity, system colours, the hook.
#include <windows.h>
#include <commctrl.h>

#include "form_main.h"
#include "resources/resource_ids.h"

namespace vornal {

void FormMain::RestoreOnExit() {
  KillTimer(form_, kTimerDesk);
  tray_.Delete();
  if (shell_.desktopListView != nullptr && settings_.CheckFlag(16)) {
    SendMessageA(shell_.desktopListView, LVM_SETTEXTBKCOLOR, 0,
                 static_cast<LPARAM>(saved_.desktopColour));
    SendMessageA(shell_.desktopListView, LVM_SETTEXTCOLOR, 0,
                 static_cast<LPARAM>(saved_.iconTextColour));
  }
  // The check box, not the record, says whether the taskbar was changed:
  // its live preview may hold an unsaved state.
  if (SendMessageA(Control(IDC_CheckBox15), BM_GETCHECK, 0, 0) == BST_CHECKED) {
    SetTaskbarAlpha(false, 255);
  }
  if (settings_.CheckFlag(18)) {
    const INT elements[2] = {COLOR_APPWORKSPACE, COLOR_BACKGROUND};
    const COLORREF colours[2] = {saved_.appWorkspaceColour, saved_.desktopColour};
    for (int i = 0; i < 2; ++i) {
      if (GetSysColor(elements[i]) != colours[i]) SetSysColors(1, &elements[i], &colours[i]);
    }
  }
  if (patchRunning_) patchRunning_ = !UnloadHookLibrary();
  RedrawDesktop1Click();
}

}  // namespace vornal
