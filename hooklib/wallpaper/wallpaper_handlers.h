// The wallpaper's messages as the dispatcher hands them over, after the
// window procedure has returned. Each first tests a loaded flag or the
// message's own arguments, so that a message that cannot paint ends there.
#pragma once

#include <windows.h>

namespace vornal::hooklib {

// WM_ERASEBKGND: tiles at most one wallpaper over the erased device context.
void OnEraseBkgnd(HWND window, WPARAM erasedDC) noexcept;

// WM_KILLFOCUS, and the end of a scroll in anything but an MDI client: a
// full redraw of a TV wallpaper target.
void RedrawTVTarget(HWND window) noexcept;

// Invalidates what of the process's shown windows gets a wallpaper now.
// Once when the library has started in a process (the windows shown
// before were painted without theirs), and around the reload when high
// contrast changes. Nothing is done where no wallpaper is loaded.
void RedrawTiledWindows() noexcept;

// WM_HSCROLL, WM_VSCROLL.
void OnScrolled(HWND window, WPARAM request) noexcept;

// WM_MOVE, WM_SETREDRAW.
void OnMDIClientChanged(HWND window) noexcept;

// WM_ACTIVATE.
void OnActivate(HWND window, WPARAM state, LPARAM deactivated) noexcept;

// WM_SETCURSOR: mouse clicks in tree views.
void OnSetCursor(HWND window, LPARAM hitAndMessage) noexcept;

// WM_CAPTURECHANGED: list boxes and list-view headers.
void OnCaptureChanged(HWND window) noexcept;

}  // namespace vornal::hooklib
