#include "hook_chain.h"

#include <gtest/gtest.h>

#include "library_under_test.h"
#include "test_windows.h"

namespace vornal::test {
namespace {

// Hook procedures get no context pointer; one chain exists at a time.
struct ChainState {
  HHOOK next = nullptr;
  HHOOK outer = nullptr;
  HWND trigger = nullptr;
  UINT triggerMessage = 0;
  bool armed = false;
  int nCode = 0;
  WPARAM wParam = 0;
  CWPRETSTRUCT record{};
  HookChain::Outcome outcome;
} g_chain;

LRESULT CALLBACK NextHook(int code, WPARAM wParam, LPARAM lParam) {
  if (lParam == reinterpret_cast<LPARAM>(&g_chain.record)) {
    g_chain.outcome.nextCalled = true;
    g_chain.outcome.nextCode = code;
    g_chain.outcome.nextWParam = wParam;
    g_chain.outcome.nextLParam = reinterpret_cast<const void*>(lParam);
    return HookChain::kNextHookResult;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK OuterHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* seen = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (g_chain.armed && code >= 0 && seen->hwnd == g_chain.trigger &&
      seen->message == g_chain.triggerMessage) {
    g_chain.armed = false;
    g_chain.outcome.hookRan = true;
    g_chain.outcome.record = &g_chain.record;
    g_chain.outcome.result =
        Library().hook(g_chain.nCode, g_chain.wParam, reinterpret_cast<LPARAM>(&g_chain.record));
    return 0;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

HookChain::HookChain() {
  // The hook installed last runs first: the next hook goes in before the
  // outer one.
  const DWORD thread = GetCurrentThreadId();
  g_chain.next = SetWindowsHookExA(WH_CALLWNDPROCRET, NextHook, nullptr, thread);
  g_chain.outer = SetWindowsHookExA(WH_CALLWNDPROCRET, OuterHook, nullptr, thread);
  g_chain.trigger = CreateWindowExA(0, "STATIC", "trigger", WS_POPUP, 0, 0, 10, 10, nullptr,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
  g_chain.triggerMessage = RegisterWindowMessageA("VornalHookTestTrigger");
}

HookChain::~HookChain() {
  if (g_chain.outer != nullptr) UnhookWindowsHookEx(g_chain.outer);
  if (g_chain.next != nullptr) UnhookWindowsHookEx(g_chain.next);
  if (g_chain.trigger != nullptr) DestroyWindow(g_chain.trigger);
  g_chain = ChainState{};
}

bool HookChain::Installed() const {
  return g_chain.next != nullptr && g_chain.outer != nullptr && g_chain.trigger != nullptr &&
         g_chain.triggerMessage != 0;
}

HookChain::Outcome HookChain::Call(int nCode, UINT message, HWND window, WPARAM wParam) {
  g_chain.outcome = Outcome{};
  g_chain.record = CWPRETSTRUCT{};
  g_chain.record.message = message;
  g_chain.record.hwnd = window;
  g_chain.nCode = nCode;
  g_chain.wParam = wParam;
  g_chain.armed = true;
  SendMessageA(g_chain.trigger, g_chain.triggerMessage, 0, 0);
  g_chain.armed = false;
  return g_chain.outcome;
}

}  // namespace vornal::test
