#include "library_reloads.h"

#include <windows.h>

#include <atomic>

#include "import_slot.h"
#include "registry_layout.h"

namespace vornal::test {
namespace {

std::atomic<long> g_reads{0};
decltype(&RegOpenKeyExA) g_open = nullptr;  // set before the slot points here

// The key as the library opens it: from the current user's hive, without
// the leading "\" the layout writes.
bool IsSettingsKey(HKEY root, const char* path) {
  return root == HKEY_CURRENT_USER && path != nullptr && lstrcmpiA(path, kSettingsKeyPath + 1) == 0;
}

LONG WINAPI CountedOpen(HKEY root, LPCSTR path, DWORD options, REGSAM access, PHKEY key) {
  if (IsSettingsKey(root, path)) ++g_reads;
  return g_open(root, path, options, access, key);
}

}  // namespace

long LibraryReloads() {
  const HMODULE library = GetModuleHandleA("VornalLib.dll");
  if (library == nullptr) return -1;
  static bool counting = false;
  if (!counting) {
    // Known before the slot changes: the library may reload on another
    // thread the moment it does.
    g_open = reinterpret_cast<decltype(&RegOpenKeyExA)>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("advapi32.dll"), "RegOpenKeyExA")));
    counting = g_open != nullptr &&
               ReplaceImport(library, "advapi32.dll", "RegOpenKeyExA", reinterpret_cast<void*>(CountedOpen)) != nullptr;
    if (!counting) return -1;
  }
  return g_reads.load();
}

}  // namespace vornal::test
