// The two exports: the WH_CALLWNDPROCRET hook procedure that every hooked
// thread runs after each sent message, and the setter of the hook handle.
#include <windows.h>

#include "animation/animation_handlers.h"
#include "core/library_settings.h"
#include "core/library_startup.h"
#include "core/library_state.h"
#include "core/message_routes.h"
#include "shadows_and_drag/transparent_drag.h"
#include "wallpaper/wallpaper_handlers.h"

using vornal::hooklib::g_library;

namespace {

// The per-message path: one comparison, one flag test, one switch.
void Dispatch(const CWPRETSTRUCT& record) noexcept {
  using namespace vornal::hooklib;
  // Before the enabled test, so that an excluded process reloads as well
  // and notices when it has left the list.
  if (record.message == g_library.msgSettingsUpdated) OnSettingsUpdated();
  if (!g_library.processEnabled.load(std::memory_order_relaxed)) return;
  switch (RouteOf(record.message)) {
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
    default: break;
  }
}

}  // namespace

extern "C" LRESULT CALLBACK VornalHook(int nCode, WPARAM wParam, LPARAM lParam) noexcept {
  if (nCode < 0) return CallNextHookEx(g_library.hookHandle, nCode, wParam, lParam);
  const auto* record = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (record != nullptr && vornal::hooklib::EnsureStarted()) Dispatch(*record);
  CallNextHookEx(g_library.hookHandle, nCode, wParam, lParam);
  return 0;
}

extern "C" void CALLBACK VornalSetup(HHOOK hook) noexcept { g_library.hookHandle = hook; }
