#include "core/window_box.h"

namespace vornal::hooklib {

std::int64_t FullSideLength(std::int32_t from, std::int32_t to) noexcept {
  // In 64 bits: the difference of two extreme coordinates overflows 32.
  const std::int64_t d = static_cast<std::int64_t>(to) - from;
  return d < 0 ? -d : d;
}

std::uint16_t SideLength(std::int32_t from, std::int32_t to) noexcept {
  return static_cast<std::uint16_t>(static_cast<std::uint64_t>(FullSideLength(from, to)) & 0xFFFFu);
}

}  // namespace vornal::hooklib
