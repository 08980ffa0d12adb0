#include "hook/hook_host.h"

#include <vector>

#include "host_protocol.h"

namespace vornal {
namespace {

// A Windows process starts in well under a second; Wine takes seconds.
constexpr DWORD kHostStartLimitMs = 20000;
constexpr DWORD kHostStopLimitMs = 5000;

UniqueHandle InheritableEvent(bool manualReset = true) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return UniqueHandle(CreateEventA(&inherit, manualReset, FALSE, nullptr));
}

std::uint32_t ValueOf(HANDLE handle) {
  return static_cast<std::uint32_t>(reinterpret_cast<ULONG_PTR>(handle));
}

// Starts the program so that it inherits these handles and no other (not
// this program's standard handles, say). ERROR_SUCCESS or why it failed.
DWORD CreateInheriting(const std::string& path, std::string& commandLine,
                       const HANDLE (&handles)[kHostHandleCount], PROCESS_INFORMATION& info) {
  SIZE_T size = 0;
  InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
  std::vector<unsigned char> attributes(size);
  auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
  if (!InitializeProcThreadAttributeList(list, 1, 0, &size)) return GetLastError();
  DWORD error = ERROR_SUCCESS;
  if (UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST,
                                const_cast<HANDLE*>(handles), sizeof handles, nullptr, nullptr)) {
    STARTUPINFOEXA startup{};
    startup.StartupInfo.cb = sizeof startup;
    // The host never shows a window (no busy cursor while it starts) and
    // writes nowhere (no standard handles).
    startup.StartupInfo.dwFlags = STARTF_FORCEOFFFEEDBACK | STARTF_USESTDHANDLES;
    startup.lpAttributeList = list;
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                        EXTENDED_STARTUPINFO_PRESENT, nullptr, nullptr, &startup.StartupInfo, &info)) {
      error = GetLastError();
    }
  } else {
    // Without the list the host would inherit every inheritable handle.
    error = GetLastError();
  }
  DeleteProcThreadAttributeList(list);
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
  // Several applies before the host looks are one rescan.
  rescan_ = InheritableEvent(false);
  const UniqueHandle ready = InheritableEvent();
  HANDLE self = nullptr;
  DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, SYNCHRONIZE,
                  TRUE, 0);
  const UniqueHandle control(self);
  if (!stop_ || !rescan_ || !ready || !control) return OtherBitness::Failed;

  char arguments[kHostArgumentsSize];
  FormatHostArguments({ValueOf(control.Get()), ValueOf(stop_.Get()), ValueOf(ready.Get()), ValueOf(rescan_.Get())},
                      arguments);
  std::string commandLine = "\"" + hostPath + "\" " + arguments;
  const HANDLE inherited[] = {control.Get(), stop_.Get(), ready.Get(), rescan_.Get()};
  PROCESS_INFORMATION info{};
  const DWORD createError = CreateInheriting(hostPath, commandLine, inherited, info);
  // Later processes must not inherit the events.
  SetHandleInformation(stop_.Get(), HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(rescan_.Get(), HANDLE_FLAG_INHERIT, 0);
  if (createError != ERROR_SUCCESS) {
    stop_.Reset();
    rescan_.Reset();
    return UncreatedHost(createError, SystemRuns32BitPrograms(wow64Folder));
  }
  const UniqueHandle thread(info.hThread);  // never waited on
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
  rescan_.Reset();
  return true;
}

void HookHost::Rescan() {
  if (Running()) SetEvent(rescan_.Get());
}

bool HookHost::Running() const {
  return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

}  // namespace vornal
