// The wallpaper, timed in the library's own code linked into this program
// (its settings set in memory, pictures written to the temporary folder):
// the three messages that every hooked thread sees most while nothing is
// painted, each against an empty hook procedure, and one erase of a
// 1920x1080 client area with and without the library.
#include "wallpaper_bench.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "bench_timing.h"
#include "core/library_state.h"
#include "dispatch/library_settings.h"
#include "dispatch/library_startup.h"
#include "gdi_owners.h"
#include "hook_compare.h"
#include "import_slot.h"
#include "test_bitmap.h"
#include "wallpaper/wallpaper_load.h"
#include "wallpaper/wallpaper_state.h"

namespace vornal::bench {
namespace {


std::string TempFile(const char* name) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

// Milliseconds per erase of the window's client area into target: its
// window procedure's own erase, and with withLibrary the hook after it.
double EraseMs(HWND window, HDC target, bool withLibrary) {
  const CWPRETSTRUCT record{0, 0, reinterpret_cast<WPARAM>(target), WM_ERASEBKGND, window};
  return NanosecondsPerCall(40, [&] {
           SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(target), 0);
           if (withLibrary) VornalHook(HC_ACTION, 0, reinterpret_cast<LPARAM>(&record));
           GdiFlush();
         }) / 1e6;
}

}  // namespace

void RunWallpaperBench() {
  const HMODULE self = GetModuleHandleA(nullptr);
  if (!hooklib::EnsureStarted()) return;
  hooklib::ApplyLibrarySettings(DefaultSettings(), true);  // no wallpaper

  // A class the window wallpaper rule names, with the dialog colour as its
  // background: erased by DefWindowProc, as dialog-like windows are.
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = self;
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = "TTabSheet";
  RegisterClassA(&wc);
  const HWND sheet = CreateWindowA("TTabSheet", "", WS_POPUP, 0, 0, 1920, 1080, nullptr, nullptr,
                                   self, nullptr);  // never shown
  const HWND other = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, self, nullptr);

  void* const next = test::ReplaceImport(self, "user32.dll", "CallNextHookEx",
                                         reinterpret_cast<void*>(&NextHookStub));
  if (next == nullptr) {
    std::printf("could not replace CallNextHookEx in this program's imports\n");
    return;
  }
  const ScreenDC screen;
  std::printf("wallpaper handlers with no wallpaper loaded (library code linked in, "
              "CallNextHookEx stubbed for both):\n");
  CompareWithEmptyHook("WM_ERASEBKGND, no wallpaper loaded:",
                       {0, 0, reinterpret_cast<WPARAM>(screen.Get()), WM_ERASEBKGND, sheet});
  CompareWithEmptyHook("WM_SETCURSOR (a click), wallpapers off:",
                       {0, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN), 0, WM_SETCURSOR, sheet});
  CompareWithEmptyHook("WM_ACTIVATE (WA_ACTIVE), wallpapers off:",
                       {0, reinterpret_cast<LPARAM>(other), WA_ACTIVE, WM_ACTIVATE, sheet});

  // The erase into a bitmap of the screen's format: a hidden window has
  // nothing to draw on, and 1920x1080 is larger than the test display.
  RECT client{};
  GetClientRect(sheet, &client);
  const UniqueMemoryDC target(CreateCompatibleDC(screen.Get()));
  const UniqueBitmap pixels(CreateCompatibleBitmap(screen.Get(), 1920, 1080));
  const SelectedObject drawnInto(target.Get(), pixels.Get());
  std::printf("one erase of a %ldx%ld client area, best of 5 rounds of 40:\n", client.right,
              client.bottom);
  const double plain = EraseMs(sheet, target.Get(), false);
  std::printf("  %-36s %7.3f ms\n", "without the library:", plain);
  {
    // What copying every pixel once costs at the least, whatever the tiles.
    const UniqueMemoryDC whole(CreateCompatibleDC(screen.Get()));
    const UniqueBitmap wholePixels(CreateCompatibleBitmap(screen.Get(), 1920, 1080));
    const SelectedObject copiedFrom(whole.Get(), wholePixels.Get());
    const double copy = NanosecondsPerCall(40, [&] {
                          BitBlt(target.Get(), 0, 0, 1920, 1080, whole.Get(), 0, 0, SRCCOPY);
                          GdiFlush();
                        }) / 1e6;
    std::printf("  %-36s %7.3f ms\n", "one 1920x1080 BitBlt alone:", copy);
  }
  const struct { int width, height; } tiles[] = {{64, 64}, {1024, 768}};
  for (const auto& t : tiles) {
    const std::string path = TempFile(t.width == 64 ? "vornal_bench_64.bmp" : "vornal_bench_1024.bmp");
    test::WriteTestBitmap(path.c_str(), t.width, t.height, 0);
    Settings settings = DefaultSettings();
    settings.Set(Check::WindowWallpaper, true);
    settings.Text(TextField::WindowWallpaper).Assign(path.c_str());
    hooklib::ApplyLibrarySettings(settings, true);
    const hooklib::Picture& kept = hooklib::g_wallpapers[hooklib::Wallpaper::Window].picture;
    if (kept.Empty()) {
      std::printf("  %dx%d tile: not loaded\n", t.width, t.height);
      continue;
    }
    const double tiled = EraseMs(sheet, target.Get(), true);
    std::printf("  with a %4dx%-3d tile (kept as %ux%u): %7.3f ms, %.2f times the plain erase\n",
                t.width, t.height, kept.width, kept.height, tiled, tiled / plain);
    DeleteFileA(path.c_str());
  }
  hooklib::ApplyLibrarySettings(DefaultSettings(), true);
  test::ReplaceImport(self, "user32.dll", "CallNextHookEx", next);
  DestroyWindow(other);
  DestroyWindow(sheet);
}

}  // namespace vornal::bench
