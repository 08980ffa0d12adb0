// Test data: a complete settings key whose every value differs from its
// default, so a test can tell which values were read.
#pragma once

#include <string>

#include "registry_layout.h"
#include "scratch_registry.h"
#include "settings_record.h"

namespace vornal::test {

inline bool StoredCheckFlag(int n) { return !DefaultSettings().CheckFlag(n); }
inline std::uint16_t StoredSpinValue(int n) { return static_cast<std::uint16_t>(1000 + n); }
inline bool StoredRadioFlag(int n) { return !DefaultSettings().RadioFlag(n); }
inline std::uint32_t StoredColour(int n) { return 0x00010203u * static_cast<std::uint32_t>(n); }
inline std::uint8_t StoredMultiRadio(int n) { return static_cast<std::uint8_t>(n + 3); }
inline std::string StoredText(TextField f) { return std::string("C:\\stored\\") + TextFieldName(f); }

inline std::string Name(Family family, int n) {
  ValueName name;
  FormatValueName(family, n, name);
  return name.c_str();
}

// Writes every value of the record with the stored test data.
inline void WriteStoredRecord(ScratchRegistry& reg, const char* version = "V1.43") {
  const char* key = kSettingsKeyPath;
  for (int n = 1; n <= kCheckFlagCount; ++n) reg.SetDword(key, Name(Family::CheckFlag, n).c_str(), StoredCheckFlag(n));
  for (int n = 1; n <= kSpinValueCount; ++n) reg.SetDword(key, Name(Family::SpinValue, n).c_str(), StoredSpinValue(n));
  for (int n = 1; n <= kRadioFlagCount; ++n) reg.SetDword(key, Name(Family::RadioFlag, n).c_str(), StoredRadioFlag(n));
  for (int n = 1; n <= kColourValueCount; ++n) reg.SetDword(key, Name(Family::ColourValue, n).c_str(), StoredColour(n));
  for (int n = 1; n <= kMultiRadioCount; ++n) reg.SetDword(key, Name(Family::MultiRadio, n).c_str(), StoredMultiRadio(n));
  for (int f = 0; f < kTextFieldCount; ++f) {
    const auto field = static_cast<TextField>(f);
    reg.SetString(key, TextFieldName(field), StoredText(field));
  }
  if (version != nullptr) reg.SetString(key, kVersionValueName, version);
}

}  // namespace vornal::test
