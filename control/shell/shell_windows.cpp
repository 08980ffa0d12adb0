// Finding the shell's windows that the program adjusts: the taskbars and
// the desktop hosts of the shell's own process (see shell_window_choice.h),
// the icon view inside a host, the Start button on the main taskbar.
// Listing windows and reading their classes and processes sends nothing.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "callback_guard.h"
#include "shell/shell_adjuster.h"
#include "shell/shell_window_choice.h"

namespace vornal {
namespace {

constexpr const char* kShellClasses[] = {"Shell_TrayWnd", "Shell_SecondaryTrayWnd", "Progman",
                                         "WorkerW"};

std::uint32_t ProcessOf(HWND window) {
  DWORD process = 0;
  if (window != nullptr) GetWindowThreadProcessId(window, &process);
  return process;
}

// Notes the top-level windows of the shell's classes. Out of memory the
// list ends there: windows not listed are not adjusted.
BOOL CALLBACK NoteShellClassWindow(HWND window, LPARAM param) noexcept {
  auto* windows = reinterpret_cast<std::vector<TopWindow>*>(param);
  return Guarded([&] {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    for (const char* shellClass : kShellClasses) {
      if (std::strcmp(name, shellClass) == 0) {
        windows->push_back({reinterpret_cast<std::uintptr_t>(window), name, ProcessOf(window)});
        break;
      }
    }
    return TRUE;
  }, FALSE);
}

HWND ChildOfClass(HWND parent, const char* className) {
  // A null parent would search the top-level windows instead.
  return parent != nullptr ? FindWindowExA(parent, nullptr, className, nullptr) : nullptr;
}

HWND AsWindow(std::uintptr_t id) { return reinterpret_cast<HWND>(id); }

}  // namespace

void ShellAdjuster::LocateShellWindows() {
  std::vector<TopWindow> windows;
  EnumWindows(NoteShellClassWindow, reinterpret_cast<LPARAM>(&windows));
  const ShellWindowChoice choice =
      ChooseShellWindows(windows, ShellProcess(ProcessOf(GetShellWindow()), windows,
                                               ProcessOf(GetDesktopWindow())));

  shell_.taskbars.clear();
  for (std::uintptr_t id : choice.taskbars) shell_.taskbars.push_back(AsWindow(id));
  shell_.taskbar = AsWindow(choice.mainTaskbar);
  shell_.startButton = ChildOfClass(shell_.taskbar, "Button");
  shell_.desktopListView = nullptr;
  for (std::uintptr_t host : choice.desktopHosts) {
    shell_.desktopListView = ChildOfClass(ChildOfClass(AsWindow(host), "SHELLDLL_DefView"), "SysListView32");
    if (shell_.desktopListView != nullptr) break;
  }

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

void ShellAdjuster::NoteIconTextColour() {
  // Likewise the icon captions' colour, which switching the icon text off
  // puts back: a shell that came up after the program has its own, which
  // the program has not seen at start. Asked only until it answers once.
  LRESULT iconText = 0;
  if (shell_.desktopListView != nullptr && !saved_.iconTextColourKnown &&
      link_.Send(shell_.desktopListView, LVM_GETTEXTCOLOR, 0, 0, &iconText)) {
    saved_.iconTextColour = static_cast<COLORREF>(iconText);
    saved_.iconTextColourKnown = true;
  }
}

}  // namespace vornal
