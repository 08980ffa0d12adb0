#include "dispatch/library_startup.h"

#include <windows.h>
#include <mmsystem.h>

#include "core/fpu_control.h"
#include "core/library_state.h"
#include "cross_process_names.h"
#include "dispatch/library_settings.h"
#include "options/version_flags.h"
#include "wallpaper/wallpaper_handlers.h"
#include "wallpaper/wallpaper_load.h"

namespace vornal::hooklib {
namespace {

enum : LONG { kNotStarted = 0, kStarting = 1, kStarted = 2 };

volatile LONG g_startup = kNotStarted;

// GetProcAddress gives a generic entry point; going through void(*)() is the
// cast the compiler accepts between unrelated function pointer types.
template <typename Proc>
Proc LookUp(HMODULE module, const char* name) noexcept {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

VersionFlags RunningSystemFlags() noexcept {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExA(&info)) return VersionFlagsFor(0, 0, 0);
  return VersionFlagsFor(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}

void RunStartup() noexcept {
  const FpuControlScope fpu;

  // user32 is already loaded in any process that receives hooked messages.
  const HMODULE user32 = GetModuleHandleA("user32.dll");
  g_library.animateWindow = LookUp<AnimateWindowProc>(user32, "AnimateWindow");
  g_library.setLayeredWindowAttributes =
      LookUp<SetLayeredWindowAttributesProc>(user32, "SetLayeredWindowAttributes");
  g_library.setThreadDpiAwarenessContext =
      LookUp<SetThreadDpiAwarenessContextProc>(user32, "SetThreadDpiAwarenessContext");

  g_library.busy.store(true);

  g_library.versionFlags = RunningSystemFlags();
  g_library.dragWindow.store(nullptr);

  ReadLibrarySettings();

  g_library.lastAnimationTime = timeGetTime();

  const UINT message = RegisterWindowMessageA(kSettingsUpdatedMessage);
  g_library.msgSettingsUpdated = message != 0 ? message : kNoMessage;
  const UINT opening = RegisterWindowMessageA(kBoxOpeningMessage);
  const UINT closing = RegisterWindowMessageA(kBoxClosingMessage);
  g_library.msgBoxOpening = opening != 0 ? opening : kNoMessage;
  g_library.msgBoxClosing = closing != 0 ? closing : kNoMessage;
  const UINT hooked = RegisterWindowMessageA(kThreadHookedMessage);
  g_library.msgThreadHooked = hooked != 0 ? hooked : kNoMessage;

  g_library.busy.store(false);
}

}  // namespace

bool EnsureStarted() noexcept {
  if (__atomic_load_n(&g_startup, __ATOMIC_ACQUIRE) == kStarted) return true;
  const LONG previous = InterlockedCompareExchange(&g_startup, kStarting, kNotStarted);
  if (previous != kNotStarted) return previous == kStarted;
  RunStartup();
  // A full barrier: everything start-up wrote is visible before "started".
  InterlockedExchange(&g_startup, kStarted);
  // A library that arrives after the program's first windows were shown
  // (hooked per thread, that is the rule rather than the exception) has
  // missed their first paint.
  RedrawTiledWindows();
  return true;
}

void ProcessDetachHandler(bool processTerminating) noexcept {
  if (!processTerminating) ReleaseWallpapers();
}

}  // namespace vornal::hooklib
