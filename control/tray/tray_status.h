// What the tray icon shows in each state of the program: its icon and tip.
#pragma once

#include <string>

namespace vornal {

enum class TrayStatus { StartingUp, PleaseWait, PatchRunning, PatchNotRunning };

// The application title followed by the state's suffix, cut to what the
// 64-character tip field holds.
std::string TrayTip(const std::string& title, TrayStatus status);

// Resource id of the icon for a state.
int TrayIconId(TrayStatus status);

// The status label of the first page.
const char* PatchStatusText(bool patchRunning);

}  // namespace vornal
