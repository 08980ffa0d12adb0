// Finding the shell's windows that the program adjusts, by their classes.
#include <windows.h>

#include "form_main.h"

namespace vornal {

void FormMain::LocateShellWindows() {
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

}  // namespace vornal
