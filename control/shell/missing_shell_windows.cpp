#include "shell/missing_shell_windows.h"

namespace vornal {

MissingWindowNotes NoteMissingWindows(const ShellPartStates& states, const ShellPartFlags& reported) {
  MissingWindowNotes notes;
  for (int i = 0; i < kShellPartCount; ++i) {
    const auto part = static_cast<ShellPart>(i);
    // An option that is off needs no window; its note goes too.
    const bool missing = states[i].optionOn && !states[i].found;
    if (missing && !reported[i]) notes.report.push_back(part);
    if (!missing && reported[i]) notes.withdraw.push_back(part);
    notes.reported[i] = missing;
  }
  return notes;
}

const char* MissingWindowText(ShellPart part) {
  switch (part) {
    case ShellPart::Taskbar: return "The taskbar was not found: its opacity is not changed.";
    case ShellPart::IconView: return "The desktop icon view was not found: the icon text is not changed.";
    case ShellPart::StartButton: return "The Start button was not found: its caption is not changed.";
  }
  return "";
}

}  // namespace vornal
