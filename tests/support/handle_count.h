// How many handles a process holds, for the tests that check nothing is
// left behind.
#pragma once

#include <windows.h>

#include <vector>

namespace vornal::test {

// From the system's table of every handle: Wine answers
// GetProcessHandleCount with 0, and serves it for no other process. 0 where
// the table cannot be read.
inline DWORD HandleCountOf(DWORD processId) {
  struct Entry {  // SYSTEM_HANDLE_TABLE_ENTRY_INFO_EX
    void* object;
    ULONG_PTR processId, handle;
    ULONG access;
    USHORT creatorBackTrace, type;
    ULONG attributes, reserved;
  };
  constexpr ULONG kSystemExtendedHandleInformation = 64;
  using Query = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
  const auto query = reinterpret_cast<Query>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  if (query == nullptr) return 0;
  std::vector<ULONG_PTR> table(1 << 16);
  for (ULONG needed = 0;; table.resize(table.size() * 2)) {
    const auto bytes = static_cast<ULONG>(table.size() * sizeof(ULONG_PTR));
    if (query(kSystemExtendedHandleInformation, table.data(), bytes, &needed) == 0) break;
    if (table.size() > (1u << 24)) return 0;
  }
  // The count and a reserved word come before the entries.
  const auto* entries = reinterpret_cast<const Entry*>(table.data() + 2);
  DWORD count = 0;
  for (ULONG_PTR i = 0; i < table[0]; ++i) count += entries[i].processId == processId ? 1 : 0;
  return count;
}

}  // namespace vornal::test
