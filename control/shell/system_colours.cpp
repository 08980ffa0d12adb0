// The two system colours: MDI application backgrounds and the desktop.
#include <windows.h>

#include "form_main.h"

namespace vornal {

void FormMain::WriteSysColour(int element, COLORREF wanted) {
  if (GetSysColor(element) == wanted) return;
  // The change is announced to every top-level window, and some systems
  // wait there for each window to answer: with a program that does not
  // answer, the colour waits for the next apply.
  if (!shellLink_.EveryOtherThreadAnswers()) return;
  const INT elements[1] = {element};
  const COLORREF colours[1] = {wanted};
  SetSysColors(1, elements, colours);
}

void FormMain::ApplySystemColours() {
  const ShellMessenger::Operation operation(shellLink_);
  const bool override = settings_.CheckFlag(18);
  WriteSysColour(COLOR_APPWORKSPACE, override ? settings_.ColourValue(2) : saved_.appWorkspaceColour);
  WriteSysColour(COLOR_BACKGROUND, override ? settings_.ColourValue(3) : saved_.desktopColour);
}

void FormMain::RestoreSystemColours() {
  if (!settings_.CheckFlag(18)) return;
  WriteSysColour(COLOR_APPWORKSPACE, saved_.appWorkspaceColour);
  WriteSysColour(COLOR_BACKGROUND, saved_.desktopColour);
}

}  // namespace vornal
