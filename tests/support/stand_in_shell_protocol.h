// How the tests drive vornal_stand_in_shell.exe, a program that plays the
// Windows shell for the control program: a taskbar "Shell_TrayWnd" with a
// Start "Button", and "Progman" holding "SHELLDLL_DefView" holding a real
// "SysListView32" for the desktop icons; its "Progman" is the system's
// shell window (SetShellWindow), as the Windows shell's is. Started with
// the argument "ordinary" it makes one plain program window instead; with
// "replacement" only a taskbar, as a taskbar replacement does. "secondary"
// adds a second taskbar "Shell_SecondaryTrayWnd", "workerw" puts the icon
// view under a top-level "WorkerW" instead. Either way it can be told to
// stop answering, as a frozen program does.
#pragma once

#include <windows.h>

namespace vornal::test {

inline constexpr char kStandInControlClass[] = "VornalStandInShellControl";
inline constexpr char kOrdinaryMode[] = "ordinary";
inline constexpr char kReplacementMode[] = "replacement";
inline constexpr char kSecondaryTaskbarMode[] = "secondary";
inline constexpr char kWorkerWMode[] = "workerw";

// Messages to the stand-in's control window; the answer is the result of
// SendMessage.
enum : UINT {
  // Answers, then its thread stops handling messages for wParam
  // milliseconds (0: until the process is ended).
  kHang = WM_APP + 20,
  // Gives the icon view the shell's own caption colours again.
  kResetIconColours,
  // Destroys and recreates the taskbar and the desktop windows, then
  // announces "TaskbarCreated" as a restarted shell does.
  kRestartShell,
  // Counters since start: paints of the icon view (or of the ordinary
  // window), captions written to the Start button, WM_SYSCOLORCHANGE seen.
  kPaints,
  kStartCaptionWrites,
  kSysColourChanges,
  // Index in kTrayTips of the last tip the tray was given, -1 for none.
  kLastTrayTip,
  // 1 while its "Progman" is the system's shell window.
  kIsShell,
};

// The caption colours that the stand-in's icon view starts with and that
// kResetIconColours puts back.
inline constexpr COLORREF kShellIconTextColour = RGB(0xF0, 0xE0, 0xD0);
inline constexpr COLORREF kShellIconTextBkColour = RGB(0x10, 0x60, 0x90);
inline constexpr char kShellStartCaption[] = "start";

inline constexpr const char* kTrayTips[] = {
    "Vornal - Starting Up...",
    "Vornal - Please Wait!",
    "Vornal - Global Window Patches Running",
    "Vornal - Global Window Patches Not Running",
};

}  // namespace vornal::test
