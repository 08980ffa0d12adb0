// The show and hide handlers, timed in the library's own code linked into
// this program: the same objects VornalLib.dll is made of, whose settings
// can be set in memory, so that the figures do not depend on (or touch) the
// user's registry. Each path is timed against an empty hook procedure
// called the same way, and CallNextHookEx (a Wine server round trip) is
// pointed at a stub for both, so the difference is the library's own work.
#include "animation_bench.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "cross_process_names.h"

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

constexpr int kRuns = 7;

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  return Seconds(from, to) * 1e3;
}

double Median(double (&values)[kRuns]) {
  std::sort(values, values + kRuns);
  return values[kRuns / 2];
}

struct ShowAndDestroy {
  double show = 0;
  double destroy = 0;
  double cpu = 0;  // this thread's, per window shown and destroyed
  int screenDCs = 0;
};

// This thread's CPU time so far (user and kernel), in milliseconds.
double ThreadCpuMs() {
  FILETIME created, exited, kernel, user;
  if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user)) return 0;
  const auto ticks = [](const FILETIME& t) {
    return static_cast<double>((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
  };
  return (ticks(kernel) + ticks(user)) / 1e4;
}

// ShowWindow and DestroyWindow of a 480x360 window with a caption, hooked
// by the library on this thread, each the median of kRuns. The window is
// a child of a backdrop: Wine takes seconds to hide a captioned top-level
// window, which would drown what the library does.
ShowAndDestroy TimeShowAndDestroy(HWND backdrop) {
  const HINSTANCE self = GetModuleHandleA(nullptr);
  double show[kRuns];
  double destroy[kRuns];
  ShowAndDestroy result;
  g_screenDCs = 0;
  const double cpuBefore = ThreadCpuMs();
  for (int run = 0; run < kRuns; ++run) {
    const HWND w = CreateWindowA("STATIC", "bench", WS_CHILD | WS_CAPTION, 40, 30, 480, 360,
                                 backdrop, nullptr, self, nullptr);
    LARGE_INTEGER t0, t1, t2;
    QueryPerformanceCounter(&t0);
    ShowWindow(w, SW_SHOWNA);
    QueryPerformanceCounter(&t1);
    DestroyWindow(w);
    QueryPerformanceCounter(&t2);
    show[run] = Milliseconds(t0, t1);
    destroy[run] = Milliseconds(t1, t2);
    // The overlay's posts (when it is there) go to this thread's queue.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  result.cpu = (ThreadCpuMs() - cpuBefore) / kRuns;
  result.show = Median(show);
  result.destroy = Median(destroy);
  result.screenDCs = g_screenDCs;
  return result;
}

int g_overlayPosts = 0;

LRESULT CALLBACK StandInOverlayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static const UINT opening = RegisterWindowMessageA(kBoxOpeningMessage);
  static const UINT closing = RegisterWindowMessageA(kBoxClosingMessage);
  if (message == opening || message == closing) ++g_overlayPosts;
  return DefWindowProcA(window, message, wParam, lParam);
}

// The box by the control program's overlay (a stand-in window of its
// class in this program, which only counts the posts) against the box
// played in-process, both with the default 200 ms boxes.
void CompareOverlayWithInProcessBox() {
  const HINSTANCE self = GetModuleHandleA(nullptr);
  Settings settings = DefaultSettings();
  settings.Set(Check::WindowsClosing, true);
  hooklib::ApplyLibrarySettings(settings, true);
  const HWND backdrop = CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480,
                                      nullptr, nullptr, self, nullptr);
  const HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, VornalHook, nullptr, GetCurrentThreadId());
  if (hook == nullptr) {
    std::printf("could not hook this thread\n");
    DestroyWindow(backdrop);
    return;
  }
  WNDCLASSA wc{};
  wc.lpfnWndProc = StandInOverlayProc;
  wc.hInstance = self;
  wc.lpszClassName = kBoxOverlayClassName;
  RegisterClassA(&wc);
  const HWND overlay = CreateWindowA(kBoxOverlayClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr,
                                     nullptr, self, nullptr);
  g_overlayPosts = 0;
  const ShowAndDestroy byOverlay = TimeShowAndDestroy(backdrop);
  const int posts = g_overlayPosts;
  DestroyWindow(overlay);
  const ShowAndDestroy inProcess = TimeShowAndDestroy(backdrop);
  UnhookWindowsHookEx(hook);
  const ShowAndDestroy notHooked = TimeShowAndDestroy(backdrop);  // what the system itself takes
  DestroyWindow(backdrop);
  std::printf("ShowWindow and DestroyWindow of a 480x360 captioned window, %u ms boxes, "
              "median of %d:\n", settings.Get(Spin::OpenDuration), kRuns);
  std::printf("  %-22s %10s %12s %8s %12s %14s\n", "", "ShowWindow", "DestroyWindow", "posts",
              "boxes drawn", "thread CPU");
  const auto row = [](const char* name, const ShowAndDestroy& r, int postCount) {
    std::printf("  %-22s %7.2f ms %9.2f ms %8d %12d %8.2f ms\n", name, r.show, r.destroy, postCount,
                r.screenDCs / 2, r.cpu);
  };
  row("overlay present", byOverlay, posts);
  row("in-process box", inProcess, 0);
  row("not hooked", notHooked, 0);
  std::printf("  (thread CPU: the showing thread's, per window shown and destroyed)\n");
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
  DestroyWindow(titled);
  CompareOverlayWithInProcessBox();
  if (g_getDC != nullptr) {
    test::ReplaceImport(self, "user32.dll", "GetDC", reinterpret_cast<void*>(g_getDC));
  }
}

}  // namespace vornal::bench
