#include "dispatch/library_settings.h"

#include <windows.h>

#include "animation/system_animations.h"
#include "core/exclusion_list.h"
#include "core/executable_name.h"
#include "core/fpu_control.h"
#include "core/library_state.h"
#include "dispatch/active_routes.h"
#include "registry_layout.h"
#include "settings_reader.h"
#include "wallpaper/wallpaper_load.h"

namespace vornal::hooklib {
namespace {

// GetModuleFileName of the main module, as far as the library reads it.
constexpr DWORD kModulePathChars = 260;

// True only when the process's executable is positively found in the list;
// any failure on the way leaves the process enabled.
bool IsExcluded(const ExclusionList& list) noexcept {
  char path[kModulePathChars + 1];
  const DWORD length = GetModuleFileNameA(nullptr, path, kModulePathChars);
  // A full buffer means a truncated path, whose tail is not the file name.
  if (length == 0 || length >= kModulePathChars) return false;
  path[length] = '\0';
  char name[kModulePathChars + 1];
  if (!ExecutableFileName(path, name, sizeof name)) return false;
  return list.Contains(name);
}

HWND FindDesktopIconView() noexcept {
  const HWND progman = FindWindowA("Progman", nullptr);
  if (progman == nullptr) return nullptr;
  const HWND view = FindWindowExA(progman, nullptr, "SHELLDLL_DefView", nullptr);
  if (view == nullptr) return nullptr;
  return FindWindowExA(view, nullptr, "SysListView32", nullptr);
}

}  // namespace

void ReadLibrarySettings() noexcept {
  // Read into locals and publish at the end, so that handlers on other
  // threads never see the defaults in between two loads.
  Settings settings = DefaultSettings();
  bool enabled = true;

  const ReadOutcome outcome = ReadSettingsKey(HKEY_CURRENT_USER, LibraryReadPlan(), settings);
  if (outcome.valuesRead) {
    ExclusionList exclusions;
    if (exclusions.Load(HKEY_CURRENT_USER, kExclusionsKeyPath) && exclusions.Size() > 0) {
      enabled = !IsExcluded(exclusions);
    }
  }  // the list is discarded here

  ApplyLibrarySettings(settings, enabled);
}

void ApplyLibrarySettings(const Settings& settings, bool processEnabled) noexcept {
  OptionsSnapshot snapshot;
  snapshot.options = OptionsFor(settings, processEnabled, g_library.versionFlags);
  snapshot.taskbarWindow = FindWindowA("Shell_TrayWnd", nullptr);
  snapshot.desktopIconView = FindDesktopIconView();
  // With every load rather than on every show: the handlers stay cheap.
  ReadSystemAnimations();
  g_library.options.Publish(snapshot);
  g_library.activeRoutes.store(ActiveRoutes(snapshot.options), std::memory_order_relaxed);
  // From the settings just read rather than the published options, which a
  // reload on another thread may be replacing.
  LoadWallpapers(settings, processEnabled);
}

void OnSettingsUpdated() noexcept {
  const FpuControlScope fpu;
  ReadLibrarySettings();
}

}  // namespace vornal::hooklib
