#include "settings_store.h"

#include <algorithm>

#include "program_identity.h"
#include "registry_key.h"
#include "registry_layout.h"
#include "settings_reader.h"

namespace vornal {
namespace {

// Outside values are full paths; anything longer is not a usable path.
constexpr std::size_t kOutsideTextCapacity = 2048;

// A missing value reads as empty text; other failures are reported.
RegResult ReadTextOrEmpty(const RegistryKey& key, const char* name, std::string& out) {
  char buffer[kOutsideTextCapacity];
  const RegResult result = key.ReadString(name, buffer, sizeof buffer);
  if (result == RegResult::Missing) {
    out.clear();
    return RegResult::Ok;
  }
  if (result == RegResult::Ok) out = buffer;
  return result;
}

// All value names of the exclusions key, or nothing when any step fails.
bool ReadExclusions(HKEY root, ExclusionList& list) {
  const RegistryKey key = RegistryKey::OpenForRead(root, kExclusionsKeyPath);
  if (!key.IsOpen()) return false;
  ExclusionList names;
  const RegResult result = key.ForEachValueName([&names](const char* name) {
    names.emplace_back(name);
    return true;
  });
  if (result != RegResult::Ok) return false;
  list.swap(names);
  return true;
}

bool ReadRunValue(HKEY root, const std::string& programPath, OutsideValues& outside) {
  const RegistryKey key = RegistryKey::OpenForRead(root, kRunKeyPath);
  if (!key.IsOpen()) {
    outside.runAtStartup = false;
    return true;
  }
  std::string stored;
  if (ReadTextOrEmpty(key, kRunValueName, stored) != RegResult::Ok) return false;
  // Exact, case-sensitive: a moved program no longer starts at log-on.
  outside.runAtStartup = stored == programPath;
  return true;
}

bool ReadToolbarValues(HKEY root, OutsideValues& outside) {
  const RegistryKey key = RegistryKey::OpenForRead(root, kToolbarKeyPath);
  if (!key.IsOpen()) {
    outside.shellToolbarEnabled = false;
    outside.shellToolbarBitmap.clear();
    outside.browserToolbarEnabled = false;
    outside.browserToolbarBitmap.clear();
    return true;
  }
  std::string text;
  if (ReadTextOrEmpty(key, kShellToolbarValueName, text) != RegResult::Ok) return false;
  outside.shellToolbarEnabled = !text.empty();
  outside.shellToolbarBitmap = text;
  if (ReadTextOrEmpty(key, kBrowserToolbarValueName, text) != RegResult::Ok) return false;
  outside.browserToolbarEnabled = !text.empty();
  outside.browserToolbarBitmap = text;
  return true;
}

bool WriteRecord(const RegistryKey& key, const Settings& settings) {
  const ReadPlan& plan = ControlReadPlan();  // the whole record, in storage order
  for (std::size_t r = 0; r < plan.runCount; ++r) {
    const FamilyRun& run = plan.runs[r];
    for (int n = run.first; n <= run.last; ++n) {
      ValueName name;
      FormatValueName(run.family, n, name);
      if (key.WriteDword(name.c_str(), RawValue(settings, run.family, n)) != RegResult::Ok) {
        return false;
      }
    }
  }
  for (std::size_t t = 0; t < plan.textCount; ++t) {
    const TextField field = plan.texts[t];
    if (key.WriteString(TextFieldName(field), settings.Text(field).c_str()) != RegResult::Ok) {
      return false;
    }
  }
  return key.WriteString(kVersionValueName, kVersionLabel) == RegResult::Ok;
}

bool WriteExclusions(HKEY root, const ExclusionList& list) {
  if (RegistryKey::KeyExists(root, kExclusionsKeyPath) &&
      RegistryKey::DeleteTree(root, kExclusionsKeyPath) != RegResult::Ok) {
    return false;
  }
  if (list.empty()) return true;
  const RegistryKey key = RegistryKey::OpenOrCreate(root, kExclusionsKeyPath);
  if (!key.IsOpen()) return false;
  for (const std::string& name : list) {
    if (key.WriteEmptyBinary(name.c_str()) != RegResult::Ok) return false;
  }
  return true;
}

// Writes the value while its option is on, deletes it otherwise.
bool WriteOrDelete(const RegistryKey& key, const char* name, bool on, const std::string& text) {
  return (on ? key.WriteString(name, text.c_str()) : key.DeleteValue(name)) == RegResult::Ok;
}

bool WriteOutsideValues(HKEY root, const std::string& programPath, const OutsideValues& outside) {
  {
    const RegistryKey run = RegistryKey::OpenOrCreate(root, kRunKeyPath);
    if (!run.IsOpen() ||
        !WriteOrDelete(run, kRunValueName, outside.runAtStartup, programPath)) {
      return false;
    }
  }
  const RegistryKey toolbar = RegistryKey::OpenOrCreate(root, kToolbarKeyPath);
  return toolbar.IsOpen() &&
         WriteOrDelete(toolbar, kShellToolbarValueName, outside.shellToolbarEnabled,
                       outside.shellToolbarBitmap) &&
         WriteOrDelete(toolbar, kBrowserToolbarValueName, outside.browserToolbarEnabled,
                       outside.browserToolbarBitmap);
}

}  // namespace

LoadReport LoadSettings(HKEY root, const std::string& programPath, Settings& settings,
                        ExclusionList& list, OutsideValues& outside) {
  LoadReport report;
  settings = DefaultSettings();
  report.settingsRead = ReadSettingsKey(root, ControlReadPlan(), settings).valuesRead;
  report.exclusionsReplaced = report.settingsRead && ReadExclusions(root, list);
  report.runValueRead = ReadRunValue(root, programPath, outside);
  report.toolbarValuesRead = ReadToolbarValues(root, outside);
  return report;
}

std::optional<ExclusionList> LoadExclusions(HKEY root) noexcept {
  try {
    ExclusionList list;
    if (ReadExclusions(root, list)) return list;
    if (!RegistryKey::KeyExists(root, kExclusionsKeyPath)) return ExclusionList{};
  } catch (...) {
    // Out of memory: as unreadable.
  }
  return std::nullopt;
}

bool SaveSettings(HKEY root, const std::string& programPath, const Settings& settings,
                  const ExclusionList& list, const OutsideValues& outside) {
  {
    // A settings key that cannot be opened skips the record but not the rest.
    const RegistryKey key = RegistryKey::OpenOrCreate(root, kSettingsKeyPath);
    if (key.IsOpen() && !WriteRecord(key, settings)) return false;
  }
  return WriteExclusions(root, list) && WriteOutsideValues(root, programPath, outside);
}

bool AddDefaultExclusionsOnce(HKEY root, ExclusionList& list) {
  std::uint32_t marker = 0;
  RegResult markerRead = RegResult::Missing;
  {
    const RegistryKey key = RegistryKey::OpenForRead(root, kSettingsKeyPath);
    if (key.IsOpen()) markerRead = key.ReadDword(kDefaultExclusionsValueName, marker);
  }
  if (!DefaultExclusionsDue(markerRead, marker, kDefaultExclusionsVersion)) return false;

  // A key that exists but cannot be listed might hold anything: adding to
  // it blind could not be shown in the editor, so it waits for a later start.
  ExclusionList stored;
  if (RegistryKey::KeyExists(root, kExclusionsKeyPath) && !ReadExclusions(root, stored)) {
    return false;
  }
  ExclusionList merged = WithDefaultExclusions(stored, kDefaultExclusions);
  {
    // Only the added names are written, never a rebuilt key: a write that
    // fails half way then leaves every stored entry in place.
    const RegistryKey key = RegistryKey::OpenOrCreate(root, kExclusionsKeyPath);
    if (!key.IsOpen()) return false;
    for (const std::string& name : merged) {
      if (std::ranges::find(stored, name) != stored.end()) continue;
      if (key.WriteEmptyBinary(name.c_str()) != RegResult::Ok) return false;
    }
  }
  // The key holds the defaults now; a marker that cannot be written only
  // means that the next start adds them once more.
  const RegistryKey settingsKey = RegistryKey::OpenOrCreate(root, kSettingsKeyPath);
  if (settingsKey.IsOpen()) {
    settingsKey.WriteDword(kDefaultExclusionsValueName, kDefaultExclusionsVersion);
  }
  list.swap(merged);
  return true;
}

}  // namespace vornal
