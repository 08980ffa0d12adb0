// The two messages that show and hide windows, as the dispatcher hands
// them over after the window procedure has returned, that is before the
// system actually shows or hides the window. An animation runs to its end
// inside the handler, on the thread that owns the window.
#pragma once

#include <windows.h>

namespace vornal::hooklib {

// WM_WINDOWPOSCHANGING: animates a pure show or hide of a window with a
// full caption, then gives the class of a window being opened its shadow.
void OnWindowPosChanging(HWND window, LPARAM windowPos) noexcept;

// WM_SHOWWINDOW: animates popups without a full caption.
void OnShowWindow(HWND window, WPARAM shown, LPARAM status) noexcept;

// The thread has just been hooked as one of its windows appeared. A window
// of a full caption it showed before the hook was there gets its opening
// now, as the box only: the window is on the screen already, and the box
// grows over it as it would have.
void OnThreadHooked() noexcept;

}  // namespace vornal::hooklib
