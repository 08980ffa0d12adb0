#include "settings_reader.h"

#include "registry_layout.h"

namespace vornal {

ReadOutcome ReadSettingsKey(HKEY root, const ReadPlan& plan, Settings& settings) noexcept {
  const RegistryKey key = RegistryKey::OpenForRead(root, kSettingsKeyPath);
  // No key at all is a first start: nothing to read, and nothing wrong.
  if (!key.IsOpen()) return ReadOutcome{};
  return ReadSettingsValues(key, plan, settings);
}

}  // namespace vornal
