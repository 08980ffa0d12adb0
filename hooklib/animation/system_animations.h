// The system's own animation switch ("Show animations in Windows", which
// people sensitive to motion turn off), kept in the library's state so
// that the show and hide handlers test it without a system call.
#pragma once

#include <windows.h>

namespace vornal::hooklib {

// Reads the switch into the library's state: at every settings load.
void ReadSystemAnimations() noexcept;

// WM_SETTINGCHANGE, as the system sends it to every top-level window when
// a setting changes: reads the switch again when it is the one changed.
void OnSettingChange(WPARAM action) noexcept;

}  // namespace vornal::hooklib
