// The animated box as the control program's overlay draws it: the library
// posts the window's frame and returns at once, so that the program whose
// window opens or closes never waits for the box.
#pragma once

#include <windows.h>

#include <cstdint>

#include "box_overlay_protocol.h"
#include "options/animation_options.h"

namespace vornal::hooklib {

// Posts the visible frame of window, in physical pixels, to the overlay.
// False when no overlay window exists or the post was refused; nothing
// has been drawn then.
bool PostBoxToOverlay(HWND window, bool closing, BoxWindowKind kind) noexcept;

// The box for window, whose rectangle rect the handler has read in the
// program's own DPI units: by the overlay where one takes it, else
// in-process over rect, blocking for the duration as it always has.
void PlayBox(HWND window, const RECT& rect, bool closing, BoxWindowKind kind,
             const AnimationOptions& options) noexcept;

}  // namespace vornal::hooklib
