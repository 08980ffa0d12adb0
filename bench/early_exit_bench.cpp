// The paths every hooked thread takes for almost every message: a message
// the library does not handle, and each message it does handle while the
// effect it belongs to is switched off. Timed in the library's code linked
// into this program, with CallNextHookEx stubbed for both it and the empty
// function, so that the difference is the library's own work.
#include "early_exit_bench.h"

#include <windows.h>

#include <cstdio>

#include "dispatch/library_settings.h"
#include "dispatch/library_startup.h"
#include "gdi_owners.h"
#include "hook_compare.h"
#include "import_slot.h"
#include "settings_record.h"

namespace vornal::bench {

void RunEarlyExitBench() {
  const HMODULE self = GetModuleHandleA(nullptr);
  if (!hooklib::EnsureStarted()) return;
  Settings off = DefaultSettings();
  for (Check option : kAllChecks) off.Set(option, false);  // every effect off
  hooklib::ApplyLibrarySettings(off, true);

  const HWND window = CreateWindowA("STATIC", "bench", WS_OVERLAPPEDWINDOW, 100, 100, 400, 300,
                                    nullptr, nullptr, self, nullptr);  // never shown
  RECT rect{100, 100, 500, 400};
  WINDOWPOS show{window, nullptr, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE};
  {
    // Released before its window goes.
    const WindowDC dc(window);
    const struct {
      const char* what;
      CWPRETSTRUCT record;
    } paths[] = {
        {"unlisted message (WM_SIZE):", {0, 0, 0, WM_SIZE, window}},
        {"WM_MOVING, dragging off:", {0, reinterpret_cast<LPARAM>(&rect), 0, WM_MOVING, window}},
        {"WM_EXITSIZEMOVE, no window dragged:", {0, 0, 0, WM_EXITSIZEMOVE, window}},
        {"WM_WINDOWPOSCHANGING, a show, animation off:",
         {0, reinterpret_cast<LPARAM>(&show), 0, WM_WINDOWPOSCHANGING, window}},
        {"WM_SHOWWINDOW, animation off:", {0, 0, TRUE, WM_SHOWWINDOW, window}},
        {"WM_ERASEBKGND, wallpapers off:",
         {0, 0, reinterpret_cast<WPARAM>(dc.Get()), WM_ERASEBKGND, window}},
        {"WM_SETCURSOR, a click, wallpapers off:",
         {0, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN), 0, WM_SETCURSOR, window}},
        {"WM_ACTIVATE, wallpapers off:", {0, 0, WA_ACTIVE, WM_ACTIVATE, window}},
        {"WM_KILLFOCUS, wallpapers off:", {0, 0, 0, WM_KILLFOCUS, window}},
        {"WM_VSCROLL, end of a scroll, wallpapers off:", {0, 0, SB_ENDSCROLL, WM_VSCROLL, window}},
        {"WM_MOVE, wallpapers off:", {0, 0, 0, WM_MOVE, window}},
        {"WM_CAPTURECHANGED, wallpapers off:", {0, 0, 0, WM_CAPTURECHANGED, window}},
    };
    void* const next = test::ReplaceImport(self, "user32.dll", "CallNextHookEx",
                                           reinterpret_cast<void*>(&NextHookStub));
    if (next == nullptr) {
      std::printf("could not replace CallNextHookEx in this program's imports\n");
    } else {
      std::printf("early exits, every effect off (library code linked in, CallNextHookEx stubbed):\n");
      for (const auto& p : paths) CompareWithEmptyHook(p.what, p.record);
      test::ReplaceImport(self, "user32.dll", "CallNextHookEx", next);
    }
  }
  DestroyWindow(window);
  hooklib::ApplyLibrarySettings(DefaultSettings(), true);
}

}  // namespace vornal::bench
