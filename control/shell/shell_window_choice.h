// Which of the desktop's top-level windows are the shell's, as a pure
// function of what the window list says: a window's class and process.
// Other programs (taskbar replacements, desktop tools) make windows of the
// shell's classes too; only the shell's own process counts, so that the
// program never changes a window of theirs.
// Platform-free: a window is an opaque number, a process its id.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vornal {

// One top-level window, in the order the system lists them (top of the
// Z order first).
struct TopWindow {
  std::uintptr_t id = 0;
  std::string className;
  std::uint32_t process = 0;
};

// The shell's process: that of the window the system names as the shell
// (GetShellWindow), or else that of the first "Progman" window, which the
// Windows shell always makes, or else that of the desktop window itself.
// The last is Wine's shell (its explorer draws the desktop and keeps a
// taskbar); on Windows it is a system process with no taskbar, so that
// without a shell nothing is adjusted. 0 for none of them.
std::uint32_t ShellProcess(std::uint32_t shellWindowProcess, const std::vector<TopWindow>& windows,
                           std::uint32_t desktopWindowProcess);

struct ShellWindowChoice {
  // Every taskbar of the shell: its main one ("Shell_TrayWnd") first, then
  // those of the other monitors ("Shell_SecondaryTrayWnd").
  std::vector<std::uintptr_t> taskbars;
  // The shell's main taskbar, which holds the Start button; 0 for none.
  std::uintptr_t mainTaskbar = 0;
  // The windows that may hold the desktop's icon view, in the order to
  // look under them: "Progman", then every "WorkerW" (later systems move
  // the view there while they show the wallpaper behind it).
  std::vector<std::uintptr_t> desktopHosts;
};

// The shell's taskbars and desktop windows among windows; none for a
// shellProcess of 0.
ShellWindowChoice ChooseShellWindows(const std::vector<TopWindow>& windows,
                                     std::uint32_t shellProcess);

}  // namespace vornal
