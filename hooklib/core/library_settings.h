// Reading the library's part of the settings, the exclusion decision and
// the shell windows, at start-up and on every settings-updated broadcast.
#pragma once

namespace vornal::hooklib {

// Sets the library's part of the record, the process-enabled flag, the
// wallpapers, the taskbar window and the desktop icon view. Failures leave
// defaults and an enabled process; nothing is reported.
void ReadLibrarySettings() noexcept;

// The reaction to "Vornal_SettingsUpdated".
void OnSettingsUpdated() noexcept;

}  // namespace vornal::hooklib
