// The two exports: the WH_CALLWNDPROCRET hook procedure that every hooked
// thread runs after each sent message, and the setter of the hook handle.
#include <windows.h>

#include "animation/animation_handlers.h"
#include "animation/system_animations.h"
#include "core/library_state.h"
#include "dispatch/active_routes.h"
#include "dispatch/library_settings.h"
#include "dispatch/library_startup.h"
#include "dispatch/message_routes.h"
#include "shadows_and_drag/transparent_drag.h"
#include "wallpaper/wallpaper_handlers.h"

using vornal::hooklib::g_library;

namespace {

// The per-message path: one comparison, one test of the active routes, one
// switch.
void Dispatch(const CWPRETSTRUCT& record) noexcept {
  using namespace vornal::hooklib;
  // Before the routes are tested, so that an excluded process reloads as
  // well and notices when it has left the list.
  if (record.message == g_library.msgSettingsUpdated) OnSettingsUpdated(record.wParam);
  if (record.message == g_library.msgThreadHooked) OnThreadHooked();
  const Route route = RouteOf(record.message);
  // An excluded process has no active route but the end of a move.
  if ((g_library.activeRoutes.load(std::memory_order_relaxed) & RouteBit(route)) == 0) return;
  switch (route) {
    case Route::ShowWindow: OnShowWindow(record.hwnd, record.wParam, record.lParam); break;
    case Route::WindowPosChanging: OnWindowPosChanging(record.hwnd, record.lParam); break;
    case Route::Moving: OnMoving(record.hwnd); break;
    case Route::ExitSizeMove: OnExitSizeMove(record.hwnd); break;
    case Route::EraseBkgnd: OnEraseBkgnd(record.hwnd, record.wParam); break;
    case Route::KillFocus: RedrawTVTarget(record.hwnd); break;
    case Route::Scrolled: OnScrolled(record.hwnd, record.wParam); break;
    case Route::MDIClientChanged: OnMDIClientChanged(record.hwnd); break;
    case Route::Activate: OnActivate(record.hwnd, record.wParam, record.lParam); break;
    case Route::SetCursor: OnSetCursor(record.hwnd, record.lParam); break;
    case Route::CaptureChanged: OnCaptureChanged(record.hwnd); break;
    case Route::SettingChange:
      OnSettingChange(record.wParam);
      if (record.wParam == SPI_SETHIGHCONTRAST) OnHighContrastSetting();
      break;
    default: break;
  }
}

// Windows runs a hook for programs of the other bitness in the thread that
// installed it, with the record of a window of that program. Those windows
// get the effects from the library copy of their own bitness; here, in the
// installing process, such a call only passes on. Everywhere else the
// handle is null and this costs one test.
bool ForeignWindowInInstaller(HHOOK hook, HWND window) noexcept {
  if (hook == nullptr) return false;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process != GetCurrentProcessId();
}

}  // namespace

extern "C" LRESULT CALLBACK VornalHook(int nCode, WPARAM wParam, LPARAM lParam) noexcept {
  const HHOOK hook = g_library.hookHandle.load(std::memory_order_relaxed);
  if (nCode < 0) return CallNextHookEx(hook, nCode, wParam, lParam);
  const auto* record = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (record != nullptr && !ForeignWindowInInstaller(hook, record->hwnd) &&
      vornal::hooklib::EnsureStarted()) {
    Dispatch(*record);
  }
  CallNextHookEx(hook, nCode, wParam, lParam);
  return 0;
}

extern "C" void CALLBACK VornalSetup(HHOOK hook) noexcept {
  g_library.hookHandle.store(hook, std::memory_order_relaxed);
}
