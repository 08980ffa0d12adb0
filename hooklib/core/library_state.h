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

#include "settings_record.h"

namespace vornal::hooklib {

using AnimateWindowProc = BOOL(WINAPI*)(HWND, DWORD, DWORD);
using SetLayeredWindowAttributesProc = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// No real message carries a number above 0xFFFF, so a failed registration
// of the settings-updated message matches nothing.
inline constexpr UINT kNoMessage = 0xFFFFFFFFu;

struct LibraryState {
  HMODULE module = nullptr;
  // Set only in the process that installed the hook (VornalSetup), on its
  // hook thread, and read by every thread that runs the hook procedure.
  std::atomic<HHOOK> hookHandle{nullptr};
  UINT msgSettingsUpdated = kNoMessage;

  // Optional user32 entry points; null where the system lacks them.
  AnimateWindowProc animateWindow = nullptr;
  SetLayeredWindowAttributesProc setLayeredWindowAttributes = nullptr;

  bool oldSystem = false;  // NT 4.0 or older, or Windows 95
  bool beforeXP = true;

  // Handlers on several GUI threads of one process read and write these.
  // busy is held by start-up and by the show and hide handlers (BusyScope);
  // lastAnimationTime is the timeGetTime of the last open or close that
  // passed the size limits (the repeat restriction).
  std::atomic<bool> busy{false};
  std::atomic<bool> processEnabled{true};
  std::atomic<HWND> dragWindow{nullptr};
  std::atomic<DWORD> lastAnimationTime{0};

  HWND taskbarWindow = nullptr;
  HWND desktopIconView = nullptr;

  // The library's part of the record (check flags 1-14, spin values 1-13,
  // radio flags 1-2, multi-radio values 1-2, the wallpaper paths); the
  // other elements keep their defaults and are never consulted.
  Settings settings;
};

extern LibraryState g_library;

}  // namespace vornal::hooklib
