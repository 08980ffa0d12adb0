// The captions of the desktop icons: a transparent background and a colour
// of the user's, kept in force by TimerDesk, or the shell's own look back.
#include <windows.h>
#include <commctrl.h>

#include "shell/shell_adjuster.h"

namespace vornal {
namespace {

constexpr COLORREF kNoColour = CLR_NONE;  // transparent text background

}  // namespace

bool ShellAdjuster::ReadIconColours(COLORREF& textBk, COLORREF& text) {
  LRESULT bk = 0;
  LRESULT fore = 0;
  if (!link_.Send(shell_.desktopListView, LVM_GETTEXTBKCOLOR, 0, 0, &bk) ||
      !link_.Send(shell_.desktopListView, LVM_GETTEXTCOLOR, 0, 0, &fore)) {
    return false;
  }
  textBk = static_cast<COLORREF>(bk);
  text = static_cast<COLORREF>(fore);
  return true;
}

void ShellAdjuster::WriteIconColours(COLORREF textBk, COLORREF text) {
  // From the first change on, the view no longer shows the shell's own
  // colour: what was noted before (or nothing) is what goes back.
  saved_.iconTextColourKnown = true;
  if (link_.Send(shell_.desktopListView, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(textBk))) {
    link_.Send(shell_.desktopListView, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(text));
  }
}

void ShellAdjuster::ApplyDesktopIconText() {
  const ShellMessenger::Operation operation(link_);
  if (options_.iconTextClear && shell_.desktopListView != nullptr) {
    TimerDeskTimer();
    if (options_.iconTextRecheck) timers_.Start(kTimerDesk, options_.iconTextInterval);
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

void ShellAdjuster::TimerDeskTimer() {
  const ShellMessenger::Operation operation(link_);
  if (shell_.desktopListView == nullptr) return;
  COLORREF textBk = 0;
  COLORREF text = 0;
  if (!ReadIconColours(textBk, text)) return;
  // Repaint only when the shell has put its own colours back.
  if (textBk == kNoColour && text == options_.iconTextColour) return;
  WriteIconColours(kNoColour, options_.iconTextColour);
  // Marks the view for repainting in its own thread; nothing waits here.
  InvalidateRect(shell_.desktopListView, nullptr, TRUE);
}

void ShellAdjuster::RestoreDesktopIconText() {
  if (shell_.desktopListView == nullptr || !options_.iconTextClear) return;
  WriteIconColours(saved_.desktopColour, saved_.iconTextColour);
}

}  // namespace vornal
