// The rectangles that make up one outline of the animated box, every
// outline pixel in exactly one of them: the box drawn inside a hooked
// program inverts them (inverting is its own inverse, so the same
// rectangles drawn again erase the outline), and the overlay gives each a
// window of its own.
#pragma once

#include <cstdint>

#include "box_geometry.h"

namespace vornal {

struct Bar {
  std::int32_t left;
  std::int32_t top;
  std::int32_t width;
  std::int32_t height;
};

struct BoxFrame {
  int count = 0;
  Bar bars[4] = {};
};

// Four bars of the given thickness that tile the outline without overlap
// (each corner square belongs to one bar), or the whole box as one solid
// rectangle when the box is not more than twice the thickness in width or
// height.
BoxFrame BoxFrameBars(const ScreenBox& box, std::uint16_t thickness) noexcept;

}  // namespace vornal
