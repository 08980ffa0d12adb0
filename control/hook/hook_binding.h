// The hook library as the control program holds it: loaded from a full
// path, its hook procedure installed for every thread of the desktop, and
// removed again.
#pragma once

#include <windows.h>

#include <string>

namespace vornal {

class HookBinding {
 public:
  // Loads the library, looks up VornalHook and VornalSetup, installs the
  // hook and hands its handle to VornalSetup. False, with nothing left
  // loaded, when any step fails.
  bool Load(const std::string& libraryPath);

  // Removes the hook, then releases the library. When the hook cannot be
  // removed the library stays loaded and false is returned.
  bool Unload();

  HHOOK Hook() const { return hook_; }

 private:
  using SetupProc = void(CALLBACK*)(HHOOK);

  HMODULE library_ = nullptr;
  HHOOK hook_ = nullptr;
};

}  // namespace vornal
