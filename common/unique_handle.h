// Owns one kernel object handle (a process, thread, event, mutex, file,
// section, token or snapshot) and closes it on every path.
#pragma once

#include <windows.h>

#include "unique_resource.h"

namespace vornal {

struct KernelHandleTraits {
  using Value = HANDLE;
  // Create and open calls report failure as null or as
  // INVALID_HANDLE_VALUE (CreateFile, CreateToolhelp32Snapshot), depending
  // on the call: both mean "nothing owned".
  static bool Owns(HANDLE handle) noexcept { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
  static void Free(HANDLE handle) noexcept { CloseHandle(handle); }
};

using UniqueHandle = UniqueResource<KernelHandleTraits>;

// The process and thread handles that CreateProcess fills in, owned
// together from the moment the call returns.
struct ProcessHandles {
  ProcessHandles() noexcept = default;
  explicit ProcessHandles(const PROCESS_INFORMATION& info) noexcept
      : process(info.hProcess), thread(info.hThread), id(info.dwProcessId) {}

  UniqueHandle process;
  UniqueHandle thread;
  DWORD id = 0;
};

}  // namespace vornal
