#include "shell/shell_window_choice.h"

namespace vornal {

std::uint32_t ShellProcess(std::uint32_t shellWindowProcess, const std::vector<TopWindow>& windows,
                           std::uint32_t desktopWindowProcess) {
  if (shellWindowProcess != 0) return shellWindowProcess;
  for (const TopWindow& w : windows) {
    if (w.className == "Progman" && w.process != 0) return w.process;
  }
  return desktopWindowProcess;
}

ShellWindowChoice ChooseShellWindows(const std::vector<TopWindow>& windows,
                                     std::uint32_t shellProcess) {
  ShellWindowChoice choice;
  if (shellProcess == 0) return choice;
  std::vector<std::uintptr_t> secondary;
  std::vector<std::uintptr_t> workers;
  for (const TopWindow& w : windows) {
    if (w.process != shellProcess) continue;
    if (w.className == "Shell_TrayWnd") {
      choice.taskbars.push_back(w.id);
      if (choice.mainTaskbar == 0) choice.mainTaskbar = w.id;
    } else if (w.className == "Shell_SecondaryTrayWnd") {
      secondary.push_back(w.id);
    } else if (w.className == "Progman") {
      choice.desktopHosts.push_back(w.id);
    } else if (w.className == "WorkerW") {
      workers.push_back(w.id);
    }
  }
  choice.taskbars.insert(choice.taskbars.end(), secondary.begin(), secondary.end());
  choice.desktopHosts.insert(choice.desktopHosts.end(), workers.begin(), workers.end());
  return choice;
}

}  // namespace vornal
