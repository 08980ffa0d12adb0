// The thread that holds the hook of the program's own bitness. Windows
// calls a hook procedure for programs of the other bitness on the thread
// that installed it, and those programs wait for the call; so the hook is
// installed and removed here, on a thread that does nothing else but pump
// messages, and never on the dialog's thread, which an Apply, a message
// box or a colour dialog can keep busy.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "thread_hook_plan.h"
#include "unique_handle.h"

namespace vornal {

class LibraryHooks;

class HookThread {
 public:
  explicit HookThread(std::string libraryPath) : libraryPath_(std::move(libraryPath)) {}
  // Removes a hook still installed and ends the thread.
  ~HookThread();
  HookThread(const HookThread&) = delete;
  HookThread& operator=(const HookThread&) = delete;

  // Loads the library and hooks the wanted threads (LibraryHooks::Load) on
  // the hook thread, starting the thread the first time.
  bool Install(const ExclusionEntries& exclusions);
  // The threads found again with the exclusions of this apply.
  void Rescan(const ExclusionEntries& exclusions);
  // Removes the hooks and releases the library (LibraryHooks::Unload).
  bool Remove();
  bool Installed() const { return installed_; }
  // How many threads carry the hook, for the tests; 0 where the hook goes
  // to every thread.
  std::size_t HookedThreads();

 private:
  struct Request;

  // Runs work on the hook thread with the binding that lives there, and
  // returns its result.
  bool Run(std::function<bool(LibraryHooks&)> work);
  bool StartThread();
  static DWORD WINAPI Main(void* started) noexcept;

  std::string libraryPath_;
  UniqueHandle thread_;
  DWORD threadId_ = 0;
  bool installed_ = false;
};

}  // namespace vornal
