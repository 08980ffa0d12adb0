// The adjuster's start, apply and end; each adjustment has a file of its
// own beside this one.
#include "shell/shell_adjuster.h"

#include <commctrl.h>

namespace vornal {

ShellAdjuster::ShellAdjuster() {
  timers_.onTick = [this](UINT_PTR id) {
    if (id == kTimerDesk) TimerDeskTimer();
    if (id == kTimerStart) TimerStartTimer();
  };
}

void ShellAdjuster::NoteShellAtStart() {
  if (HMODULE user32 = GetModuleHandleA("user32.dll")) {
    setLayeredWindowAttributes_ = reinterpret_cast<SetLayeredProc>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")));
  }
  if (HMODULE kernel32 = GetModuleHandleA("kernel32.dll")) {
    globalMemoryStatusEx_ = reinterpret_cast<GlobalMemoryStatusExProc>(
        reinterpret_cast<void*>(GetProcAddress(kernel32, "GlobalMemoryStatusEx")));
  }
  // Also notes the Start button's caption.
  LocateShellWindows();
  NoteIconTextColour();
  saved_.appWorkspaceColour = GetSysColor(COLOR_APPWORKSPACE);
  saved_.desktopColour = GetSysColor(COLOR_BACKGROUND);
}

void ShellAdjuster::Apply(const ShellOptions& options) {
  options_ = options;
  StopTimers();
  LocateShellWindows();
  NoteIconTextColour();
  ApplySystemColours();
  ApplyDesktopIconText();
  ApplyStartCaption();
}

void ShellAdjuster::Restore() {
  const ShellMessenger::Operation operation(link_);
  timers_.Stop(kTimerDesk);
  RestoreDesktopIconText();
  if (taskbarLayered_) SetTaskbarAlpha(false, 255);
  RestoreSystemColours();
}

void ShellAdjuster::Refresh() {
  const ShellMessenger::Operation operation(link_);
  LocateShellWindows();
  NoteIconTextColour();
  // The icon text as the last apply asked for it; with the option off the
  // shell's colours are its own, whatever its new look gives them.
  if (options_.iconTextClear) ApplyDesktopIconText();
  // A taskbar that has just been made is opaque: only a transparent one is
  // given its opacity again.
  if (taskbarLayered_) SetTaskbarAlpha(true, taskbarAlpha_);
}

bool ShellAdjuster::TaskbarAnswers() {
  // The notify-icon call sends to the first window of the taskbar's class,
  // which may be another program's; both must answer for it not to wait.
  LocateShellWindows();
  HWND first = FindWindowA("Shell_TrayWnd", nullptr);
  return (shell_.taskbar == nullptr || link_.Answers(shell_.taskbar)) &&
         (first == nullptr || first == shell_.taskbar || link_.Answers(first));
}

void ShellAdjuster::StopTimers() {
  timers_.Stop(kTimerDesk);
  timers_.Stop(kTimerStart);
}

}  // namespace vornal
