// The system's high contrast as the dialog sees it. While it is on, the
// wallpapers and the system colour override are paused (high_contrast_rule.h),
// and the pages of those options say so rather than seem to be ignored.
#include <windows.h>

#include "form/form_main.h"
#include "high_contrast.h"
#include "resources/resource_ids.h"

namespace vornal {

bool FormMain::HighContrast() const {
  return env_.highContrast ? env_.highContrast() : HighContrastOn();
}

void FormMain::ShowHighContrastNotes(bool on) {
  for (const int id : {IDC_LabelHighContrastWindow, IDC_LabelHighContrastMDI, IDC_LabelHighContrastLists,
                       IDC_LabelHighContrastColours}) {
    ShowWindow(Control(id), on ? SW_SHOWNA : SW_HIDE);
  }
}

// WM_SETTINGCHANGE for SPI_SETHIGHCONTRAST, which the system sends to every
// top-level window. The hooked programs notice it themselves; here the
// system colours follow at once (nothing is written while it is on, the
// override comes back when it is off) and the notes change.
void FormMain::OnHighContrastChanged() {
  const bool on = HighContrast();
  ShowHighContrastNotes(on);
  shell_.SetHighContrast(on);
}

}  // namespace vornal
