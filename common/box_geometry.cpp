#include "box_geometry.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace vornal {

float AnimationFraction(std::uint64_t elapsed, std::uint64_t duration) noexcept {
  if (duration == 0 || elapsed >= duration) return 1.0f;
  return static_cast<float>(static_cast<double>(elapsed) / static_cast<double>(duration));
}

std::int64_t RoundHalfEven(double value) noexcept {
  const double below = std::floor(value);
  const double rest = value - below;  // exact for the magnitudes used here
  auto n = static_cast<std::int64_t>(below);
  if (rest > 0.5 || (rest == 0.5 && (n & 1) != 0)) ++n;
  return n;
}

std::int32_t ClampToInt32(std::int64_t value) noexcept {
  constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value < lo ? lo : (value > hi ? hi : value));
}

namespace {

// side × f in double precision is exact (a 16-bit integer times a 24-bit
// mantissa), so the rounding sees the true product of the single-precision
// fraction, as the x87 always computed it.
std::uint16_t Grown(std::uint16_t side, float f, bool closing) noexcept {
  const auto grown = static_cast<std::uint16_t>(RoundHalfEven(side * static_cast<double>(f)));
  return closing ? static_cast<std::uint16_t>(side - grown) : grown;
}

std::int32_t Centred(std::int32_t start, std::uint16_t side, std::uint16_t part) noexcept {
  return ClampToInt32(RoundHalfEven(start + (side - part) / 2.0));
}

}  // namespace

ScreenBox BoxAt(const ScreenBox& window, float f, bool closing) noexcept {
  ScreenBox box;
  box.width = Grown(window.width, f, closing);
  box.height = Grown(window.height, f, closing);
  box.left = Centred(window.left, window.width, box.width);
  box.top = Centred(window.top, window.height, box.height);
  return box;
}

}  // namespace vornal
