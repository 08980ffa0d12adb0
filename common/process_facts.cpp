#include "process_facts.h"

namespace vornal {
namespace {

// Wide enough for the longest path the system has; paths are not limited
// to MAX_PATH any more.
constexpr DWORD kLongestPath = 32768;

using QueryFullProcessImageNameProc = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, PDWORD);
using GetModuleFileNameExProc = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);
using IsWow64ProcessProc = BOOL(WINAPI*)(HANDLE, PBOOL);

template <typename Proc>
Proc Lookup(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

HMODULE Kernel32() { return GetModuleHandleA("kernel32.dll"); }

// Windows 2000 and XP: psapi.dll, always from the system folder, never
// from the search path.
GetModuleFileNameExProc ModulePathReader() {
  char path[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(path, MAX_PATH);
  if (length == 0 || length + sizeof("\\psapi.dll") > MAX_PATH) return nullptr;
  lstrcatA(path, "\\psapi.dll");
  return Lookup<GetModuleFileNameExProc>(LoadLibraryA(path), "GetModuleFileNameExA");
}

HANDLE OpenForFacts(DWORD processId, bool limited) {
  const DWORD query = limited ? PROCESS_QUERY_LIMITED_INFORMATION : PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;
  return OpenProcess(SYNCHRONIZE | query, FALSE, processId);
}

std::string ImagePath(HANDLE process, QueryFullProcessImageNameProc query) {
  std::string path(kLongestPath, '\0');
  DWORD length = kLongestPath;
  if (query != nullptr) {
    if (!query(process, 0, path.data(), &length)) return {};
  } else {
    static const GetModuleFileNameExProc readModulePath = ModulePathReader();
    if (readModulePath == nullptr) return {};
    length = readModulePath(process, nullptr, path.data(), kLongestPath);
    if (length == 0 || length >= kLongestPath) return {};
  }
  path.resize(length);
  return path;
}

// Without IsWow64Process the system has one bitness.
bool IsWow64(HANDLE process) {
  static const auto isWow64 = Lookup<IsWow64ProcessProc>(Kernel32(), "IsWow64Process");
  BOOL wow64 = FALSE;
  return isWow64 != nullptr && isWow64(process, &wow64) && wow64;
}

}  // namespace

ProcessFacts ReadProcessFacts(DWORD processId) {
  static const auto query = Lookup<QueryFullProcessImageNameProc>(Kernel32(), "QueryFullProcessImageNameA");
  ProcessFacts facts;
  facts.process = UniqueHandle(OpenForFacts(processId, query != nullptr));
  if (!facts.process) return facts;
  facts.sameBitness = IsWow64(facts.process.Get()) == IsWow64(GetCurrentProcess());
  facts.imagePath = ImagePath(facts.process.Get(), query);
  return facts;
}

bool HasEnded(HANDLE waitable) noexcept {
  return waitable == nullptr || WaitForSingleObject(waitable, 0) != WAIT_TIMEOUT;
}

}  // namespace vornal
