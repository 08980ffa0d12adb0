// Reading the library's part of the settings, the exclusion decision and
// the shell windows, at start-up and on every settings-updated broadcast.
#pragma once

#include <windows.h>

#include "settings_record.h"

namespace vornal::hooklib {

// Sets the library's part of the record, the process-enabled flag, the
// wallpapers, the taskbar window and the desktop icon view. Failures leave
// defaults and an enabled process; nothing is reported.
void ReadLibrarySettings() noexcept;

// Works out the options from a record and whether this process is enabled,
// publishes them with the shell windows found now, and loads the
// wallpapers they ask for. The last step of every load; tests and
// benchmarks give it a record of their own.
void ApplyLibrarySettings(const Settings& settings, bool processEnabled) noexcept;

// The reaction to "Vornal_SettingsUpdated" of that generation (its
// wParam): one reload per generation, however many of the process's
// windows it reaches and on whichever threads; every time for generation 0.
void OnSettingsUpdated(WPARAM generation) noexcept;

// WM_SETTINGCHANGE for SPI_SETHIGHCONTRAST, which the system sends to
// every top-level window: when high contrast is no longer what the last
// load found, the settings are read again (whatever the generation of the
// last broadcast) and the process's tiled windows repainted. Once per
// change, however many of the process's windows it reaches.
void OnHighContrastSetting() noexcept;

}  // namespace vornal::hooklib
