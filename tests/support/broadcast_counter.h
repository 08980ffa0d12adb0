// Hidden top-level windows of the calling thread that count the messages
// reaching them. A notify send or a post from another process arrives while
// this thread waits in a send or pumps messages; a notify send from this
// thread arrives before the send returns.
#pragma once

#include <windows.h>

#include "cross_process_names.h"

namespace vornal::test {

class MessageCounter {
 public:
  // Which messages count.
  using Filter = bool (*)(UINT message);

  explicit MessageCounter(Filter counts) : counts_(counts) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VornalTestMessageCounter";
    RegisterClassA(&wc);
    window_ = CreateWindowA(wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                            wc.hInstance, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~MessageCounter() { DestroyWindow(window_); }
  MessageCounter(const MessageCounter&) = delete;
  MessageCounter& operator=(const MessageCounter&) = delete;

  int Count() const { return count_; }

 private:
  static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<MessageCounter*>(GetWindowLongPtrA(w, GWLP_USERDATA));
    if (self != nullptr && self->counts_(m)) ++self->count_;
    return DefWindowProcA(w, m, wp, lp);
  }

  Filter counts_;
  int count_ = 0;
  HWND window_ = nullptr;
};

// The kSettingsUpdatedMessage broadcasts.
class BroadcastCounter : public MessageCounter {
 public:
  BroadcastCounter()
      : MessageCounter([](UINT m) { return m == RegisterWindowMessageA(kSettingsUpdatedMessage); }) {}
};

// WM_NULL posted, not sent: the nudge after a hook was removed.
class PostedNullCounter : public MessageCounter {
 public:
  PostedNullCounter() : MessageCounter([](UINT m) { return m == WM_NULL && !InSendMessage(); }) {}
};

}  // namespace vornal::test
