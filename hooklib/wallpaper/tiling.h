// The tiling geometry: where the copies of a picture go in a client area.
// Pure, so that the seams, the cut edges and the limits of the 16-bit
// sizes are tested natively.
#pragma once

#include <cstdint>

#include "picture_set.h"

namespace vornal::hooklib {

// The size pictures are kept at for tiling (picture_set.h).
using vornal::RepeatedTileSize;
using vornal::TileSize;

struct Tile {
  std::uint16_t x, y, width, height;
};

// The part of the client area that is being drawn (the destination's clip
// box), half-open. Tiles outside it would be clipped away whole.
struct DrawnBox {
  std::int32_t left, top, right, bottom;
};

// A client side as the tiling takes it: the absolute difference of two
// sides, held to the 65535 pixels that the 16-bit tile positions reach.
std::uint16_t ClientSide(std::int32_t from, std::int32_t to) noexcept;

// Visits the tiles of a client area of clientWidth by clientHeight tiled
// with tile from its top-left corner (0, 0): rows from the top, left to
// right within a row, each tile as large as the picture and cut at the right
// and bottom edges, never scaled. Only tiles that meet drawn are visited.
// Positions are taken in 32 bits, so the last tile of a row ends the row
// even where a 16-bit position would wrap past 65535.
template <typename Visit>
void ForEachTile(std::uint16_t clientWidth, std::uint16_t clientHeight, TileSize tile,
                 const DrawnBox& drawn, Visit&& visit) {
  if (tile.width == 0 || tile.height == 0) return;
  // The drawn box within the client area.
  const auto within = [](std::int32_t v, std::uint16_t side) -> std::uint32_t {
    return v <= 0 ? 0u : (static_cast<std::uint32_t>(v) < side ? static_cast<std::uint32_t>(v) : side);
  };
  const std::uint32_t left = within(drawn.left, clientWidth), right = within(drawn.right, clientWidth);
  const std::uint32_t top = within(drawn.top, clientHeight), bottom = within(drawn.bottom, clientHeight);
  if (left >= right || top >= bottom) return;
  for (std::uint32_t y = top / tile.height * tile.height; y < bottom; y += tile.height) {
    const std::uint32_t h = clientHeight - y < tile.height ? clientHeight - y : tile.height;
    for (std::uint32_t x = left / tile.width * tile.width; x < right; x += tile.width) {
      const std::uint32_t w = clientWidth - x < tile.width ? clientWidth - x : tile.width;
      visit(Tile{static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y),
                 static_cast<std::uint16_t>(w), static_cast<std::uint16_t>(h)});
    }
  }
}

}  // namespace vornal::hooklib
