#include "hook_host.h"

#include <vector>

#include "host_protocol.h"

namespace vornal {
namespace {

// A Windows process starts in well under a second; Wine takes seconds.
constexpr DWORD kHostStartLimitMs = 20000;
constexpr DWORD kHostStopLimitMs = 5000;

UniqueHandle InheritableEvent() {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return UniqueHandle(CreateEventA(&inherit, TRUE, FALSE, nullptr));
}

std::uint32_t ValueOf(HANDLE handle) {
  return static_cast<std::uint32_t>(reinterpret_cast<ULONG_PTR>(handle));
}

template <typename Proc>
Proc Kernel32(const char* name) {
  return reinterpret_cast<Proc>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name)));
}

// Starts the program so that it inherits these handles and no other (not
// this program's standard handles, say). Windows before Vista lacks the
// attribute list: there it inherits every inheritable handle, and this
// program makes none but these. ERROR_SUCCESS or why it failed.
DWORD CreateInheriting(const std::string& path, std::string& commandLine,
                       const HANDLE (&handles)[3], PROCESS_INFORMATION& info) {
  using Initialize = BOOL(WINAPI*)(LPPROC_THREAD_ATTRIBUTE_LIST, DWORD, DWORD, PSIZE_T);
  using Update = BOOL(WINAPI*)(LPPROC_THREAD_ATTRIBUTE_LIST, DWORD, DWORD_PTR, PVOID, SIZE_T,
                               PVOID, PSIZE_T);
  using Delete = void(WINAPI*)(LPPROC_THREAD_ATTRIBUTE_LIST);
  const auto initialize = Kernel32<Initialize>("InitializeProcThreadAttributeList");
  const auto update = Kernel32<Update>("UpdateProcThreadAttribute");
  const auto remove = Kernel32<Delete>("DeleteProcThreadAttributeList");

  STARTUPINFOEXA startup{};
  startup.StartupInfo.cb = sizeof startup.StartupInfo;
  // The host never shows a window (no busy cursor while it starts) and
  // writes nowhere (no standard handles).
  startup.StartupInfo.dwFlags = STARTF_FORCEOFFFEEDBACK | STARTF_USESTDHANDLES;
  DWORD flags = 0;
  std::vector<unsigned char> attributes;
  SIZE_T size = 0;
  if (initialize != nullptr && update != nullptr && remove != nullptr) {
    initialize(nullptr, 1, 0, &size);
    attributes.resize(size);
    auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
    if (initialize(list, 1, 0, &size)) {
      if (update(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, const_cast<HANDLE*>(handles),
                 sizeof handles, nullptr, nullptr)) {
        startup.StartupInfo.cb = sizeof startup;
        startup.lpAttributeList = list;
        flags = EXTENDED_STARTUPINFO_PRESENT;
      } else {
        remove(list);
      }
    }
  }
  const BOOL created = CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                      flags, nullptr, nullptr, &startup.StartupInfo, &info);
  const DWORD error = created ? ERROR_SUCCESS : GetLastError();
  if (startup.lpAttributeList != nullptr) remove(startup.lpAttributeList);
  return error;
}

}  // namespace

std::string SystemWow64Folder() {
  char folder[MAX_PATH] = {};
  const UINT length = GetSystemWow64DirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return "";
  return std::string(folder, length);
}

bool SystemRuns32BitPrograms(const std::string& wow64Folder) {
  if (wow64Folder.empty()) return false;
  const std::string kernel32 = wow64Folder + "\\kernel32.dll";
  const DWORD attributes = GetFileAttributesA(kernel32.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

OtherBitness HookHost::Start(const std::string& hostPath, const std::string& wow64Folder) {
  if (Running()) return OtherBitness::Running;
  process_.Reset();
  stop_ = InheritableEvent();
  const UniqueHandle ready = InheritableEvent();
  HANDLE self = nullptr;
  DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, SYNCHRONIZE,
                  TRUE, 0);
  const UniqueHandle control(self);
  if (!stop_ || !ready || !control) return OtherBitness::Failed;

  char arguments[kHostArgumentsSize];
  FormatHostArguments({ValueOf(control.Get()), ValueOf(stop_.Get()), ValueOf(ready.Get())},
                      arguments);
  std::string commandLine = "\"" + hostPath + "\" " + arguments;
  const HANDLE inherited[] = {control.Get(), stop_.Get(), ready.Get()};
  PROCESS_INFORMATION info{};
  const DWORD createError = CreateInheriting(hostPath, commandLine, inherited, info);
  // Later processes must not inherit the stop event.
  SetHandleInformation(stop_.Get(), HANDLE_FLAG_INHERIT, 0);
  if (createError != ERROR_SUCCESS) {
    stop_.Reset();
    return UncreatedHost(createError, SystemRuns32BitPrograms(wow64Folder));
  }
  CloseHandle(info.hThread);
  process_ = UniqueHandle(info.hProcess);

  const HANDLE waits[] = {ready.Get(), process_.Get()};
  const DWORD waited = WaitForMultipleObjects(2, waits, FALSE, kHostStartLimitMs);
  if (waited == WAIT_OBJECT_0) return OtherBitness::Running;
  DWORD exitCode = STILL_ACTIVE;
  const bool ended = waited == WAIT_OBJECT_0 + 1 && GetExitCodeProcess(process_.Get(), &exitCode);
  // Ended on its own (its library failed, another host runs, or Windows
  // could not run it), or hangs.
  Stop();
  if (!ended) return OtherBitness::Failed;
  return EndedHost(exitCode, SystemRuns32BitPrograms(wow64Folder));
}

bool HookHost::Stop() {
  if (!process_) return true;
  SetEvent(stop_.Get());
  if (WaitForSingleObject(process_.Get(), kHostStopLimitMs) != WAIT_OBJECT_0) {
    // Windows removes a hook together with the thread that installed it.
    TerminateProcess(process_.Get(), kHostUnhookFailed);
    if (WaitForSingleObject(process_.Get(), kHostStopLimitMs) != WAIT_OBJECT_0) return false;
  }
  process_.Reset();
  stop_.Reset();
  return true;
}

bool HookHost::Running() const {
  return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

}  // namespace vornal
