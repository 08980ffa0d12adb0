// A window rectangle as GetWindowRect gives it, and the side lengths that
// the effects compare with their size limits. Pure, so that the wrap and
// overflow cases are tested natively.
#pragma once

#include <cstdint>

namespace vornal::hooklib {

struct WindowBox {
  std::int32_t left;
  std::int32_t top;
  std::int32_t right;
  std::int32_t bottom;
};

// The absolute difference of two sides taken modulo 65536: the unsigned
// 16-bit length that the size limits of titled and dragged windows use.
std::uint16_t SideLength(std::int32_t from, std::int32_t to) noexcept;

// The absolute difference of two sides in full, without wrap or overflow.
std::int64_t FullSideLength(std::int32_t from, std::int32_t to) noexcept;

}  // namespace vornal::hooklib
