// A hidden top-level window of the calling thread that counts the
// "Vornal_SettingsUpdated" broadcasts reaching it. A notify send from this
// thread arrives before the send returns; one from another process arrives
// while this thread waits in a send or pumps messages.
#pragma once

#include <windows.h>

namespace vornal::test {

class BroadcastCounter {
 public:
  BroadcastCounter() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VornalTestBroadcastCounter";
    RegisterClassA(&wc);
    window_ = CreateWindowA(wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                            wc.hInstance, nullptr);
    count_ = 0;
  }
  ~BroadcastCounter() { DestroyWindow(window_); }
  int Count() const { return count_; }

 private:
  static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == RegisterWindowMessageA("Vornal_SettingsUpdated")) ++count_;
    return DefWindowProcA(w, m, wp, lp);
  }
  static inline int count_ = 0;
  HWND window_ = nullptr;
};

}  // namespace vornal::test
