// The real settings key HKCU\Software\Vornal, which the library reads by
// itself. The tests run in a throwaway Wine prefix and hold the
// "vornal_registry" lock, so they own the key while they run and delete it
// afterwards.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "option_catalogue.h"

namespace vornal::test {

// Deletes the key with everything in it, then writes "ProgramVer"="V1.43"
// and transparent dragging on (Check::TransparentDragging); all else keeps
// its default.
void ResetSettingsKey();
void DeleteSettingsKey();

void SetSettingsDword(const char* name, std::uint32_t value);
inline void SetSettingsDword(const ValueName& name, std::uint32_t value) {
  SetSettingsDword(name.c_str(), value);
}
void SetSettingsText(const char* name, const char* value);

// Replaces the exclusions key by these value names (written in the order
// given, as someone editing the key by hand might).
void SetExclusions(std::initializer_list<const char*> names);
void DeleteExclusions();

}  // namespace vornal::test
