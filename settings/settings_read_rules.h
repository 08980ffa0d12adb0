// What a read of the settings key takes from it, for both the control
// program and the hook library (each with its own read plan). Written over
// any key type with the three read calls of RegistryKey, so that the rules
// build and are tested where there is no registry:
//
//   bool      HasValue(const char* name) const
//   RegResult ReadString(const char* name, char* buffer, std::size_t capacity) const
//   RegResult ReadDword(const char* name, std::uint32_t& out) const
#pragma once

#include <cstddef>
#include <cstdint>

#include "reg_result.h"
#include "registry_layout.h"
#include "settings_record.h"
#include "version_rule.h"

namespace vornal {

struct ReadOutcome {
  // The key held a supported "ProgramVer" and every planned value that
  // exists was read. Only then may the exclusion list be taken over.
  bool valuesRead = false;
  // The first failure, which ended the read (Ok when nothing failed). Values
  // read before it stay in the record; the rest keep what they held.
  RegResult error = RegResult::Ok;
};

namespace read_rules_detail {

// Room for "ProgramVer": far more than any version label ever written.
inline constexpr std::size_t kVersionTextChars = 64;

// Reads the planned values that exist; stops at the first bad one.
template <typename Key>
RegResult ReadPlannedValues(const Key& key, const ReadPlan& plan, Settings& settings) noexcept {
  for (std::size_t r = 0; r < plan.runCount; ++r) {
    const FamilyRun& run = plan.runs[r];
    for (int n = run.first; n <= run.last; ++n) {
      ValueName name;
      if (!FormatValueName(run.family, n, name)) continue;
      std::uint32_t raw = 0;
      const RegResult result = key.ReadDword(name.c_str(), raw);
      if (result == RegResult::Missing) continue;  // a missing value keeps its default
      if (result != RegResult::Ok) return result;
      StoreRawValue(settings, run.family, n, raw);
    }
  }
  for (std::size_t t = 0; t < plan.textCount; ++t) {
    const char* name = TextFieldName(plan.texts[t]);
    SettingText text;
    const RegResult result = key.ReadString(name, text.Buffer(), SettingText::kCapacity);
    if (result == RegResult::Missing) continue;
    if (result != RegResult::Ok) return result;
    settings.Text(plan.texts[t]) = text;
  }
  return RegResult::Ok;
}

}  // namespace read_rules_detail

// Applies the version rule to the open settings key before reading anything:
// a missing "ProgramVer" or a version below 1.3 reads nothing and is not an
// error; one that cannot be read or is not a version number reads nothing
// and is reported. Otherwise the planned values are read in plan order.
template <typename Key>
ReadOutcome ReadSettingsValues(const Key& key, const ReadPlan& plan, Settings& settings) noexcept {
  ReadOutcome outcome;
  if (!key.HasValue(kVersionValueName)) return outcome;

  char versionText[read_rules_detail::kVersionTextChars];
  outcome.error = key.ReadString(kVersionValueName, versionText, sizeof versionText);
  if (outcome.error != RegResult::Ok) return outcome;
  VersionNumber version;
  if (!ParseVersionText(versionText, version)) {
    outcome.error = RegResult::WrongType;
    return outcome;
  }
  if (!IsSupportedSettingsVersion(version)) return outcome;

  outcome.error = read_rules_detail::ReadPlannedValues(key, plan, settings);
  outcome.valuesRead = outcome.error == RegResult::Ok;
  return outcome;
}

}  // namespace vornal
