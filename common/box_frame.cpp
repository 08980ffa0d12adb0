#include "box_frame.h"

namespace vornal {
namespace {

Bar MakeBar(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height) noexcept {
  return {ClampToInt32(left), ClampToInt32(top), ClampToInt32(width), ClampToInt32(height)};
}

}  // namespace

BoxFrame BoxFrameBars(const ScreenBox& box, std::uint16_t thickness) noexcept {
  const std::int64_t x = box.left;
  const std::int64_t y = box.top;
  const std::int64_t w = box.width;
  const std::int64_t h = box.height;
  const std::int64_t t = thickness;
  BoxFrame frame;
  if (2 * t < w && 2 * t < h) {
    frame.count = 4;
    frame.bars[0] = MakeBar(x, y, w - t, t);              // top, with the top left corner
    frame.bars[1] = MakeBar(x + w - t, y, t, h - t);      // right, with the top right corner
    frame.bars[2] = MakeBar(x + t, y + h - t, w - t, t);  // bottom, with the bottom right corner
    frame.bars[3] = MakeBar(x, y + t, t, h - t);          // left, with the bottom left corner
  } else {
    frame.count = 1;
    frame.bars[0] = MakeBar(x, y, w, h);
  }
  return frame;
}

}  // namespace vornal
