#include "wallpaper/tiling.h"

#include "core/window_box.h"

namespace vornal::hooklib {

std::uint16_t ClientSide(std::int32_t from, std::int32_t to) noexcept {
  const std::int64_t side = FullSideLength(from, to);
  return static_cast<std::uint16_t>(side > 0xFFFF ? 0xFFFF : side);
}

}  // namespace vornal::hooklib
