// Reads the values of the settings key into a Settings record, for both the
// control program and the hook library; each uses its own read plan.
#pragma once

#include <windows.h>

#include "registry_key.h"
#include "settings_read_rules.h"
#include "settings_record.h"

namespace vornal {

// Opens the settings key under root (HKEY_CURRENT_USER in the programs) and
// applies the version rule before reading anything. A missing key, a missing
// "ProgramVer" or a version below 1.3 reads nothing and is not an error.
ReadOutcome ReadSettingsKey(HKEY root, const ReadPlan& plan, Settings& settings) noexcept;

}  // namespace vornal
