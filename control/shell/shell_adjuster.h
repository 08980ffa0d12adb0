// The program's adjustments of the shell: the taskbar's opacity, the
// desktop icon captions, the Start caption and two system colours. The
// adjuster finds the shell's windows itself, keeps what they showed when
// it first saw them so that it can put that back, runs the timers that
// keep its changes in force, and sends to the shell only through a
// messenger that never waits without bound. It knows nothing of the dialog:
// the form hands it options and asks it what the desktop offers.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "shell/shell_messenger.h"
#include "shell/shell_options.h"
#include "shell/timer_window.h"

namespace vornal {

// The shell's windows that the program adjusts, all of the shell's own
// process; null (or none) where not found.
struct ShellWindows {
  HWND taskbar = nullptr;          // TaskbarWnd: the main taskbar
  std::vector<HWND> taskbars;      // the main one first, then those of other monitors
  HWND startButton = nullptr;      // StartButtonWnd
  HWND desktopListView = nullptr;  // DesktopListView
};

// What the shell showed before the program changed it, to undo the changes.
// The shell's own values are taken when its windows are first seen: at
// start, or later when the shell comes up after the program.
struct ShellSnapshot {
  std::string startCaption;             // SavedStartCaption
  bool startCaptionKnown = false;       // read from a Start button yet
  COLORREF iconTextColour = 0;          // SavedIconTextColour
  bool iconTextColourKnown = false;     // read from an icon view yet
  COLORREF appWorkspaceColour = 0;      // SavedAppWorkspaceColour
  COLORREF desktopColour = 0;           // SavedDesktopColour
  // The two colours above noted again at an apply with high contrast off:
  // noted at start under high contrast, they would be the theme's.
  bool systemColoursNoted = false;
};

class ShellAdjuster {
 public:
  ShellAdjuster();
  ShellAdjuster(const ShellAdjuster&) = delete;
  ShellAdjuster& operator=(const ShellAdjuster&) = delete;

  // At program start: the optional system functions, the shell's windows
  // and what they and the system colours show now.
  void NoteShellAtStart();
  // Finds the shell's windows again: the shell may have restarted, or come
  // up after the program.
  void LocateShellWindows();
  // After the shell has restarted or changed its look (it then shows its
  // own opacity and icon colours again): finds its windows again and gives
  // them the taskbar opacity last set and the icon text of the last apply.
  void Refresh();
  // Brings the shell in line with the options: system colours, desktop
  // icon text, Start caption, and the timers that keep them in force.
  void Apply(const ShellOptions& options);
  // High contrast has gone on or off since the last apply: the system
  // colours follow at once, the rest waits for the next apply.
  void SetHighContrast(bool on);
  // The opacity of every taskbar of the shell, at once (the dialog
  // previews it live).
  void SetTaskbarAlpha(bool layered, int alpha);
  // Puts back what the program changed: the icon text colours, the
  // taskbars' opacity and the system colours.
  void Restore();

  // The timers' ticks: the icon text repaired, the Start caption refreshed.
  void TimerDeskTimer();
  void TimerStartTimer();

  // Whether the taskbar answers now (the notify-icon calls wait for it):
  // the shell's own, and the one the notify-icon call finds by class.
  bool TaskbarAnswers();
  // The messenger of every send to the shell, for operations that span
  // more than the adjuster (an apply also tells the tray icon).
  ShellMessenger& Messenger() { return link_; }
  const ShellWindows& Windows() const { return shell_; }
  const ShellSnapshot& Saved() const { return saved_; }
  // Whether the system can make the taskbar transparent at all.
  bool LayeredWindows() const { return setLayeredWindowAttributes_ != nullptr; }

 private:
  static constexpr UINT_PTR kTimerDesk = 1;
  static constexpr UINT_PTR kTimerStart = 2;
  using SetLayeredProc = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  using GlobalMemoryStatusExProc = BOOL(WINAPI*)(LPMEMORYSTATUSEX);

  void NoteIconTextColour();
  void ApplySystemColours();
  void ApplyDesktopIconText();
  void ApplyStartCaption();
  void SetStartCaption(const std::string& text);
  bool ReadIconColours(COLORREF& textBk, COLORREF& text);
  void WriteIconColours(COLORREF textBk, COLORREF text);
  void RestoreDesktopIconText();
  void WriteSysColours(COLORREF appWorkspace, COLORREF desktop);
  void RestoreSystemColours();
  std::uint64_t FreePhysicalMemory() const;
  void StopTimers();
  void SetLayered(HWND taskbar, bool layered, int alpha);

  ShellMessenger link_;
  ShellWindows shell_;
  ShellSnapshot saved_;
  ShellOptions options_;  // of the last apply
  std::string startCaption_;
  // Whether the last change of the taskbar made it transparent: only then
  // is there anything to put back.
  bool taskbarLayered_ = false;
  int taskbarAlpha_ = 255;
  SetLayeredProc setLayeredWindowAttributes_ = nullptr;
  GlobalMemoryStatusExProc globalMemoryStatusEx_ = nullptr;
  TimerWindow timers_;
};

}  // namespace vornal
