#include "helper_process.h"

namespace vornal::test {
namespace {

constexpr DWORD kStartTimeoutMs = 60000;
constexpr DWORD kCloseTimeoutMs = 30000;

}  // namespace

HelperProcess::HelperProcess(const char* exeName, const char* controlClass,
                             const std::string& arguments, bool mustStart) {
  std::string command(1, '"');
  const bool fullPath = exeName[0] != '\0' && exeName[1] == ':';
  command += fullPath ? std::string(exeName) : BesideThisProgram(exeName);
  command += "\" ";
  command += arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started)) {
    if (mustStart) ADD_FAILURE() << "cannot start " << command << ": " << GetLastError();
    return;
  }
  process_ = ProcessHandles(started);
  const ULONGLONG end = GetTickCount64() + kStartTimeoutMs;
  while (control_ == nullptr && GetTickCount64() < end) {
    if (WaitForSingleObject(process_.process.Get(), 0) == WAIT_OBJECT_0) break;
    control_ = FindControlWindow(controlClass);
    if (control_ == nullptr) Sleep(20);
  }
  if (control_ == nullptr) ADD_FAILURE() << exeName << " did not come up";
}

HelperProcess::~HelperProcess() {
  if (!process_.process) return;
  if (control_ != nullptr) PostMessageA(control_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.process.Get(), kCloseTimeoutMs) != WAIT_OBJECT_0) {
    ADD_FAILURE() << "a helper process did not end";
    TerminateProcess(process_.process.Get(), 1);
  }
}

LRESULT HelperProcess::Send(UINT message, WPARAM wParam, LPARAM lParam, DWORD replyMs) const {
  DWORD_PTR result = 0;
  if (control_ == nullptr ||
      !SendMessageTimeoutA(control_, message, wParam, lParam, SMTO_NORMAL, replyMs, &result)) {
    ADD_FAILURE() << "no answer to message " << message;
    return -1;
  }
  return static_cast<LRESULT>(result);
}

bool HelperProcess::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
  return control_ != nullptr && PostMessageA(control_, message, wParam, lParam) != FALSE;
}

void HelperProcess::Kill() {
  if (!process_.process) return;
  TerminateProcess(process_.process.Get(), 1);
  WaitForSingleObject(process_.process.Get(), kCloseTimeoutMs);
  control_ = nullptr;
}

HWND HelperProcess::FindControlWindow(const char* controlClass) const {
  for (HWND w = FindWindowExA(nullptr, nullptr, controlClass, nullptr); w != nullptr;
       w = FindWindowExA(nullptr, w, controlClass, nullptr)) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == process_.id) return w;
  }
  return nullptr;
}

}  // namespace vornal::test
