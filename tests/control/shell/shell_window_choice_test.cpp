// Which windows are the shell's: only those of its own process, whoever
// else makes windows of its classes.
#include <gtest/gtest.h>

#include <vector>

#include "shell/shell_window_choice.h"

namespace vornal {
namespace {

constexpr std::uint32_t kShell = 10;
constexpr std::uint32_t kOther = 20;
constexpr std::uint32_t kDesktop = 30;  // the desktop window's process

struct Case {
  const char* what;
  std::vector<TopWindow> windows;  // top of the Z order first
  std::uint32_t shellWindowProcess;
  std::uint32_t desktopProcess;
  std::uint32_t shellProcess;
  std::vector<std::uintptr_t> taskbars;
  std::uintptr_t mainTaskbar;
  std::vector<std::uintptr_t> desktopHosts;
};

TEST(ShellWindowChoice, TakesOnlyTheShellsOwnWindows) {
  const Case cases[] = {
      {"a replacement's taskbar above the shell's",
       {{1, "Shell_TrayWnd", kOther}, {2, "Shell_TrayWnd", kShell}, {3, "Progman", kShell}},
       kShell, kDesktop, kShell, {2}, 2, {3}},
      {"secondary taskbars of the shell and of another program",
       {{1, "Shell_SecondaryTrayWnd", kShell}, {2, "Shell_SecondaryTrayWnd", kOther},
        {3, "Shell_TrayWnd", kShell}, {4, "Shell_SecondaryTrayWnd", kShell}},
       kShell, kDesktop, kShell, {3, 1, 4}, 3, {}},
      {"secondary taskbars without a main one",
       {{1, "Shell_SecondaryTrayWnd", kShell}}, kShell, kDesktop, kShell, {1}, 0, {}},
      {"no shell window: Progman's process is the shell",
       {{1, "Shell_TrayWnd", kOther}, {2, "Progman", kShell}, {3, "Shell_TrayWnd", kShell}},
       0, kDesktop, kShell, {3}, 3, {2}},
      {"the shell window wins over another program's Progman",
       {{1, "Progman", kOther}, {2, "Progman", kShell}, {3, "Shell_TrayWnd", kOther}},
       kShell, kDesktop, kShell, {}, 0, {2}},
      {"Progman only", {{1, "Progman", kShell}}, 0, kDesktop, kShell, {}, 0, {1}},
      {"icon view hosts: Progman first, then every WorkerW",
       {{1, "WorkerW", kShell}, {2, "WorkerW", kOther}, {3, "Progman", kShell}, {4, "WorkerW", kShell}},
       kShell, kDesktop, kShell, {}, 0, {3, 1, 4}},
      {"neither shell window nor Progman: the desktop's process (Wine's)",
       {{1, "Shell_TrayWnd", kOther}, {2, "Shell_TrayWnd", kDesktop}}, 0, kDesktop, kDesktop, {2}, 2, {}},
      {"Windows without a shell: its desktop's process has no taskbar",
       {{1, "Shell_TrayWnd", kOther}}, 0, kDesktop, kDesktop, {}, 0, {}},
      {"nor a desktop process: nothing is the shell's",
       {{1, "Shell_TrayWnd", kOther}, {2, "WorkerW", kOther}}, 0, 0, 0, {}, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::uint32_t shell = ShellProcess(c.shellWindowProcess, c.windows, c.desktopProcess);
    EXPECT_EQ(shell, c.shellProcess);
    const ShellWindowChoice choice = ChooseShellWindows(c.windows, shell);
    EXPECT_EQ(choice.taskbars, c.taskbars);
    EXPECT_EQ(choice.mainTaskbar, c.mainTaskbar);
    EXPECT_EQ(choice.desktopHosts, c.desktopHosts);
  }
}

}  // namespace
}  // namespace vornal
