#include "single_instance.h"

#include <windows.h>

namespace vornal {

bool BecomeTheOnlyCopy() {
  // Never closed: the handle must live as long as the process.
  CreateMutexA(nullptr, FALSE, "Vornal");
  return GetLastError() != ERROR_ALREADY_EXISTS;
}

void ShowRunningCopy() {
  // A notify send arrives as a sent message, as the running copy expects,
  // but does not wait: a window that does not answer cannot hold us.
  SendNotifyMessageA(HWND_BROADCAST, RegisterWindowMessageA("Vornal_ShowMain"), 0, 0);
}

}  // namespace vornal
