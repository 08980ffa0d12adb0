// The hook library as a program that installs it holds it: set on each
// wanted GUI thread where the system allows (ThreadHooks), so that
// excluded programs never map it, and for every thread of the desktop where
// it does not (HookBinding: the 9x family, NT 4), the exclusions then
// keeping only the effects out.
#pragma once

#include "hook_binding.h"
#include "thread_hooks.h"

namespace vornal {

class LibraryHooks {
 public:
  // Loads the library and hooks the wanted threads of the desktop, or
  // every thread where hooks per thread are not available.
  bool Load(const char* libraryPath, const ExclusionEntries& exclusions) noexcept;
  // At each apply: the threads found again with the exclusions of now.
  // Hooks for every thread have nothing to find.
  void Rescan(const ExclusionEntries& exclusions) noexcept;
  bool Unload() noexcept;

  bool Installed() const noexcept { return threads_.Installed() || everyThread_.Installed(); }
  // Whether the hooks go to each wanted thread.
  bool PerThread() const noexcept { return threads_.Installed(); }
  const ThreadHooks& Threads() const noexcept { return threads_; }

 private:
  ThreadHooks threads_;
  HookBinding everyThread_;
};

}  // namespace vornal
