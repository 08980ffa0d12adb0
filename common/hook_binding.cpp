#include "hook_binding.h"

#include "cross_process_names.h"

namespace vornal {

// A hook that cannot be removed keeps its library loaded: its code may
// still be called.
HookBinding::~HookBinding() { Unload(); }

bool HookBinding::Load(const char* libraryPath) {
  if (library_ != nullptr) return hook_ != nullptr;
  // Always a full path: a bare name would let a planted copy in the current
  // folder or on the search path run inside every process of the desktop.
  HMODULE library = LoadLibraryA(libraryPath);
  if (library == nullptr) return false;
  const auto hookProc = reinterpret_cast<HOOKPROC>(
      reinterpret_cast<void*>(GetProcAddress(library, kHookProcedureName)));
  const auto setupProc = reinterpret_cast<SetupProc>(
      reinterpret_cast<void*>(GetProcAddress(library, kSetupProcedureName)));
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
  if (hook_ != nullptr) {
    if (!UnhookWindowsHookEx(hook_)) return false;
    hook_ = nullptr;
    NudgeTopLevelWindows();
  }
  if (library_ == nullptr) return true;
  const bool freed = FreeLibrary(library_) != FALSE;
  if (freed) library_ = nullptr;
  return freed;
}

void NudgeTopLevelWindows() { PostMessageA(HWND_BROADCAST, WM_NULL, 0, 0); }

}  // namespace vornal
