// Per-process state of VornalLib. Every process the library is mapped into
// has its own copy; nothing here is shared between processes.
//
// HookHandle is deliberately not shared either (no shared data section): a
// writable shared section can be read and written by every process on the
// desktop, and the NT family ignores the first argument of CallNextHookEx,
// so only the control program's own copy ever holds the handle.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "core/published.h"
#include "options/library_options.h"
#include "options/version_flags.h"
#include "reload_generation.h"

namespace vornal::hooklib {

using AnimateWindowProc = BOOL(WINAPI*)(HWND, DWORD, DWORD);
using SetLayeredWindowAttributesProc = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
// DPI_AWARENESS_CONTEXT is a HANDLE; the older headers lack the type.
using SetThreadDpiAwarenessContextProc = HANDLE(WINAPI*)(HANDLE);
using DwmGetWindowAttributeProc = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);

// No real message carries a number above 0xFFFF, so a failed registration
// of the settings-updated message matches nothing.
inline constexpr UINT kNoMessage = 0xFFFFFFFFu;

// The options of the last settings load, with the shell windows found then.
struct OptionsSnapshot {
  LibraryOptions options;
  HWND taskbarWindow = nullptr;
  HWND desktopIconView = nullptr;
};

struct LibraryState {
  HMODULE module = nullptr;
  // Set only in the process that installed the hook (VornalSetup), on its
  // hook thread, and read by every thread that runs the hook procedure.
  std::atomic<HHOOK> hookHandle{nullptr};
  UINT msgSettingsUpdated = kNoMessage;
  // The generations of the last "Vornal_SettingsUpdated"s that reloaded,
  // taken in turns (takingReload) by the threads the broadcasts reach.
  RecentReloads recentReloads;
  std::atomic<bool> takingReload{false};
  // What the library posts to the control program's box overlay.
  UINT msgBoxOpening = kNoMessage;
  UINT msgBoxClosing = kNoMessage;
  UINT msgThreadHooked = kNoMessage;

  // Optional user32 entry points; null where the system lacks them.
  AnimateWindowProc animateWindow = nullptr;
  SetLayeredWindowAttributesProc setLayeredWindowAttributes = nullptr;
  SetThreadDpiAwarenessContextProc setThreadDpiAwarenessContext = nullptr;  // Windows 10 1607
  // dwmapi.dll's, looked up at the first box this process posts, so that a
  // program that never opens a titled window never maps dwmapi.dll for us.
  std::atomic<bool> dwmLookedUp{false};
  std::atomic<DwmGetWindowAttributeProc> dwmGetWindowAttribute{nullptr};

  VersionFlags versionFlags;  // of the running system, from start-up on

  // Handlers on several GUI threads of one process read and write these.
  // busy is held by start-up and by the show and hide handlers (BusyScope);
  // lastAnimationTime is the timeGetTime of the last open or close that
  // passed the size limits (the repeat restriction).
  std::atomic<bool> busy{false};
  std::atomic<HWND> dragWindow{nullptr};
  std::atomic<DWORD> lastAnimationTime{0};
  // The window whose opening was last seen, so that an opening is never
  // played twice when the thread was hooked just as the window showed.
  std::atomic<HWND> lastOpened{nullptr};
  // SPI_GETCLIENTAREAANIMATION ("Show animations in Windows"), true where
  // the system does not know it. Apart from the options, so that the
  // system's WM_SETTINGCHANGE can update it alone without a settings load
  // on another thread being overwritten by an older copy.
  std::atomic<bool> systemAnimations{true};
  // Whether the last settings load found the system's high contrast on;
  // exchanged on WM_SETTINGCHANGE, so that of the process's windows the
  // change reaches only the first reloads.
  std::atomic<bool> highContrast{false};

  // Published by every settings load: the options as one snapshot that
  // handlers copy, and the routes that have anything to do under them
  // (none until start-up has read the settings).
  Published<OptionsSnapshot> options;
  std::atomic<std::uint32_t> activeRoutes{0};
};

extern LibraryState g_library;

// A copy of the options of the last settings load.
inline OptionsSnapshot CurrentOptions() noexcept { return g_library.options.Read(); }

}  // namespace vornal::hooklib
