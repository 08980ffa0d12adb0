// The geometry of the animated box: where the outline stands at a given
// moment of an opening or closing. The box drawn inside a hooked program
// and the one the control program's overlay draws both take it from here,
// so that they stand on the same pixels. Pure, so that every rounding case
// is tested natively.
//
// Sizes are unsigned 16-bit. Positions are signed and relative to the top
// left corner of the virtual screen: on a desktop whose monitors all lie
// right of and below the primary one these are the plain screen
// coordinates, and a monitor left of or above the primary one (negative
// screen coordinates) gets the same arithmetic instead of a 16-bit wrap
// that would put its boxes off the screen.
#pragma once

#include <cstdint>

namespace vornal {

struct ScreenBox {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::uint16_t width = 0;
  std::uint16_t height = 0;

  friend bool operator==(const ScreenBox&, const ScreenBox&) = default;
};

// The share of the animation that has passed: elapsed ÷ duration (in the
// same unit, milliseconds or microseconds) as a single-precision value, 1
// once the time is up. A duration of 0 is up at once.
float AnimationFraction(std::uint64_t elapsed, std::uint64_t duration) noexcept;

// The box at fraction f of the animation over window: opening grows it
// from the centre point to the full window, closing shrinks it back. Sizes
// and positions are rounded to the nearest integer, halves to even, the
// way the animation has always rounded them.
ScreenBox BoxAt(const ScreenBox& window, float f, bool closing) noexcept;

// Nearest integer, halves to even, whatever rounding mode the host thread
// has set (the hook runs on the host's threads).
std::int64_t RoundHalfEven(double value) noexcept;

// A 64-bit coordinate brought into the 32-bit range, for window
// rectangles at the far ends of it.
std::int32_t ClampToInt32(std::int64_t value) noexcept;

}  // namespace vornal
