// The captions of the desktop icons: a transparent background and a colour
// of the user's, kept in force by TimerDesk, or the shell's own look back.
#include <windows.h>
#include <commctrl.h>

#include "form_main.h"
#include "resources/resource_ids.h"

namespace vornal {
namespace {

constexpr COLORREF kNoColour = CLR_NONE;  // transparent text background

}  // namespace

bool FormMain::ReadIconColours(COLORREF& textBk, COLORREF& text) {
  LRESULT bk = 0;
  LRESULT fore = 0;
  if (!shellLink_.Send(shell_.desktopListView, LVM_GETTEXTBKCOLOR, 0, 0, &bk) ||
      !shellLink_.Send(shell_.desktopListView, LVM_GETTEXTCOLOR, 0, 0, &fore)) {
    return false;
  }
  textBk = static_cast<COLORREF>(bk);
  text = static_cast<COLORREF>(fore);
  return true;
}

void FormMain::WriteIconColours(COLORREF textBk, COLORREF text) {
  if (shellLink_.Send(shell_.desktopListView, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(textBk))) {
    shellLink_.Send(shell_.desktopListView, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(text));
  }
}

void FormMain::ApplyDesktopIconText() {
  const ShellMessenger::Operation operation(shellLink_);
  if (settings_.CheckFlag(16) && IsWindowEnabled(Control(IDC_CheckBox16))) {
    TimerDeskTimer();
    if (settings_.CheckFlag(17)) SetTimer(form_, kTimerDesk, settings_.SpinValue(15), nullptr);
    return;
  }
  if (shell_.desktopListView == nullptr) return;
  const COLORREF background = GetSysColor(COLOR_BACKGROUND);
  COLORREF textBk = 0;
  COLORREF text = 0;
  if (!ReadIconColours(textBk, text)) return;
  // No repaint here: applying ends by repainting every window.
  if (textBk != background || text != saved_.iconTextColour) {
    WriteIconColours(background, saved_.iconTextColour);
  }
}

void FormMain::TimerDeskTimer() {
  const ShellMessenger::Operation operation(shellLink_);
  if (shell_.desktopListView == nullptr) return;
  COLORREF textBk = 0;
  COLORREF text = 0;
  if (!ReadIconColours(textBk, text)) return;
  // Repaint only when the shell has put its own colours back.
  if (textBk == kNoColour && text == settings_.ColourValue(1)) return;
  WriteIconColours(kNoColour, settings_.ColourValue(1));
  // Marks the view for repainting in its own thread; nothing waits here.
  InvalidateRect(shell_.desktopListView, nullptr, TRUE);
}

void FormMain::RestoreDesktopIconText() {
  if (shell_.desktopListView == nullptr || !settings_.CheckFlag(16)) return;
  WriteIconColours(saved_.desktopColour, saved_.iconTextColour);
}

}  // namespace vornal
