// Which animation a show or hide gets, and the frame the overlay is told
// about. Pure, so that every case is tested natively.
#pragma once

#include <cstdint>

#include "box_overlay_protocol.h"
#include "core/window_box.h"

namespace vornal::hooklib {

enum class AnimationChoice : std::uint8_t { None, Box, AnimateWindow };

// Nothing while the system's "Show animations in Windows" is off (people
// sensitive to motion turn it off); the box for style index 1 or where
// the system has no AnimateWindow; AnimateWindow otherwise.
AnimationChoice ChooseAnimation(bool systemAnimations, std::uint8_t style,
                                bool haveAnimateWindow) noexcept;

// The rectangle the overlay draws around: the visible frame where the
// system gave one (DWM's extended frame bounds leave out the invisible
// resize borders), else the window rectangle. Both are physical pixels
// read by a per-monitor aware thread. An empty or inverted frame counts
// as none. Sizes beyond 32 bits are clamped rather than wrapped.
BoxRequest OverlayFrame(const WindowBox& windowRect, const WindowBox* visibleFrame,
                        BoxWindowKind kind) noexcept;

}  // namespace vornal::hooklib
