// Repaints of wallpapered windows where their own painting would leave
// stale tiles behind: at the end of a scroll, on loss of focus, on
// activation, on clicks in tree views, when list boxes and list-view
// headers give up the mouse capture, and when an MDI client moves or is
// allowed to redraw again.
#include <cstring>

#include "core/library_state.h"
#include "core/window_facts.h"
#include "wallpaper/redraw_rules.h"
#include "wallpaper/wallpaper_handlers.h"
#include "wallpaper/wallpaper_state.h"
#include "wallpaper/wallpaper_targets.h"

namespace vornal::hooklib {
namespace {

// The whole client area erased and painted at once; the erase passes
// through OnEraseBkgnd again.
constexpr UINT kFullRedraw = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW;  // 0x0305

void FullRedraw(HWND window) noexcept { RedrawWindow(window, nullptr, nullptr, kFullRedraw); }

bool IsLoadedMDIClient(HWND window) noexcept {
  if (!Loaded(Wallpaper::MDI)) return false;
  ClassName className;
  return ReadUpperClassName(window, className) && IsMDIClientClass(className);
}

// Invalidated only: each is painted at its thread's next WM_PAINT, so the
// thread that starts the library does not paint other threads' windows.
constexpr UINT kRedrawLater = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;

// Whether the erase handler tiles the window, by the reads it makes.
bool IsTiled(HWND window) noexcept {
  ClassName className;
  if (!ReadUpperClassName(window, className)) return false;
  if ((Loaded(Wallpaper::MDI) && IsMDIClientClass(className)) || IsTVWallpaperTarget(window, className)) {
    return true;
  }
  if (!Loaded(Wallpaper::Window)) return false;
  LONG_PTR style = 0, exStyle = 0;
  RECT frame, client;
  return ReadWindowLong(window, GWL_STYLE, style) && ReadWindowLong(window, GWL_EXSTYLE, exStyle) &&
         (exStyle & WS_EX_MDICHILD) == 0 && GetWindowRect(window, &frame) && GetClientRect(window, &client) &&
         IsWindowWallpaperTarget(window, className, static_cast<DWORD>(style), frame, client);
}

BOOL CALLBACK RedrawIfTiled(HWND window, LPARAM) noexcept {
  if (IsWindowVisible(window) && IsTiled(window)) RedrawWindow(window, nullptr, nullptr, kRedrawLater);
  return TRUE;
}

// Only what gets a wallpaper is painted again: the rest of the window
// looks as it did, and is left alone.
BOOL CALLBACK RedrawTiledPartsIfOurs(HWND window, LPARAM process) noexcept {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != static_cast<DWORD>(process) || !IsWindowVisible(window)) return TRUE;
  if (IsTiled(window)) {
    RedrawWindow(window, nullptr, nullptr, kRedrawLater);
  } else {
    EnumChildWindows(window, RedrawIfTiled, 0);
  }
  return TRUE;
}

}  // namespace

void RedrawTiledWindows() noexcept {
  if (!Loaded(Wallpaper::Window) && !Loaded(Wallpaper::MDI) && !Loaded(Wallpaper::TV)) return;
  EnumWindows(RedrawTiledPartsIfOurs, static_cast<LPARAM>(GetCurrentProcessId()));
}

void RedrawTVTarget(HWND window) noexcept {
  if (IsTVWallpaperTarget(window)) FullRedraw(window);
}

void OnScrolled(HWND window, WPARAM request) noexcept {
  if (!ScrollEnds(request)) return;
  if (IsLoadedMDIClient(window)) {
    FullRedraw(window);
  } else {
    RedrawTVTarget(window);
  }
}

void OnMDIClientChanged(HWND window) noexcept {
  if (IsLoadedMDIClient(window)) FullRedraw(window);
}

void OnActivate(HWND window, WPARAM state, LPARAM deactivated) noexcept {
  if (!ActivateRedraws(Loaded(Wallpaper::Window), state, deactivated)) return;
  // An empty update rectangle: only what is already invalid is painted,
  // now rather than at the next WM_PAINT.
  RECT none{-1, -1, -1, -1};
  RedrawWindow(window, &none, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void OnSetCursor(HWND window, LPARAM hitAndMessage) noexcept {
  // The picture and the click first; the options only for a click.
  if (!Loaded(Wallpaper::TV) || !SetCursorIsClick(hitAndMessage) ||
      !CurrentOptions().options.wallpaper.treeViewWallpaper) {
    return;
  }
  ClassName className;
  if (!ReadUpperClassName(window, className) || std::strcmp(className, "SYSTREEVIEW32") != 0) return;
  if (IsTVWallpaperTarget(window, className)) FullRedraw(window);
}

void OnCaptureChanged(HWND window) noexcept {
  if (!CaptureMayRedraw(Loaded(Wallpaper::TV), CurrentOptions().options.wallpaper.listViewWallpaper)) {
    return;
  }
  ClassName className;
  if (!ReadUpperClassName(window, className)) return;
  switch (CaptureRedrawFor(className)) {
    case CaptureRedraw::WindowIfTarget:
      if (IsTVWallpaperTarget(window, className)) FullRedraw(window);
      break;
    case CaptureRedraw::ParentIfTarget: {
      const HWND parent = GetParent(window);
      if (parent != nullptr && IsTVWallpaperTarget(parent)) FullRedraw(parent);
      break;
    }
    case CaptureRedraw::Nothing: break;
  }
}

}  // namespace vornal::hooklib
