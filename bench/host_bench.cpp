// The hook host's footprint while it runs: its private bytes and threads,
// beside a program of the same build that only waits (this program, started
// with --idle). Starts the host the way the control program does, from
// host-x64/ beside this program (the x86_64 stand-in where only 64-bit code
// runs; the i686 edition finds the real host beside it). With --hold N both
// keep running N seconds after the figures, for outside tools to measure
// (Wine reports no private bytes of other processes: bench/host-footprint).
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "hook/hook_host.h"
#include "host_protocol.h"
#include "unique_handle.h"

namespace {

struct Footprint {
  SIZE_T privateBytes = 0;
  DWORD threads = 0;
};

// The first running process of that executable other than this one.
DWORD FindProcess(const char* exeName) {
  DWORD found = 0;
  const vornal::UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot.Get(), &entry); more && found == 0;
       more = Process32Next(snapshot.Get(), &entry)) {
    if (lstrcmpiA(entry.szExeFile, exeName) == 0 && entry.th32ProcessID != GetCurrentProcessId()) {
      found = entry.th32ProcessID;
    }
  }
  return found;
}

Footprint Measure(DWORD processId) {
  Footprint f;
  {
    const vornal::UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    THREADENTRY32 thread{};
    thread.dwSize = sizeof thread;
    for (BOOL more = Thread32First(snapshot.Get(), &thread); more;
         more = Thread32Next(snapshot.Get(), &thread)) {
      if (thread.th32OwnerProcessID == processId) ++f.threads;
    }
  }
  const vornal::UniqueHandle process(
      OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
  PROCESS_MEMORY_COUNTERS_EX counters{};
  if (process && GetProcessMemoryInfo(process.Get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                      sizeof counters)) {
    f.privateBytes = counters.PrivateUsage;
  }
  return f;
}

// This program's folder, with its trailing backslash.
std::string Folder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (char* name = std::strrchr(path, '\\')) name[1] = '\0';
  return path;
}

void Print(const char* what, const Footprint& f) {
  if (f.privateBytes == 0) {
    std::printf("%-44s private bytes not reported, %lu threads\n", what, f.threads);
  } else {
    std::printf("%-44s %8.1f KiB private, %lu threads\n", what, f.privateBytes / 1024.0, f.threads);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--idle") == 0) {
    Sleep(INFINITE);
    return 0;
  }
  const DWORD holdMs = argc > 2 && std::strcmp(argv[1], "--hold") == 0
                           ? static_cast<DWORD>(std::atoi(argv[2])) * 1000
                           : 0;
  std::string host = Folder();
  host += vornal::kHostFileName;
  if (GetFileAttributesA(host.c_str()) == INVALID_FILE_ATTRIBUTES) {
    host = Folder();
    host += "host-x64\\";
    host += vornal::kHostFileName;
  }

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  char command[MAX_PATH + 32];
  std::snprintf(command, sizeof command, "\"%svornal_host_bench.exe\" --idle", Folder().c_str());
  if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started)) {
    std::printf("cannot start the idle program\n");
    return 1;
  }
  const vornal::UniqueHandle idle(started.hProcess);
  const vornal::UniqueHandle idleThread(started.hThread);
  vornal::HookHost hookHost;
  if (hookHost.Start(host, vornal::SystemWow64Folder()) != vornal::OtherBitness::Running) {
    std::printf("the host did not start: %s\n", host.c_str());
    TerminateProcess(idle.Get(), 0);
    return 1;
  }
  // Both have settled once the host has installed its hook.
  Sleep(2000);
  std::printf("%s\n", host.c_str());
  const Footprint hostFootprint = Measure(FindProcess(vornal::kHostFileName));
  const Footprint idleFootprint = Measure(started.dwProcessId);
  Print("hook host, its hook installed", hostFootprint);
  Print("a program of the same build that only waits", idleFootprint);
  std::printf("%-44s %+.1f KiB private, %+ld threads\n", "the host beyond it",
              (static_cast<double>(hostFootprint.privateBytes) - idleFootprint.privateBytes) / 1024.0,
              static_cast<long>(hostFootprint.threads) - static_cast<long>(idleFootprint.threads));
  std::fflush(stdout);
  Sleep(holdMs);
  hookHost.Stop();
  TerminateProcess(idle.Get(), 0);
  return 0;
}
