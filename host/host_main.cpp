// VornalHost32.exe: the hook host. On 64-bit Windows the 64-bit control
// program starts it so that 32-bit programs get the effects as well: it
// loads the 32-bit library from its own folder, hooks the wanted threads of
// the 32-bit programs, and then does nothing but pump messages (the watch
// for new windows arrives on this thread, and where hooks go to every
// thread Windows calls the hook here for the 64-bit programs, which must
// never wait for it). At each apply the control program tells it to find
// the threads again with the exclusions of now. When the control program
// tells it to stop or ends for any reason, killed included, it removes its
// hooks and ends.
#include <windows.h>

#include <utility>

#include "cross_process_names.h"
#include "exclusion_rules.h"
#include "host_protocol.h"
#include "library_hooks.h"
#include "settings_store.h"
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

// Handles messages, and so what Windows routes to this thread, and finds
// the threads again whenever rescan is set, until the control program ends
// or sets stop (or either can no longer be waited on).
void PumpUntilEither(HANDLE control, HANDLE stop, HANDLE rescan, vornal::LibraryHooks& hooks) {
  const HANDLE handles[] = {control, stop, rescan};
  for (;;) {
    const DWORD woke = MsgWaitForMultipleObjectsEx(3, handles, INFINITE, QS_ALLINPUT,
                                                   MWMO_INPUTAVAILABLE);
    if (woke == WAIT_OBJECT_0 + 2) {
      // Unreadable for the moment: the threads stay as they are.
      if (const auto exclusions = vornal::LoadExclusions(HKEY_CURRENT_USER)) hooks.Rescan(*exclusions);
      continue;
    }
    if (woke != WAIT_OBJECT_0 + 3) return;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) return;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

// The user's exclusions as the registry holds them now. Where they cannot
// be read, the defaults: better a program left without effects than one
// that is excluded seeing our code.
vornal::ExclusionEntries ExclusionsAtStart() {
  if (auto exclusions = vornal::LoadExclusions(HKEY_CURRENT_USER)) return std::move(*exclusions);
  vornal::ExclusionEntries defaults;
  for (const auto& entry : vornal::kDefaultExclusions) defaults.emplace_back(entry.entry);
  return defaults;
}

int RunHost(const char* arguments) noexcept {
  const auto handles = vornal::ParseHostArguments(arguments != nullptr ? arguments : "");
  if (!handles) return vornal::kHostBadArguments;
  const UniqueHandle control(FromValue(handles->controlProcess));
  const UniqueHandle stop(FromValue(handles->stopEvent));
  const UniqueHandle ready(FromValue(handles->readyEvent));
  const UniqueHandle rescan(FromValue(handles->rescanEvent));

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
    vornal::LibraryHooks hooks;
    char library[MAX_PATH] = {};
    if (!BesideThisProgram(vornal::kHostLibraryFileName, library) || !hooks.Load(library, ExclusionsAtStart())) {
      exitCode = vornal::kHostLibraryFailed;
    } else {
      SetEvent(ready.Get());
      PumpUntilEither(control.Get(), stop.Get(), rescan.Get(), hooks);
      if (!hooks.Unload()) exitCode = vornal::kHostUnhookFailed;
    }
  }
  ReleaseMutex(single.Get());
  return exitCode;
}

}  // namespace

// Built without exceptions, like the library it loads; the hooks and the
// exclusions' read keep whatever they meet inside, so the edge needs no
// catch.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) noexcept {
  return RunHost(arguments);
}
