#include "settings_reader.h"

#include "registry_layout.h"
#include "version_rule.h"

namespace vornal {
namespace {

// Reads the planned values that exist; stops at the first bad one.
RegResult ReadPlannedValues(const RegistryKey& key, const ReadPlan& plan, Settings& settings) {
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

}  // namespace

ReadOutcome ReadSettingsKey(HKEY root, const ReadPlan& plan, Settings& settings) noexcept {
  ReadOutcome outcome;
  const RegistryKey key = RegistryKey::OpenForRead(root, kSettingsKeyPath);
  if (!key.IsOpen() || !key.HasValue(kVersionValueName)) return outcome;

  char versionText[64];
  outcome.error = key.ReadString(kVersionValueName, versionText, sizeof versionText);
  if (outcome.error != RegResult::Ok) return outcome;
  VersionNumber version;
  if (!ParseVersionText(versionText, version)) {
    outcome.error = RegResult::WrongType;
    return outcome;
  }
  if (!IsSupportedSettingsVersion(version)) return outcome;

  outcome.error = ReadPlannedValues(key, plan, settings);
  outcome.valuesRead = outcome.error == RegResult::Ok;
  return outcome;
}

}  // namespace vornal
