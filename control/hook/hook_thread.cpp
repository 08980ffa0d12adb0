#include "hook/hook_thread.h"

#include <memory>

#include "library_hooks.h"

namespace vornal {
namespace {

// A thread message: lParam carries a request that the thread takes over.
constexpr UINT kRunRequest = WM_APP + 1;
// Far beyond what loading the library and installing a hook take; the
// dialog is disabled meanwhile, and a request that takes longer counts as
// failed.
constexpr DWORD kRequestLimitMs = 30000;

}  // namespace

// Shared by the caller and the hook thread, so that a caller who gave up
// waiting leaves nothing dangling.
struct HookThread::Request {
  std::function<bool(LibraryHooks&)> work;
  bool result = false;
  UniqueHandle done{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
};

HookThread::~HookThread() {
  if (!thread_) return;
  if (installed_) Remove();
  // The hooks end with the thread, which removes any still there.
  PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
  WaitForSingleObject(thread_.Get(), kRequestLimitMs);
}

bool HookThread::Install(const ExclusionEntries& exclusions) {
  // The work holds copies: a caller who gave up waiting leaves it nothing
  // to read that is gone.
  installed_ = Run([path = libraryPath_, exclusions](LibraryHooks& hooks) {
    return hooks.Load(path.c_str(), exclusions);
  });
  return installed_;
}

void HookThread::Rescan(const ExclusionEntries& exclusions) {
  if (!installed_) return;
  Run([exclusions](LibraryHooks& hooks) {
    hooks.Rescan(exclusions);
    return true;
  });
}

std::size_t HookThread::HookedThreads() {
  const auto count = std::make_shared<std::size_t>(0);
  if (thread_) {
    Run([count](LibraryHooks& hooks) {
      *count = hooks.Threads().HookedThreads();
      return true;
    });
  }
  return *count;
}

bool HookThread::Remove() {
  if (!thread_) return true;
  const bool removed = Run([](LibraryHooks& hook) { return hook.Unload(); });
  if (removed) installed_ = false;
  return removed;
}

bool HookThread::StartThread() {
  if (thread_) return true;
  UniqueHandle started(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!started) return false;
  thread_ = UniqueHandle(CreateThread(nullptr, 0, Main, started.Get(), 0, &threadId_));
  if (!thread_) return false;
  // Posting needs the thread's message queue; Main makes it first.
  const HANDLE waits[] = {started.Get(), thread_.Get()};
  if (WaitForMultipleObjects(2, waits, FALSE, kRequestLimitMs) == WAIT_OBJECT_0) return true;
  thread_.Reset();
  return false;
}

DWORD WINAPI HookThread::Main(void* started) noexcept {
  MSG msg;
  PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
  SetEvent(static_cast<HANDLE>(started));
  try {
    LibraryHooks binding;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
      if (msg.hwnd != nullptr || msg.message != kRunRequest) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        continue;
      }
      const std::unique_ptr<std::shared_ptr<Request>> carried(
          reinterpret_cast<std::shared_ptr<Request>*>(msg.lParam));
      Request& request = **carried;
      request.result = request.work(binding);
      SetEvent(request.done.Get());
    }
  } catch (...) {
    // Nothing leaves a thread; a caller still waiting sees its request fail.
  }
  return 0;
}

bool HookThread::Run(std::function<bool(LibraryHooks&)> work) {
  if (!StartThread()) return false;
  auto request = std::make_shared<Request>();
  if (!request->done) return false;
  request->work = std::move(work);
  auto* carried = new std::shared_ptr<Request>(request);
  if (!PostThreadMessageA(threadId_, kRunRequest, 0, reinterpret_cast<LPARAM>(carried))) {
    delete carried;
    return false;
  }
  return WaitForSingleObject(request->done.Get(), kRequestLimitMs) == WAIT_OBJECT_0 &&
         request->result;
}

}  // namespace vornal
