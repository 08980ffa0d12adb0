// Finding the shell's windows that the program adjusts, by their classes.
#include <windows.h>
#include <commctrl.h>

#include "shell/shell_adjuster.h"

namespace vornal {

void ShellAdjuster::LocateShellWindows() {
  shell_.desktopListView = FindWindowA("Progman", nullptr);
  if (shell_.desktopListView != nullptr) {
    shell_.desktopListView =
        FindWindowExA(shell_.desktopListView, nullptr, "SHELLDLL_DefView", nullptr);
  }
  if (shell_.desktopListView != nullptr) {
    shell_.desktopListView =
        FindWindowExA(shell_.desktopListView, nullptr, "SysListView32", nullptr);
  }
  shell_.taskbar = FindWindowA("Shell_TrayWnd", nullptr);
  shell_.startButton =
      shell_.taskbar != nullptr ? FindWindowExA(shell_.taskbar, nullptr, "Button", nullptr) : nullptr;

  // The caption that "Do not modify" puts back is the one the Start button
  // had when the program first saw it: at start-up, or later when the
  // shell came up after the program. Reading another program's caption
  // sends it nothing.
  if (shell_.startButton != nullptr && !saved_.startCaptionKnown) {
    char caption[10] = {};
    GetWindowTextA(shell_.startButton, caption, sizeof caption);
    saved_.startCaption = caption;
    saved_.startCaptionKnown = true;
  }
}

void ShellAdjuster::NoteIconTextColour() {
  // Likewise the icon captions' colour, which switching the icon text off
  // puts back: a shell that came up after the program has its own, which
  // the program has not seen at start. Asked only until it answers once.
  LRESULT iconText = 0;
  if (shell_.desktopListView != nullptr && !saved_.iconTextColourKnown &&
      link_.Send(shell_.desktopListView, LVM_GETTEXTCOLOR, 0, 0, &iconText)) {
    saved_.iconTextColour = static_cast<COLORREF>(iconText);
    saved_.iconTextColourKnown = true;
  }
}

}  // namespace vornal
