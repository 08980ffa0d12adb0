// Transparent dragging: a window turns partly transparent while the user
// moves it and opaque again when the move ends.
#pragma once

#include <windows.h>

namespace vornal::hooklib {

// WM_MOVING: makes the window layered with the configured alpha when it
// qualifies and no other window of this process is being dragged.
void OnMoving(HWND window) noexcept;

// WM_EXITSIZEMOVE: gives the window it made transparent its opacity back.
void OnExitSizeMove(HWND window) noexcept;

}  // namespace vornal::hooklib
