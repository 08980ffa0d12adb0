// A real hook chain around VornalHook, so that its CallNextHookEx reaches a
// next hook with a known result. CallNextHookEx ignores its handle argument
// and continues from the hook the thread is running, so VornalHook is
// called from inside an outer WH_CALLWNDPROCRET thread hook; the hook after
// that one records what it receives and returns a marker.
#pragma once

#include <windows.h>

namespace vornal::test {

class HookChain {
 public:
  static constexpr LRESULT kNextHookResult = 0x5EC0DE;

  HookChain();
  ~HookChain();
  HookChain(const HookChain&) = delete;
  HookChain& operator=(const HookChain&) = delete;

  bool Installed() const;

  struct Outcome {
    bool hookRan = false;         // the outer hook called VornalHook
    LRESULT result = 0;           // what VornalHook returned
    bool nextCalled = false;      // the next hook received the call
    int nextCode = 0;             // and these arguments
    WPARAM nextWParam = 0;
    const void* nextLParam = nullptr;
    const void* record = nullptr; // the record VornalHook was given
  };

  // Calls VornalHook(nCode, wParam, record of message for window) from
  // inside the outer hook.
  Outcome Call(int nCode, UINT message, HWND window, WPARAM wParam = 0);
};

}  // namespace vornal::test
