// Reads the values of the settings key into a Settings record, for both the
// control program and the hook library; each uses its own read plan.
#pragma once

#include <windows.h>

#include "registry_key.h"
#include "settings_record.h"

namespace vornal {

struct ReadOutcome {
  // The key held a supported "ProgramVer" and every planned value that
  // exists was read. Only then may the exclusion list be taken over.
  bool valuesRead = false;
  // The first failure, which ended the read (Ok when nothing failed). Values
  // read before it stay in the record; the rest keep what they held.
  RegResult error = RegResult::Ok;
};

// Opens the settings key under root (HKEY_CURRENT_USER in the programs) and
// applies the version rule before reading anything. A missing key, a missing
// "ProgramVer" or a version below 1.3 reads nothing and is not an error.
ReadOutcome ReadSettingsKey(HKEY root, const ReadPlan& plan, Settings& settings) noexcept;

}  // namespace vornal
