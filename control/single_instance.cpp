#include "single_instance.h"

#include <windows.h>

#include "cross_process_names.h"

namespace vornal {

bool BecomeTheOnlyCopy() {
  // Never closed: the handle must live as long as the process.
  CreateMutexA(nullptr, FALSE, kControlMutexName);
  return GetLastError() != ERROR_ALREADY_EXISTS;
}

void ShowRunningCopy() {
  // The running copy takes the mutex before it makes its dialog; a request
  // broadcast before then would reach no window of it. The copy keeps a
  // request that comes while it is still starting and shows the dialog
  // once it is ready.
  constexpr DWORD kFormLimitMs = 10000;
  constexpr DWORD kPollMs = 50;
  for (DWORD waited = 0; FindWindowA(kFormClassName, nullptr) == nullptr && waited < kFormLimitMs;
       waited += kPollMs) {
    Sleep(kPollMs);
  }
  // A notify send arrives as a sent message, as the running copy expects,
  // but does not wait: a window that does not answer cannot hold us.
  SendNotifyMessageA(HWND_BROADCAST, RegisterWindowMessageA(kShowMainMessage), 0, 0);
}

}  // namespace vornal
