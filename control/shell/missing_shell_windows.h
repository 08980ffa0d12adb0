// Telling the user, once, that a shell option they have on does nothing
// because its window is not there (a shell that does not make it, or has
// not come up yet), rather than failing silently. The note stays until the
// window is found; a window that goes again is told again.
// Platform-free.
#pragma once

#include <array>
#include <vector>

namespace vornal {

enum class ShellPart { Taskbar, IconView, StartButton };
inline constexpr int kShellPartCount = 3;

// Per part: whether the option that needs it is on, and whether the
// window was found.
struct ShellPartState {
  bool optionOn = false;
  bool found = false;
};
using ShellPartStates = std::array<ShellPartState, kShellPartCount>;  // by ShellPart
using ShellPartFlags = std::array<bool, kShellPartCount>;             // by ShellPart

struct MissingWindowNotes {
  std::vector<ShellPart> report;    // missing now, not told yet
  std::vector<ShellPart> withdraw;  // told before, no longer missing
  ShellPartFlags reported{};        // what stands told afterwards
};

MissingWindowNotes NoteMissingWindows(const ShellPartStates& states, const ShellPartFlags& reported);

// The line that tells it, in plain words.
const char* MissingWindowText(ShellPart part);

}  // namespace vornal
