// The hook library as the program that installs it holds it: loaded from a
// full path, its hook procedure installed for every thread of the desktop,
// and removed again. Install and remove on a thread that does nothing but
// pump messages: Windows calls the procedure on that thread for programs of
// the other bitness.
#pragma once

#include <windows.h>

namespace vornal {

class HookBinding {
 public:
  HookBinding() = default;
  // Removes a hook still installed and releases the library.
  ~HookBinding();
  HookBinding(const HookBinding&) = delete;
  HookBinding& operator=(const HookBinding&) = delete;

  // Loads the library, looks up VornalHook and VornalSetup, installs the
  // hook and hands its handle to VornalSetup. False, with nothing left
  // loaded, when any step fails.
  bool Load(const char* libraryPath);

  // Removes the hook, then releases the library. When the hook cannot be
  // removed the library stays loaded and false is returned.
  bool Unload();

  bool Installed() const { return hook_ != nullptr; }

 private:
  using SetupProc = void(CALLBACK*)(HHOOK);

  HMODULE library_ = nullptr;
  HHOOK hook_ = nullptr;
};

// Windows unloads a hook library from a program only when that program
// next handles a message, so an idle program would hold the file for hours.
// Posts a harmless message to every top-level window; a post never waits,
// so a program that does not answer holds nobody.
void NudgeTopLevelWindows();

}  // namespace vornal
