#include "hook_binding.h"

namespace vornal {

bool HookBinding::Load(const std::string& libraryPath) {
  // Always a full path: a bare name would let a planted copy in the current
  // folder or on the search path run inside every process of the desktop.
  HMODULE library = LoadLibraryA(libraryPath.c_str());
  if (library == nullptr) return false;
  const auto hookProc = reinterpret_cast<HOOKPROC>(
      reinterpret_cast<void*>(GetProcAddress(library, "VornalHook")));
  const auto setupProc = reinterpret_cast<SetupProc>(
      reinterpret_cast<void*>(GetProcAddress(library, "VornalSetup")));
  if (hookProc == nullptr || setupProc == nullptr) {
    FreeLibrary(library);
    return false;
  }
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, hookProc, library, 0);
  setupProc(hook);
  if (hook == nullptr) {
    FreeLibrary(library);
    return false;
  }
  library_ = library;
  hook_ = hook;
  return true;
}

bool HookBinding::Unload() {
  if (!UnhookWindowsHookEx(hook_)) return false;
  hook_ = nullptr;
  const bool freed = FreeLibrary(library_) != FALSE;
  if (freed) library_ = nullptr;
  return freed;
}

}  // namespace vornal
