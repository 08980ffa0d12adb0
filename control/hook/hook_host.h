// The control program's side of the hook host: on 64-bit Windows it starts
// VornalHost32.exe from its own folder, so that the 32-bit library's hook
// reaches the 32-bit programs, and stops it again.
#pragma once

#include <windows.h>

#include <string>

#include "hook/hook_reach.h"
#include "unique_handle.h"

namespace vornal {

class HookHost {
 public:
  HookHost() = default;
  // Stops a host still running.
  ~HookHost() { Stop(); }
  HookHost(const HookHost&) = delete;
  HookHost& operator=(const HookHost&) = delete;

  // Starts the host and waits, bounded, until it has installed its hook
  // (Running) or has ended (Failed); Unsupported where the system, whose
  // 32-bit system files are in wow64Folder, runs no 32-bit programs.
  OtherBitness Start(const std::string& hostPath, const std::string& wow64Folder);
  // Tells the host to remove its hook and waits, bounded, for it to end; a
  // host that does not end is ended. True once no host runs.
  bool Stop();
  // The host runs (it ends on its own only when it fails).
  bool Running() const;
  // Tells a running host to read the exclusions and find the threads to
  // hook again; never waits for it.
  void Rescan();

 private:
  UniqueHandle process_;
  UniqueHandle stop_;
  UniqueHandle rescan_;
};

// The folder of this 64-bit Windows's 32-bit system files; empty where
// there is none.
std::string SystemWow64Folder();
// Whether a system can run 32-bit programs: a 64-bit Windows has them when
// its WOW64 folder holds a kernel32.dll. Some hold an empty one.
bool SystemRuns32BitPrograms(const std::string& wow64Folder);

}  // namespace vornal
