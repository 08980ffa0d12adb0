// A path of VornalHook timed beside an empty hook procedure called the
// same way in the same run. CallNextHookEx is expected to be stubbed in
// this program's imports, so that the difference is the library's own work.
#pragma once

#include <windows.h>

#include <cstdio>

#include "bench_timing.h"

extern "C" LRESULT CALLBACK VornalHook(int nCode, WPARAM wParam, LPARAM lParam) noexcept;

namespace vornal::bench {

using HookProc = LRESULT(CALLBACK*)(int, WPARAM, LPARAM);

// What every hook procedure does at the least: pass the message on.
__attribute__((noinline)) inline LRESULT CALLBACK EmptyHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code < 0) return CallNextHookEx(nullptr, code, wParam, lParam);
  CallNextHookEx(nullptr, code, wParam, lParam);
  return 0;
}

inline LRESULT WINAPI NextHookStub(HHOOK, int, WPARAM, LPARAM) { return 0; }

inline void CompareWithEmptyHook(const char* what, const CWPRETSTRUCT& record) {
  HookProc volatile library = VornalHook;
  HookProc volatile empty = EmptyHook;
  const auto param = reinterpret_cast<LPARAM>(&record);
  constexpr int kCalls = 2000000;
  const double own = NanosecondsPerCall(kCalls, [&] { library(HC_ACTION, 0, param); });
  const double floor = NanosecondsPerCall(kCalls, [&] { empty(HC_ACTION, 0, param); });
  std::printf("  %-52s %7.1f ns, empty function %7.1f ns, difference %+6.1f ns\n", what, own,
              floor, own - floor);
}

}  // namespace vornal::bench
