#include "program_under_test.h"

namespace vornal::test {

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() > end) return false;
    // Keeps this thread's own windows answering while it waits.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(20);
  }
}

ProgramUnderTest::~ProgramUnderTest() { Kill(); }

bool ProgramUnderTest::Start(const std::string& path, const std::string& arguments) {
  Kill();
  info_ = ProcessHandles();
  std::string commandLine = "\"" + path + "\" " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &started)) {
    return false;
  }
  info_ = ProcessHandles(started);
  WaitForInputIdle(info_.process.Get(), 10000);
  return true;
}

bool ProgramUnderTest::HasExited(DWORD waitMs) const {
  return !info_.process || WaitForSingleObject(info_.process.Get(), waitMs) == WAIT_OBJECT_0;
}

DWORD ProgramUnderTest::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.process.Get(), &code);
  return code;
}

void ProgramUnderTest::Kill() {
  if (info_.process && !HasExited()) {
    TerminateProcess(info_.process.Get(), 1);
    WaitForSingleObject(info_.process.Get(), 10000);
  }
}

namespace {

struct TopLevelSearch {
  DWORD processId;
  const char* className;
  const char* caption;
  HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
  auto* s = reinterpret_cast<TopLevelSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != s->processId) return TRUE;
  char text[256] = {};
  if (s->className != nullptr) {
    GetClassNameA(window, text, sizeof text);
    if (lstrcmpA(text, s->className) != 0) return TRUE;
  }
  if (s->caption != nullptr) {
    GetWindowTextA(window, text, sizeof text);
    if (lstrcmpA(text, s->caption) != 0) return TRUE;
  }
  s->found = window;
  return FALSE;
}

struct ControlSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchControl(HWND window, LPARAM param) {
  auto* s = reinterpret_cast<ControlSearch*>(param);
  char cls[16] = {};
  GetClassNameA(window, cls, sizeof cls);
  // Tab sheets are dialogs whose ids are not control ids.
  if (GetDlgCtrlID(window) == s->id && lstrcmpA(cls, "#32770") != 0) {
    s->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND ProgramUnderTest::FindTopLevel(const char* className, const char* caption) const {
  TopLevelSearch s{info_.id, className, caption, nullptr};
  EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

HWND ProgramUnderTest::FindControl(HWND parent, int id) {
  ControlSearch s{id, nullptr};
  EnumChildWindows(parent, MatchControl, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::string WindowText(HWND window) {
  char text[1024] = {};
  if (window != nullptr) {
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 10000, nullptr);
  }
  return text;
}

bool IsChecked(HWND button) {
  DWORD_PTR state = 0;
  SendMessageTimeoutA(button, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 10000, &state);
  return state == BST_CHECKED;
}

void Click(HWND button) {
  SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 60000, nullptr);
}

void ClickLater(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

void TypeText(HWND edit, const std::string& text) {
  SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                      SMTO_ABORTIFHUNG, 10000, nullptr);
}

}  // namespace vornal::test
