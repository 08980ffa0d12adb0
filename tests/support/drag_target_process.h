// vornal_drag_target.exe in a process of its own: a GUI program in which
// the installed hook has to act, driven through drag_target_protocol.h.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "drag_target_protocol.h"
#include "program_folder.h"

namespace vornal::test {

// Generous: a first start of a Wine process can take many seconds.
constexpr DWORD kStartTimeoutMs = 60000;
constexpr DWORD kReplyTimeoutMs = 30000;

class DragTargetProcess {
 public:
  DragTargetProcess() {
    std::string command(1, '"');
    command += BesideThisProgram("vornal_drag_target.exe");
    command += '"';
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
      ADD_FAILURE() << "cannot start " << command << ": " << GetLastError();
      return;
    }
    const DWORD start = GetTickCount();
    while (control_ == nullptr && GetTickCount() - start < kStartTimeoutMs) {
      if (WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0) break;
      control_ = FindControlWindow();
      if (control_ == nullptr) Sleep(20);
    }
  }

  ~DragTargetProcess() {
    if (process_.hProcess == nullptr) return;
    if (control_ != nullptr) PostMessageA(control_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, kReplyTimeoutMs) != WAIT_OBJECT_0) {
      ADD_FAILURE() << "the drag target did not end";
      TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  DragTargetProcess(const DragTargetProcess&) = delete;
  DragTargetProcess& operator=(const DragTargetProcess&) = delete;

  bool Ready() const { return control_ != nullptr; }

  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(control_, message, wParam, lParam, SMTO_NORMAL, kReplyTimeoutMs,
                             &result)) {
      ADD_FAILURE() << "no answer to message " << message;
      return kNoWindow - 1;
    }
    return static_cast<LRESULT>(result);
  }

  LRESULT BeginDrag(int width, int height, WPARAM flags = 0) const {
    return Send(kBeginDrag, static_cast<WPARAM>(width) | flags, height);
  }
  LRESULT EndDrag() const { return Send(kEndDrag); }

 private:
  HWND FindControlWindow() const {
    for (HWND w = FindWindowExA(nullptr, nullptr, kDragTargetClass, nullptr); w != nullptr;
         w = FindWindowExA(nullptr, w, kDragTargetClass, nullptr)) {
      DWORD pid = 0;
      GetWindowThreadProcessId(w, &pid);
      if (pid == process_.dwProcessId) return w;
    }
    return nullptr;
  }

  PROCESS_INFORMATION process_{};
  HWND control_ = nullptr;
};

}  // namespace vornal::test
