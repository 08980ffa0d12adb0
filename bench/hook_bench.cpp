// Times VornalHook per call on the paths every hooked thread takes for
// almost every message, and prints the library's file size. The library is
// loaded from this program's folder and called directly; it reads whatever
// settings the current user has and changes none of them. The show and
// hide handlers and the animated box follow (animation_bench.cpp), then the
// wallpaper (wallpaper_bench.cpp).
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "animation_bench.h"
#include "early_exit_bench.h"
#include "bench_timing.h"
#include "cross_process_names.h"
#include "import_slot.h"
#include "option_catalogue.h"
#include "wallpaper_bench.h"

namespace {

using vornal::bench::NanosecondsPerCall;
using vornal::bench::Seconds;
using HookProc = LRESULT(CALLBACK*)(int, WPARAM, LPARAM);

std::string BesideThisProgram(const char* fileName) {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n < MAX_PATH ? n : 0);
  folder.erase(folder.find_last_of("\\/") + 1);
  return folder + fileName;
}

HWND MakeWindow(DWORD exStyle, int width, int height) {
  return CreateWindowExA(exStyle, "STATIC", "bench", WS_POPUP, 0, 0, width, height, nullptr,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

// Under Wine, CallNextHookEx is a round trip to the Wine server; pointing
// the library's import of it here times the library's own share apart.
LRESULT WINAPI NextHookStub(HHOOK, int, WPARAM, LPARAM) { return 0; }

// Whether the stored settings switch transparent dragging on; only then does
// WM_MOVING get past the first test of a window's extended style.
bool DraggingSwitchedOn() {
  DWORD value = 0;
  DWORD size = sizeof value;
  return RegGetValueA(HKEY_CURRENT_USER, "Software\\Vornal",
                      vornal::ValueNameOf(vornal::Check::TransparentDragging).c_str(),
                      RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS &&
         value != 0;
}

bool IsLayered(HWND window) {
  return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

}  // namespace

// With --startup only the first call and the reload are timed, for the
// figures of bench/picture-figures, which runs this once per setting.
int main(int argc, char** argv) {
  const bool startupOnly = argc > 1 && std::strcmp(argv[1], "--startup") == 0;
  const std::string path = BesideThisProgram("VornalLib.dll");
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &attributes)) {
    std::printf("cannot find %s\n", path.c_str());
    return 1;
  }
  const HMODULE module = LoadLibraryA(path.c_str());
  const auto hook = module == nullptr
                        ? nullptr
                        : reinterpret_cast<HookProc>(reinterpret_cast<void (*)()>(
                              GetProcAddress(module, vornal::kHookProcedureName)));
  if (hook == nullptr) {
    std::printf("cannot load VornalHook from %s\n", path.c_str());
    return 1;
  }
  std::printf("VornalLib.dll: %lu bytes\n", static_cast<unsigned long>(attributes.nFileSizeLow));
  CWPRETSTRUCT reload{};
  reload.message = RegisterWindowMessageA(vornal::kSettingsUpdatedMessage);
  if (startupOnly) {
    // Before this program has a window: a hook installed by a running
    // Vornal.exe would bring the library in with the first message of one,
    // and start it there.
    CWPRETSTRUCT none{};
    LARGE_INTEGER from;
    LARGE_INTEGER to;
    QueryPerformanceCounter(&from);
    hook(HC_ACTION, 0, reinterpret_cast<LPARAM>(&none));
    QueryPerformanceCounter(&to);
    const double reloadUs = NanosecondsPerCall(20, [&] {
      hook(HC_ACTION, 0, reinterpret_cast<LPARAM>(&reload));
    }) / 1000.0;
    std::printf("start-up %.0f us, settings reload %.0f us\n", Seconds(from, to) * 1e6, reloadUs);
    return 0;
  }

  // A window the library never makes transparent whatever the settings:
  // layered by its own program, as a dragged window is for every WM_MOVING
  // after the first. And one too large for the default size limits.
  const HWND ownLayered = MakeWindow(WS_EX_LAYERED, 300, 200);
  SetLayeredWindowAttributes(ownLayered, 0, 128, LWA_ALPHA);
  const HWND large = MakeWindow(0, 2000, 1600);

  CWPRETSTRUCT unlisted{};
  unlisted.message = WM_SIZE;
  unlisted.hwnd = ownLayered;
  CWPRETSTRUCT movingLayered{};
  movingLayered.message = WM_MOVING;
  movingLayered.hwnd = ownLayered;
  CWPRETSTRUCT movingLarge{};
  movingLarge.message = WM_MOVING;
  movingLarge.hwnd = large;

  LARGE_INTEGER start;
  LARGE_INTEGER end;
  QueryPerformanceCounter(&start);
  hook(HC_ACTION, 0, reinterpret_cast<LPARAM>(&unlisted));
  QueryPerformanceCounter(&end);
  std::printf("first call (start-up in this process): %.0f us\n", Seconds(start, end) * 1e6);

  const auto timeAll = [&](const char* heading, int calls) {
    const auto per = [&](const CWPRETSTRUCT& record, int n) {
      return NanosecondsPerCall(n, [&] { hook(HC_ACTION, 0, reinterpret_cast<LPARAM>(&record)); });
    };
    std::printf("%s\n", heading);
    std::printf("  unlisted message (WM_SIZE):             %10.1f ns per call\n", per(unlisted, calls));
    std::printf("  WM_MOVING, window already layered:      %10.1f ns per call\n",
                per(movingLayered, calls));
    std::printf("  WM_MOVING, 2000x1600 window:            %10.1f ns per call%s\n",
                per(movingLarge, calls),
                IsLayered(large) ? " (it qualified under the current settings)" : "");
    std::printf("  settings reload:                        %10.1f ns per call\n", per(reload, 200));
  };

  std::printf("transparent dragging in the stored settings: %s\n",
              DraggingSwitchedOn() ? "on" : "off (WM_MOVING stops at the extended style)");
  std::printf("CallNextHookEx alone, outside a hook chain: %10.1f ns per call\n",
              NanosecondsPerCall(20000, [] { CallNextHookEx(nullptr, HC_ACTION, 0, 0); }));
  timeAll("VornalHook as loaded:", 20000);
  if (vornal::test::ReplaceImport(module, "user32.dll", "CallNextHookEx",
                                  reinterpret_cast<void*>(&NextHookStub)) != nullptr) {
    timeAll("VornalHook with CallNextHookEx replaced by an empty stub (the library's own share):",
            2000000);
  } else {
    std::printf("could not replace CallNextHookEx in the library's imports\n");
  }

  if (IsLayered(large)) {
    CWPRETSTRUCT exit{};
    exit.message = WM_EXITSIZEMOVE;
    exit.hwnd = large;
    hook(HC_ACTION, 0, reinterpret_cast<LPARAM>(&exit));
  }
  DestroyWindow(large);
  DestroyWindow(ownLayered);

  vornal::bench::RunEarlyExitBench();
  vornal::bench::RunAnimationBench();
  vornal::bench::RunWallpaperBench();
  return 0;
}
