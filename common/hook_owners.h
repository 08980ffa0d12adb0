// Owners of what a program that sets hooks takes from Windows: a window
// hook, a WinEvent hook, a loaded library and a thread timer.
#pragma once

#include <windows.h>

#include "unique_resource.h"

namespace vornal {

namespace hook_owners_detail {
inline void Unhook(HHOOK hook) noexcept { UnhookWindowsHookEx(hook); }
inline void Unwatch(HWINEVENTHOOK hook) noexcept { UnhookWinEvent(hook); }
inline void Release(HMODULE module) noexcept { FreeLibrary(module); }
}  // namespace hook_owners_detail

using UniqueWindowsHook = UniqueResource<NullIsNothing<HHOOK, hook_owners_detail::Unhook>>;
using UniqueWinEventHook = UniqueResource<NullIsNothing<HWINEVENTHOOK, hook_owners_detail::Unwatch>>;
using UniqueLibrary = UniqueResource<NullIsNothing<HMODULE, hook_owners_detail::Release>>;

// A timer of the calling thread (SetTimer without a window), killed on the
// same thread.
struct ThreadTimerTraits {
  using Value = UINT_PTR;
  static bool Owns(UINT_PTR id) noexcept { return id != 0; }
  static void Free(UINT_PTR id) noexcept { KillTimer(nullptr, id); }
};
using UniqueThreadTimer = UniqueResource<ThreadTimerTraits>;

}  // namespace vornal
