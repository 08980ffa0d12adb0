// VornalHost32.exe: the hook host. On 64-bit Windows the 64-bit control
// program starts it so that 32-bit programs get the effects as well: it
// loads the 32-bit library from its own folder, installs its hook, and
// then does nothing but pump messages (Windows calls the hook on this
// thread for the 64-bit programs, and must never wait for it) until the
// control program tells it to stop or ends for any reason, killed
// included. Then it removes the hook and ends.
#include <windows.h>

#include "cross_process_names.h"
#include "hook_binding.h"
#include "host_protocol.h"
#include "unique_handle.h"

namespace {

using vornal::UniqueHandle;

constexpr DWORD kEndingHostWaitMs = 5000;

// Sign-extension is how a 32-bit handle value becomes a 64-bit one.
HANDLE FromValue(std::uint32_t value) {
  return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(static_cast<LONG>(value)));
}

// The full path of fileName in this program's folder; false when it does
// not fit.
bool BesideThisProgram(const char* fileName, char (&path)[MAX_PATH]) {
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  DWORD folder = length;
  while (folder > 0 && path[folder - 1] != '\\' && path[folder - 1] != '/' && path[folder - 1] != ':') {
    --folder;
  }
  const size_t name = lstrlenA(fileName);
  if (folder + name >= MAX_PATH) return false;
  lstrcpyA(path + folder, fileName);
  return true;
}

// Handles messages, and so the hook calls Windows routes to this thread,
// until one of the two handles is signalled (or can no longer be waited on).
void PumpUntilEither(HANDLE first, HANDLE second) {
  const HANDLE handles[] = {first, second};
  for (;;) {
    const DWORD woke = MsgWaitForMultipleObjectsEx(2, handles, INFINITE, QS_ALLINPUT,
                                                   MWMO_INPUTAVAILABLE);
    if (woke != WAIT_OBJECT_0 + 2) return;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) return;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

int RunHost(const char* arguments) noexcept {
  const auto handles = vornal::ParseHostArguments(arguments != nullptr ? arguments : "");
  if (!handles) return vornal::kHostBadArguments;
  const UniqueHandle control(FromValue(handles->controlProcess));
  const UniqueHandle stop(FromValue(handles->stopEvent));
  const UniqueHandle ready(FromValue(handles->readyEvent));

  // The message queue exists before the hook does.
  MSG msg;
  PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);

  // A host that is still ending (its control program was just replaced)
  // gets a moment to go; two never run side by side.
  const UniqueHandle single(CreateMutexA(nullptr, FALSE, vornal::kHostMutexName));
  const DWORD owned = single ? WaitForSingleObject(single.Get(), kEndingHostWaitMs) : WAIT_FAILED;
  if (owned != WAIT_OBJECT_0 && owned != WAIT_ABANDONED) return vornal::kHostAlreadyRunning;

  int exitCode = vornal::kHostHookRemoved;
  {
    vornal::HookBinding hook;
    char library[MAX_PATH] = {};
    if (!BesideThisProgram(vornal::kHostLibraryFileName, library) || !hook.Load(library)) {
      exitCode = vornal::kHostLibraryFailed;
    } else {
      SetEvent(ready.Get());
      PumpUntilEither(control.Get(), stop.Get());
      if (!hook.Unload()) exitCode = vornal::kHostUnhookFailed;
    }
  }
  ReleaseMutex(single.Get());
  return exitCode;
}

}  // namespace

// Built without exceptions, like the library it loads: nothing here can
// throw, so the edge needs no catch.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) noexcept {
  return RunHost(arguments);
}
