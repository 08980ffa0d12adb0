// The show and hide handlers, timed in the library's own code linked into
// this program: the same objects VornalLib.dll is made of, whose settings
// can be set in memory, so that the figures do not depend on (or touch) the
// user's registry. Each path is timed against an empty hook procedure
// called the same way, and CallNextHookEx (a Wine server round trip) is
// pointed at a stub for both, so the difference is the library's own work.
#include "animation_bench.h"

#include <windows.h>

#include <cstdio>

#include "bench_timing.h"
#include "core/library_state.h"
#include "dispatch/library_settings.h"
#include "dispatch/library_startup.h"
#include "hook_compare.h"
#include "import_slot.h"

namespace vornal::bench {
namespace {

decltype(&GetDC) g_getDC = nullptr;
int g_screenDCs = 0;

HDC WINAPI CountingGetDC(HWND window) {
  if (window == nullptr) ++g_screenDCs;
  return g_getDC(window);
}

}  // namespace

void RunAnimationBench() {
  const HMODULE self = GetModuleHandleA(nullptr);
  if (!hooklib::EnsureStarted()) return;
  Settings settings = DefaultSettings();  // opening animated with the box, 200 ms
  hooklib::ApplyLibrarySettings(settings, true);
  const HWND titled = CreateWindowA("STATIC", "bench", WS_OVERLAPPEDWINDOW, 100, 100, 400, 300,
                                    nullptr, nullptr, self, nullptr);  // never shown
  WINDOWPOS resize{titled, nullptr, 0, 0, 410, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE};
  WINDOWPOS show{titled, nullptr, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE};
  const CWPRETSTRUCT notShown{0, reinterpret_cast<LPARAM>(&resize), 0, WM_WINDOWPOSCHANGING, titled};
  const CWPRETSTRUCT showTitled{0, 0, TRUE, WM_SHOWWINDOW, titled};
  const CWPRETSTRUCT pureShow{0, reinterpret_cast<LPARAM>(&show), 0, WM_WINDOWPOSCHANGING, titled};

  void* const next = test::ReplaceImport(self, "user32.dll", "CallNextHookEx",
                                         reinterpret_cast<void*>(&NextHookStub));
  if (next == nullptr) {
    std::printf("could not replace CallNextHookEx in this program's imports\n");
    return;
  }
  std::printf("show and hide handlers (library code linked in, default settings, "
              "CallNextHookEx stubbed for both):\n");
  CompareWithEmptyHook("WM_WINDOWPOSCHANGING without a show or hide:", notShown);
  CompareWithEmptyHook("WM_SHOWWINDOW, titled window, popups off (default):", showTitled);
  settings.Set(Check::Popups, true);
  hooklib::ApplyLibrarySettings(settings, true);
  CompareWithEmptyHook("WM_SHOWWINDOW, titled window, popups on (style read):", showTitled);
  settings.Set(Check::Popups, false);
  settings.Set(Check::WindowsOpening, false);
  hooklib::ApplyLibrarySettings(settings, true);
  CompareWithEmptyHook("WM_WINDOWPOSCHANGING, pure show, opening off:", pureShow);
  settings.Set(Check::WindowsOpening, true);
  hooklib::ApplyLibrarySettings(settings, true);
  test::ReplaceImport(self, "user32.dll", "CallNextHookEx", next);

  g_getDC = reinterpret_cast<decltype(g_getDC)>(test::ReplaceImport(
      self, "user32.dll", "GetDC", reinterpret_cast<void*>(&CountingGetDC)));
  std::printf("animated box over a 400x300 window, setting %u ms (each box is drawn and "
              "erased, two screen DCs):\n", settings.Get(Spin::OpenDuration));
  for (int run = 0; run < 3; ++run) {
    g_screenDCs = 0;
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    VornalHook(HC_ACTION, 0, reinterpret_cast<LPARAM>(&pureShow));
    QueryPerformanceCounter(&end);
    std::printf("  run %d: %6.1f ms, %d boxes drawn\n", run + 1, Seconds(start, end) * 1e3,
                g_screenDCs / 2);
  }
  if (g_getDC != nullptr) {
    test::ReplaceImport(self, "user32.dll", "GetDC", reinterpret_cast<void*>(g_getDC));
  }
  DestroyWindow(titled);
}

}  // namespace vornal::bench
