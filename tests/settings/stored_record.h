// Test data: a complete settings key whose every value differs from its
// default, so a test can tell which values were read.
#pragma once

#include <string>

#include "option_values.h"
#include "registry_layout.h"
#include "scratch_registry.h"
#include "settings_record.h"

namespace vornal::test {

// Numbers grow with the option's number, so that no two options hold the
// same value.
inline bool StoredCheckFlag(Check c) { return !DefaultSettings().Get(c); }
inline std::uint16_t StoredSpinValue(Spin v) { return static_cast<std::uint16_t>(1000 + NumberOf(v)); }
inline bool StoredRadioFlag(Radio r) { return !DefaultSettings().Get(r); }
inline std::uint32_t StoredColour(Colour c) { return 0x00010203u * static_cast<std::uint32_t>(NumberOf(c)); }
inline std::uint8_t StoredMultiRadio(Choice c) { return static_cast<std::uint8_t>(NumberOf(c) + 3); }
inline std::string StoredText(TextField f) { return std::string("C:\\stored\\") + TextFieldName(f); }

// Writes every value of the record with the stored test data.
inline void WriteStoredRecord(ScratchRegistry& reg, const char* version = "V1.43") {
  const char* key = kSettingsKeyPath;
  for (Check c : kAllChecks) reg.SetDword(key, ValueNameOf(c).c_str(), StoredCheckFlag(c));
  for (Spin v : kAllSpins) reg.SetDword(key, ValueNameOf(v).c_str(), StoredSpinValue(v));
  for (Radio r : kAllRadios) reg.SetDword(key, ValueNameOf(r).c_str(), StoredRadioFlag(r));
  for (Colour c : kAllColours) reg.SetDword(key, ValueNameOf(c).c_str(), StoredColour(c));
  for (Choice c : kAllChoices) reg.SetDword(key, ValueNameOf(c).c_str(), StoredMultiRadio(c));
  for (int f = 0; f < kTextFieldCount; ++f) {
    const auto field = static_cast<TextField>(f);
    reg.SetString(key, TextFieldName(field), StoredText(field));
  }
  if (version != nullptr) reg.SetString(key, kVersionValueName, version);
}

}  // namespace vornal::test
