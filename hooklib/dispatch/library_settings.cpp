#include "dispatch/library_settings.h"

#include <windows.h>

#include "animation/system_animations.h"
#include "core/exclusion_list.h"
#include "core/executable_name.h"
#include "core/fpu_control.h"
#include "core/library_state.h"
#include "dispatch/active_routes.h"
#include "high_contrast.h"
#include "high_contrast_rule.h"
#include "registry_layout.h"
#include "reload_generation.h"
#include "settings_reader.h"
#include "wallpaper/wallpaper_handlers.h"
#include "wallpaper/wallpaper_load.h"

namespace vornal::hooklib {
namespace {

// The longest path the system gives a module (with the "\\?\" form).
constexpr DWORD kModulePathChars = 32768;

// The main module's full path on the process heap, null when it cannot be
// had whole; the caller frees it.
char* ImagePath() noexcept {
  const HANDLE heap = GetProcessHeap();
  auto* path = static_cast<char*>(HeapAlloc(heap, 0, kModulePathChars + 1));
  if (path == nullptr) return nullptr;
  const DWORD length = GetModuleFileNameA(nullptr, path, kModulePathChars);
  // A full buffer means a truncated path, whose tail is not the file name.
  if (length == 0 || length >= kModulePathChars) {
    HeapFree(heap, 0, path);
    return nullptr;
  }
  path[length] = '\0';
  return path;
}

// True only when the process's executable is positively found in the list,
// by its file name or by a pattern over its whole path; any failure on the
// way leaves the process enabled.
bool IsExcluded(const ExclusionList& list) noexcept {
  char* path = ImagePath();
  if (path == nullptr) return false;
  char name[MAX_PATH + 1];
  bool excluded = ExecutableFileName(path, name, sizeof name) && list.Contains(name);
  excluded = excluded || list.AnyPatternMatches(path);
  HeapFree(GetProcessHeap(), 0, path);
  return excluded;
}

HWND FindDesktopIconView() noexcept {
  const HWND progman = FindWindowA("Progman", nullptr);
  if (progman == nullptr) return nullptr;
  const HWND view = FindWindowExA(progman, nullptr, "SHELLDLL_DefView", nullptr);
  if (view == nullptr) return nullptr;
  return FindWindowExA(view, nullptr, "SysListView32", nullptr);
}

// Whether this thread reloads for the broadcast. The threads take turns,
// so that of two that get the same broadcast at once only one reads the
// settings; a turn is a few compares.
bool ReloadTaken(std::uint32_t generation) noexcept {
  if (generation == kReloadAlways) return true;
  // The other thread holds the turn for a few compares; should it be
  // preempted inside them, this one gives up its time slice rather than
  // spin through it.
  while (g_library.takingReload.exchange(true, std::memory_order_acquire)) SwitchToThread();
  const bool taken = TakeReload(g_library.recentReloads, generation);
  g_library.takingReload.store(false, std::memory_order_release);
  return taken;
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
  // Read with every load, as the system's animation switch below, rather
  // than on every move.
  const bool remoteSession = GetSystemMetrics(SM_REMOTESESSION) != 0;
  const bool highContrast = HighContrastOn();
  g_library.highContrast.store(highContrast, std::memory_order_relaxed);
  snapshot.options = OptionsFor(settings, processEnabled, g_library.versionFlags, remoteSession, highContrast);
  snapshot.taskbarWindow = FindWindowA("Shell_TrayWnd", nullptr);
  snapshot.desktopIconView = FindDesktopIconView();
  // With every load rather than on every show: the handlers stay cheap.
  ReadSystemAnimations();
  g_library.options.Publish(snapshot);
  g_library.activeRoutes.store(ActiveRoutes(snapshot.options), std::memory_order_relaxed);
  // From the settings just read rather than the published options, which a
  // reload on another thread may be replacing.
  LoadWallpapers(settings, processEnabled && OwnWallpapersShown(highContrast));
}

void OnSettingsUpdated(WPARAM generation) noexcept {
  if (!ReloadTaken(static_cast<std::uint32_t>(generation))) return;
  const FpuControlScope fpu;
  ReadLibrarySettings();
}

void OnHighContrastSetting() noexcept {
  const bool on = HighContrastOn();
  if (g_library.highContrast.exchange(on, std::memory_order_relaxed) == on) return;
  const FpuControlScope fpu;
  // Invalidated before the load, while the tiles are still loaded, for the
  // windows that lose them; after it for those that get them back. Each
  // paints at its thread's next WM_PAINT.
  RedrawTiledWindows();
  ReadLibrarySettings();
  RedrawTiledWindows();
}

}  // namespace vornal::hooklib
