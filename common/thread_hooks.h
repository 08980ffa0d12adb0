// The hook library set on each wanted GUI thread rather than on every
// thread of the desktop, so that Windows never maps it into a program that
// is excluded. The threads are found at each apply (the owners of the
// desktop's top-level windows) and, in between, as windows are created:
// an out-of-context WinEvent for EVENT_OBJECT_CREATE reaches this program
// without putting any code into the program that made the window.
//
// Everything runs on the one thread that called Load, which must pump
// messages: the WinEvents and the timer that forgets ended threads arrive
// there.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "hook_owners.h"
#include "process_facts.h"
#include "thread_hook_plan.h"
#include "unique_handle.h"

namespace vornal {

class ThreadHooks {
 public:
  ThreadHooks() = default;
  // Removes every hook still set and releases the library.
  ~ThreadHooks();
  ThreadHooks(const ThreadHooks&) = delete;
  ThreadHooks& operator=(const ThreadHooks&) = delete;

  // Whether the system has what hooks per thread need: the NT family from
  // Windows 2000 on, which has WinEvents.
  static bool Available() noexcept;

  // Loads the library by its full path, finds its hook procedure and
  // starts watching for new windows, with no thread hooked yet. False, with
  // nothing left loaded, when any step fails.
  bool Load(const char* libraryPath) noexcept;
  // Hooks every wanted thread that owns a top-level window now, unhooks the
  // threads whose program the exclusions keep out since, and keeps these
  // exclusions for the windows created from here on.
  void Rescan(const ExclusionEntries& exclusions) noexcept;
  // Removes every hook and the watch, then releases the library; a hook
  // that cannot be removed from a running thread keeps the library loaded
  // and false is returned.
  bool Unload() noexcept;

  bool Installed() const noexcept { return procedure_ != nullptr; }
  std::size_t HookedThreads() const noexcept { return hooked_.size(); }
  // A new window's owner, as the WinEvent names it.
  void OnWindowCreated(HWND window, DWORD threadId) noexcept;
  // Forgets the hooks of threads and the facts of processes that ended.
  void ForgetEnded() noexcept;

 private:
  struct HookedThread {
    UniqueWindowsHook hook;
    DWORD processId = 0;
    UniqueHandle thread;  // tells when it ended: its id is then reused
  };

  struct KnownProcess {
    ProcessFacts facts;
    // Whether its threads are wanted under the exclusions of now; -1 until
    // first asked after each rescan. Windows are created all the time, and
    // the exclusions are many.
    signed char wanted = -1;
  };

  // The facts of a running process, read at its first window; null where
  // it cannot be opened (it is asked again at its next window).
  KnownProcess* Known(DWORD processId);
  GuiThread ThreadOf(DWORD threadId, DWORD processId);
  // createdWindow: the window whose appearance found the thread, told so;
  // null at a rescan.
  void Hook(DWORD threadId, DWORD processId, HWND createdWindow = nullptr);
  bool Unhook(DWORD threadId);
  std::vector<std::uint32_t> HookedIds() const;

  UniqueLibrary library_;
  HOOKPROC procedure_ = nullptr;
  UniqueWinEventHook watch_;
  UniqueThreadTimer forgetTimer_;
  UINT msgThreadHooked_ = 0;
  ExclusionEntries exclusions_;
  std::map<DWORD, HookedThread> hooked_;    // by thread id
  std::map<DWORD, KnownProcess> processes_;  // by process id, while they run
};

}  // namespace vornal
