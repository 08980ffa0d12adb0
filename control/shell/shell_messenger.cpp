#include "shell/shell_messenger.h"

#include <algorithm>

#include "callback_guard.h"

namespace vornal {

ShellMessenger::Operation::Operation(ShellMessenger& messenger) : messenger_(messenger) {
  if (messenger_.depth_++ == 0) messenger_.silentThreads_.clear();
}

ShellMessenger::Operation::~Operation() { --messenger_.depth_; }

bool ShellMessenger::KnownSilent(DWORD thread) const {
  return std::find(silentThreads_.begin(), silentThreads_.end(), thread) != silentThreads_.end();
}

bool ShellMessenger::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT* result) {
  if (window == nullptr) return false;
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  if (thread == 0 || KnownSilent(thread)) return false;
  DWORD_PTR answer = 0;
  // SMTO_BLOCK: while waiting, this thread takes no sent messages of its
  // own, so that nothing (a shell restart, another click) re-enters the
  // program half-way through an operation. SMTO_ABORTIFHUNG: a thread the
  // system already knows as hung costs no wait at all.
  if (SendMessageTimeoutA(window, message, wParam, lParam, SMTO_BLOCK | SMTO_ABORTIFHUNG,
                          kAnswerTimeoutMs, &answer) == 0) {
    // A window that has just been destroyed is not a silent thread; outside
    // an operation nothing is remembered.
    if (depth_ > 0 && IsWindow(window)) silentThreads_.push_back(thread);
    return false;
  }
  if (result != nullptr) *result = static_cast<LRESULT>(answer);
  return true;
}

namespace {

struct ThreadSearch {
  DWORD self;
  std::vector<HWND> windows;  // one of each other thread
  std::vector<DWORD> threads;
  bool whole = true;  // false once a thread could not be noted
};

// Out of memory the search stops and counts as not whole: the threads not
// listed were never asked, so they cannot count as answering.
BOOL CALLBACK NoteThread(HWND window, LPARAM param) noexcept {
  auto* s = reinterpret_cast<ThreadSearch*>(param);
  return Guarded([&] {
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (thread != s->self &&
        std::find(s->threads.begin(), s->threads.end(), thread) == s->threads.end()) {
      s->threads.push_back(thread);
      s->windows.push_back(window);
    }
    return TRUE;
  }, [&] {
    s->whole = false;
    return FALSE;
  });
}

}  // namespace

bool ShellMessenger::EveryOtherThreadAnswers() {
  ThreadSearch search{GetCurrentThreadId(), {}, {}, true};
  // EnumWindows only lists windows; it sends nothing.
  EnumWindows(NoteThread, reinterpret_cast<LPARAM>(&search));
  if (!search.whole) return false;
  for (HWND window : search.windows) {
    // A window that has gone since it was listed does not count.
    if (!Answers(window) && IsWindow(window)) return false;
  }
  return true;
}

}  // namespace vornal
