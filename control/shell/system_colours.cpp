// The two system colours: MDI application backgrounds and the desktop,
// left alone while the system's high contrast is on.
#include <windows.h>

#include <utility>

#include "high_contrast_rule.h"
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
  const SystemColourWrite write = SystemColoursToWrite(options_.highContrast, options_.systemColours);
  // Under high contrast the theme's colours stay as they are, and what was
  // saved is kept for when it is off again.
  if (write == SystemColourWrite::Nothing) return;
  if (!saved_.systemColoursNoted) {
    // Nothing has written them since start or since high contrast ended:
    // these are the system's own.
    saved_.appWorkspaceColour = GetSysColor(COLOR_APPWORKSPACE);
    saved_.desktopColour = GetSysColor(COLOR_BACKGROUND);
    saved_.systemColoursNoted = true;
  }
  if (write == SystemColourWrite::Chosen) {
    WriteSysColours(options_.mdiBackground, options_.desktop);
  } else {
    WriteSysColours(saved_.appWorkspaceColour, saved_.desktopColour);
  }
}

void ShellAdjuster::RestoreSystemColours() {
  // Under high contrast nothing is put back over the theme's colours: when
  // it ends, the system restores its own scheme, which the saved colours
  // were taken from.
  if (SystemColoursToWrite(options_.highContrast, options_.systemColours) == SystemColourWrite::Chosen) {
    WriteSysColours(saved_.appWorkspaceColour, saved_.desktopColour);
  }
}

void ShellAdjuster::SetHighContrast(bool on) {
  options_.highContrast = on;
  ApplySystemColours();
}

}  // namespace vornal
