// The two system colours: MDI application backgrounds and the desktop.
#include <windows.h>

#include <utility>

#include "shell/shell_adjuster.h"

namespace vornal {

void ShellAdjuster::WriteSysColours(COLORREF appWorkspace, COLORREF desktop) {
  INT elements[2];
  COLORREF colours[2];
  UINT changed = 0;
  for (const auto& [element, wanted] : {std::pair{COLOR_APPWORKSPACE, appWorkspace},
                                        std::pair{COLOR_BACKGROUND, desktop}}) {
    if (GetSysColor(element) == wanted) continue;
    elements[changed] = element;
    colours[changed] = wanted;
    ++changed;
  }
  if (changed == 0) return;
  // The change is announced to every top-level window, and some systems
  // wait there for each window to answer: with a program that does not
  // answer, the colours wait for the next apply.
  if (!link_.EveryOtherThreadAnswers()) return;
  SetSysColors(static_cast<int>(changed), elements, colours);
}

void ShellAdjuster::ApplySystemColours() {
  const ShellMessenger::Operation operation(link_);
  if (options_.systemColours) {
    WriteSysColours(options_.mdiBackground, options_.desktop);
  } else {
    WriteSysColours(saved_.appWorkspaceColour, saved_.desktopColour);
  }
}

void ShellAdjuster::RestoreSystemColours() {
  if (options_.systemColours) WriteSysColours(saved_.appWorkspaceColour, saved_.desktopColour);
}

}  // namespace vornal
