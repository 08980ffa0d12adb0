// The reliability commands of vornal_drag_target.exe, the hooked helper:
// windows of every class the library's rules name made and unmade by
// worker threads as fast as they go, the GDI objects the library holds in
// the helper (counted at the library's own imports, since Wine's
// GetGuiResources reports 0), its settings reads, and faults in the middle of an animation.
#pragma once

#include <windows.h>

namespace vornal::test {

enum : UINT {
  // Starts wParam worker threads (at most kMaxChurnThreads) that churn
  // until kChurnStop; answers the threads started.
  kChurnStart = WM_APP + 60,
  // Stops the workers and waits for them; answers 1 when all ended.
  kChurnStop,
  // Counters since the helper started: windows made, rounds finished,
  // messages sent to the workers' windows (seen by a hook of the workers'
  // own), and the settings-updated messages reaching any window of the
  // helper (each of its windows gets a broadcast).
  kChurnWindows,
  kChurnRounds,
  kChurnMessages,
  kChurnSettingsMessages,
  // The GDI objects the library made and has not yet deleted (device
  // contexts, bitmaps, pictures, screen DCs not yet released), counted
  // from the first call on; -1 while the library is not here.
  kLibraryObjects,
  // Shows a titled window on one thread and closes it from another while
  // its opening is animated; answers 1 when the window is gone and the
  // helper's threads are back.
  kCloseDuringAnimation,
  // The settings reads of the library in the helper (library_reloads.h),
  // counted from the first call on; -1 while the library is not here.
  kLibraryReloads,
};

inline constexpr WPARAM kMaxChurnThreads = 4;

}  // namespace vornal::test
