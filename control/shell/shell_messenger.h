// Messages from the control program to windows of other programs (the
// shell's taskbar, Start button and desktop icon view), none of which may
// hold the program when the other side has stopped answering: each send
// waits a bounded time, and a thread that has once failed to answer is
// left alone for the rest of the operation (an apply, a timer tick, the
// exit, one step of the live preview). The next operation tries again.
#pragma once

#include <windows.h>

#include <vector>

namespace vornal {

class ShellMessenger {
 public:
  // Long enough for a busy shell, short enough that the dialog never seems
  // to freeze.
  static constexpr UINT kAnswerTimeoutMs = 1000;

  // One operation. Operations opened inside another join it, so that a
  // thread found silent by one step is skipped by all the later ones.
  class Operation {
   public:
    explicit Operation(ShellMessenger& messenger);
    ~Operation();
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

   private:
    ShellMessenger& messenger_;
  };

  // Sends a message that carries plain values (or one the system marshals,
  // such as WM_SETTEXT) and tells whether the window answered in time; the
  // answer goes to result. False for a null window, too.
  bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr);

  // Whether the window's thread answers now: for system calls that send to
  // it themselves without a bound (a style change of another program's
  // window, a notify-icon call to the taskbar).
  bool Answers(HWND window) { return Send(window, WM_NULL, 0, 0); }

  // Whether every other thread with a top-level window answers: for system
  // calls that announce a change to all of them and may wait for each
  // (SetSysColors does so on some systems). One window per thread is asked.
  bool EveryOtherThreadAnswers();

 private:
  bool KnownSilent(DWORD thread) const;

  std::vector<DWORD> silentThreads_;
  int depth_ = 0;
};

}  // namespace vornal
