#include "wallpaper/tiling.h"

#include "core/window_box.h"

namespace vornal::hooklib {
namespace {

std::uint16_t Repeated(std::uint16_t side, std::uint16_t least) noexcept {
  if (side == 0 || side >= least) return side;
  return static_cast<std::uint16_t>((least + side - 1) / side * side);
}

}  // namespace

std::uint16_t ClientSide(std::int32_t from, std::int32_t to) noexcept {
  const std::int64_t side = FullSideLength(from, to);
  return static_cast<std::uint16_t>(side > 0xFFFF ? 0xFFFF : side);
}

TileSize RepeatedTileSize(std::uint16_t width, std::uint16_t height) noexcept {
  return {Repeated(width, kMinTileWidth), Repeated(height, kMinTileHeight)};
}

}  // namespace vornal::hooklib
