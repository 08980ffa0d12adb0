// The control program's side of the settings: load and save of the whole
// record, the exclusion list and the three values kept in other programs'
// keys (the Run entry and the two toolbar bitmaps).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "exclusion_list.h"
#include "settings_record.h"

namespace vornal {

// The values that live outside the settings key. The dialog shows them in
// its controls; they are never part of the Settings record.
struct OutsideValues {
  bool runAtStartup = false;
  bool shellToolbarEnabled = false;
  std::string shellToolbarBitmap;
  bool browserToolbarEnabled = false;
  std::string browserToolbarBitmap;
};


// What a load did, for the caller and for tests.
struct LoadReport {
  bool settingsRead = false;       // the record holds stored values
  bool exclusionsReplaced = false; // the list was taken from the registry
  bool runValueRead = false;       // runAtStartup was decided
  bool toolbarValuesRead = false;  // both toolbar values were decided
};

// Resets the record to its defaults and reads the settings key, then the
// exclusions key, the Run value and the toolbar values, each in a block of
// its own: a failure ends its block and leaves what that block had not yet
// reached as it was. list and outside hold the dialog's current state on
// entry and are changed only where the registry decides them.
LoadReport LoadSettings(HKEY root, const std::string& programPath, Settings& settings,
                        ExclusionList& list, OutsideValues& outside);

// Writes the record with "ProgramVer", rebuilds the exclusions key from the
// list (no key when the list is empty), then the Run and toolbar values.
// Stops at the first failure and returns false then.
bool SaveSettings(HKEY root, const std::string& programPath, const Settings& settings,
                  const ExclusionList& list, const OutsideValues& outside);

// The entries of the exclusions key as stored, none when there is no key;
// nothing when the key is there but cannot be read. For the programs that
// hook threads, which read the exclusions only.
std::optional<ExclusionList> LoadExclusions(HKEY root) noexcept;

// At the first start of a version whose default exclusion table is newer
// than the marker in the settings key (or with no usable marker), adds the
// defaults missing from the exclusions key, then writes the marker, so that
// a default the user removes later does not come back. Returns true with
// list set to everything the exclusions key then holds; false, leaving list
// alone, when nothing was due or the key could not be read or written (the
// next start tries again).
bool AddDefaultExclusionsOnce(HKEY root, ExclusionList& list);

}  // namespace vornal
