#include "thread_hooks.h"

#include <algorithm>

#include "cross_process_names.h"
#include "hook_binding.h"

namespace vornal {
namespace {

// Often enough that a program's thread ids are not held for long, rarely
// enough to cost nothing.
constexpr UINT kForgetEveryMs = 2000;

// WinEvents and the timer come to the thread that set them; one watch per
// thread.
thread_local ThreadHooks* t_watching = nullptr;

void CALLBACK WindowCreated(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD thread,
                            DWORD) noexcept {
  if (event != EVENT_OBJECT_CREATE || object != OBJID_WINDOW || child != CHILDID_SELF || window == nullptr) return;
  if (t_watching != nullptr) t_watching->OnWindowCreated(window, thread);
}

void CALLBACK ForgetTick(HWND, UINT, UINT_PTR, DWORD) noexcept {
  if (t_watching != nullptr) t_watching->ForgetEnded();
}

// Windows maps the library into a hooked program at the first message its
// thread handles after the hook is set; an idle program would wait for the
// user. A notify send is such a message and never waits for the program.
// Once started, the library paints the windows shown before it once more.
BOOL CALLBACK Nudge(HWND window, LPARAM) noexcept {
  SendNotifyMessageA(window, WM_NULL, 0, 0);
  return TRUE;
}

using SeenThreads = std::vector<std::pair<DWORD, DWORD>>;  // thread, process

BOOL CALLBACK NoteOwner(HWND window, LPARAM seen) noexcept {
  DWORD process = 0;
  const DWORD thread = GetWindowThreadProcessId(window, &process);
  auto& ids = *reinterpret_cast<SeenThreads*>(seen);
  try {
    if (thread != 0 && std::find(ids.begin(), ids.end(), std::make_pair(thread, process)) == ids.end()) {
      ids.emplace_back(thread, process);
    }
  } catch (...) {
    return FALSE;  // out of memory: the threads found so far are enough
  }
  return TRUE;
}

}  // namespace

ThreadHooks::~ThreadHooks() { Unload(); }

bool ThreadHooks::Available() noexcept {
  const DWORD version = GetVersion();
  const bool ntFamily = (version & 0x80000000u) == 0;
  return ntFamily && LOBYTE(LOWORD(version)) >= 5;
}

bool ThreadHooks::Load(const char* libraryPath) noexcept {
  if (library_) return Installed();
  if (!Available() || t_watching != nullptr) return false;
  // A full path always: a bare name would let a planted copy run inside
  // every hooked program.
  UniqueLibrary library(LoadLibraryA(libraryPath));
  if (!library) return false;
  const auto procedure = reinterpret_cast<HOOKPROC>(
      reinterpret_cast<void*>(GetProcAddress(library.Get(), kHookProcedureName)));
  if (procedure == nullptr) return false;
  UniqueWinEventHook watch(
      SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr, WindowCreated, 0, 0, WINEVENT_OUTOFCONTEXT));
  // Without it ended threads would be forgotten only at a rescan.
  UniqueThreadTimer forgetTimer(SetTimer(nullptr, 0, kForgetEveryMs, ForgetTick));
  if (!watch || !forgetTimer) return false;
  library_ = std::move(library);
  procedure_ = procedure;
  watch_ = std::move(watch);
  forgetTimer_ = std::move(forgetTimer);
  t_watching = this;
  msgThreadHooked_ = RegisterWindowMessageA(kThreadHookedMessage);
  return true;
}

ThreadHooks::KnownProcess* ThreadHooks::Known(DWORD processId) {
  auto known = processes_.find(processId);
  // A process id is reused once its process has ended.
  if (known != processes_.end() && HasEnded(known->second.facts.process.Get())) {
    processes_.erase(known);
    known = processes_.end();
  }
  if (known == processes_.end()) {
    ProcessFacts facts = ReadProcessFacts(processId);
    if (!facts.process) return nullptr;
    known = processes_.emplace(processId, KnownProcess{std::move(facts)}).first;
  }
  return &known->second;
}

GuiThread ThreadHooks::ThreadOf(DWORD threadId, DWORD processId) {
  const KnownProcess* known = Known(processId);
  if (known == nullptr) return {threadId, processId, false, {}};
  return {threadId, processId, known->facts.sameBitness, known->facts.imagePath};
}

void ThreadHooks::Hook(DWORD threadId, DWORD processId, HWND createdWindow) {
  if (hooked_.count(threadId) != 0) return;
  // Opened first: without a handle its end would go unnoticed.
  UniqueHandle thread(OpenThread(SYNCHRONIZE, FALSE, threadId));
  if (!thread) return;
  UniqueWindowsHook hook(SetWindowsHookExA(WH_CALLWNDPROCRET, procedure_, library_.Get(), threadId));
  if (!hook) return;
  hooked_.emplace(threadId, HookedThread{std::move(hook), processId, std::move(thread)});
  // The window just created hears that its thread is hooked: a show that
  // came before the hook gets its opening all the same.
  if (createdWindow != nullptr && msgThreadHooked_ != 0) {
    SendNotifyMessageA(createdWindow, msgThreadHooked_, 0, 0);
  } else {
    EnumThreadWindows(threadId, Nudge, 0);
  }
}

bool ThreadHooks::Unhook(DWORD threadId) {
  const auto found = hooked_.find(threadId);
  if (found == hooked_.end()) return true;
  // A thread that ended took its hook with it.
  HookedThread& hooked = found->second;
  if (!UnhookWindowsHookEx(hooked.hook.Get()) && !HasEnded(hooked.thread.Get())) return false;
  (void)hooked.hook.Release();
  hooked_.erase(found);
  return true;
}

std::vector<std::uint32_t> ThreadHooks::HookedIds() const {
  std::vector<std::uint32_t> ids;
  ids.reserve(hooked_.size());
  for (const auto& [id, hooked] : hooked_) ids.push_back(id);
  return ids;
}

void ThreadHooks::Rescan(const ExclusionEntries& exclusions) noexcept {
  if (!Installed()) return;
  try {
    exclusions_ = exclusions;
    ForgetEnded();
    for (auto& [id, known] : processes_) known.wanted = -1;
    SeenThreads seen;
    EnumWindows(NoteOwner, reinterpret_cast<LPARAM>(&seen));
    std::vector<GuiThread> threads;
    threads.reserve(seen.size());
    for (const auto& [thread, process] : seen) threads.push_back(ThreadOf(thread, process));
    // A hooked thread may own no top-level window (only message-only ones,
    // say); its program is judged again all the same.
    for (const auto& [thread, hooked] : hooked_) threads.push_back(ThreadOf(thread, hooked.processId));
    const ThreadHookPlan plan = PlanThreadHooks(threads, HookedIds(), exclusions_);
    for (const std::uint32_t id : plan.unhook) Unhook(id);
    for (const std::uint32_t id : plan.hook) {
      const auto owner = std::find_if(seen.begin(), seen.end(), [id](const auto& s) { return s.first == id; });
      if (owner != seen.end()) Hook(id, owner->second);
    }
  } catch (...) {
    // Out of memory: the threads not reached get their hook at their next
    // window or at the next apply.
  }
}

void ThreadHooks::OnWindowCreated(HWND window, DWORD threadId) noexcept {
  try {
    const auto hooked = hooked_.find(threadId);
    if (hooked != hooked_.end()) {
      if (!HasEnded(hooked->second.thread.Get())) return;
      hooked_.erase(hooked);  // the id of a thread that ended, reused
    }
    DWORD process = 0;
    if (GetWindowThreadProcessId(window, &process) != threadId) return;  // gone already
    KnownProcess* known = Known(process);
    if (known == nullptr) return;
    if (known->wanted < 0) {
      const GuiThread thread{threadId, process, known->facts.sameBitness, known->facts.imagePath};
      known->wanted = WantsHook(thread, exclusions_) ? 1 : 0;
    }
    if (known->wanted == 1) Hook(threadId, process, window);
  } catch (...) {
    // Out of memory: the thread is tried again at its next window.
  }
}

void ThreadHooks::ForgetEnded() noexcept {
  // The hook of an ended thread is removed with its entry, should the
  // system still hold it.
  for (auto it = hooked_.begin(); it != hooked_.end();) {
    it = HasEnded(it->second.thread.Get()) ? hooked_.erase(it) : std::next(it);
  }
  for (auto it = processes_.begin(); it != processes_.end();) {
    it = HasEnded(it->second.facts.process.Get()) ? processes_.erase(it) : std::next(it);
  }
}

bool ThreadHooks::Unload() noexcept {
  if (!library_) return true;
  forgetTimer_.Reset();
  watch_.Reset();
  if (t_watching == this) t_watching = nullptr;
  bool allRemoved = true;
  // From the start again after each removal, which takes its entry out.
  for (auto it = hooked_.begin(); it != hooked_.end();) {
    if (Unhook(it->first)) {
      it = hooked_.begin();
    } else {
      allRemoved = false;
      ++it;
    }
  }
  processes_.clear();
  exclusions_.clear();
  // Windows lets go of the library in each program at its next message.
  NudgeTopLevelWindows();
  if (!allRemoved || !FreeLibrary(library_.Get())) return false;
  (void)library_.Release();
  procedure_ = nullptr;
  return true;
}

}  // namespace vornal
