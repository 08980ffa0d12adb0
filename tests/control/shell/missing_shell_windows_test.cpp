// The notes on options whose shell window is missing: each told once, and
// taken back when the window turns up or the option goes off.
#include <gtest/gtest.h>

#include <vector>

#include "shell/missing_shell_windows.h"

namespace vornal {
namespace {

constexpr ShellPartState kMissing{true, false};
constexpr ShellPartState kFound{true, true};
constexpr ShellPartState kOff{false, false};
using P = ShellPart;

struct Case {
  const char* what;
  ShellPartStates states;  // taskbar, icon view, Start button
  ShellPartFlags reported;
  std::vector<ShellPart> report;
  std::vector<ShellPart> withdraw;
};

TEST(MissingShellWindows, TellsEachMissingWindowOnce) {
  const Case cases[] = {
      {"all found", {kFound, kFound, kFound}, {}, {}, {}},
      {"a missing taskbar is told", {kMissing, kFound, kOff}, {}, {P::Taskbar}, {}},
      {"and not told again", {kMissing, kFound, kOff}, {true, false, false}, {}, {}},
      {"an option off needs no window", {kOff, kOff, kOff}, {}, {}, {}},
      {"the untold ones of many", {kMissing, kMissing, kMissing}, {false, true, false}, {P::Taskbar, P::StartButton}, {}},
      {"a window found takes its note back", {kFound, kMissing, kOff}, {true, true, false}, {}, {P::Taskbar}},
      {"so does an option switched off", {kOff, kFound, kFound}, {true, false, false}, {}, {P::Taskbar}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const MissingWindowNotes notes = NoteMissingWindows(c.states, c.reported);
    EXPECT_EQ(notes.report, c.report);
    EXPECT_EQ(notes.withdraw, c.withdraw);
    const MissingWindowNotes again = NoteMissingWindows(c.states, notes.reported);
    EXPECT_TRUE(again.report.empty() && again.withdraw.empty()) << "the same states change nothing";
  }
}

}  // namespace
}  // namespace vornal
