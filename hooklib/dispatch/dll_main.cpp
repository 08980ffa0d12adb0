// The loader's entry point. It only notes the module and switches off the
// thread notifications: everything else of the start-up waits for the first
// hook call (see library_startup.h), outside the loader lock.
//
// On detach the wallpapers' GDI objects are given back, and only on
// FreeLibrary (reserved null): when the process is terminating the other
// threads are already gone and the system reclaims everything, so touching
// shared state then could only do harm.
#include <windows.h>

#include "core/library_state.h"
#include "dispatch/library_startup.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) noexcept {
  if (reason == DLL_PROCESS_ATTACH) {
    vornal::hooklib::g_library.module = module;
    // Threads come and go in hooked processes; none of them needs the library.
    DisableThreadLibraryCalls(module);
  } else if (reason == DLL_PROCESS_DETACH) {
    vornal::hooklib::ProcessDetachHandler(reserved != nullptr);
  }
  return TRUE;
}
