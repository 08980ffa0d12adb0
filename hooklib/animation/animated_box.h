// The animated box ("Vornal's default"): an outline inverted on the screen
// that grows from the centre of a window to its full size as it opens, or
// shrinks back to the centre as it closes.
#pragma once

#include <windows.h>

#include <cstdint>

#include "box_geometry.h"
#include "options/animation_options.h"

namespace vornal::hooklib {

// Plays the box over the screen rectangle at (left, top) of width by
// height, driven by the time that has passed, for the opening or closing
// duration and in the thickness of the options. Blocks the calling thread
// until the time is up; when it returns, every pixel it inverted has been
// inverted back.
void AnimateBox(std::int32_t left, std::int32_t top, std::uint16_t width, std::uint16_t height,
                bool closing, const AnimationOptions& options) noexcept;

// Inverts the outline of box (relative to origin, the virtual screen's top
// left corner) on the screen, thickness pixels wide. False when the screen
// could not be drawn on, so that nothing was inverted.
bool DrawBoxFrame(const ScreenBox& box, POINT origin, std::uint16_t thickness) noexcept;

}  // namespace vornal::hooklib
