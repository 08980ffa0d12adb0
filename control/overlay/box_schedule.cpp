#include "overlay/box_schedule.h"

#include <cmath>
#include <limits>

namespace vornal {
namespace {

constexpr std::uint32_t kDefaultHertz = 60;
// Beyond this the reported rate is taken for garbage, not a display.
constexpr int kHighestHertz = 1000;

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

// side × f in double precision is exact for the sides a post carries
// (15 bits times a 24-bit mantissa), so the rounding sees the true product.
std::int32_t Grown(std::int32_t side, float f, bool closing) noexcept {
  const auto grown = static_cast<std::int32_t>(RoundHalfEven(side * static_cast<double>(f)));
  return closing ? side - grown : grown;
}

std::int32_t Centred(std::int32_t start, std::int32_t side, std::int32_t part) noexcept {
  return ClampToInt32(RoundHalfEven(start + (static_cast<double>(side) - part) / 2.0));
}

}  // namespace

float BoxFraction(std::uint64_t elapsedUs, std::uint64_t durationUs) noexcept {
  if (durationUs == 0 || elapsedUs >= durationUs) return 1.0f;
  return static_cast<float>(static_cast<double>(elapsedUs) / static_cast<double>(durationUs));
}

BoxRect BoxAt(const BoxRect& window, float f, bool closing) noexcept {
  const std::int32_t width = window.width < 0 ? 0 : window.width;
  const std::int32_t height = window.height < 0 ? 0 : window.height;
  BoxRect box;
  box.width = Grown(width, f, closing);
  box.height = Grown(height, f, closing);
  box.left = Centred(window.left, width, box.width);
  box.top = Centred(window.top, height, box.height);
  return box;
}

FrameBands FrameBandsOf(std::uint16_t thickness) noexcept {
  if (thickness == 0) return {};
  if (thickness == 1) return {0, 1, 0};
  return {1, thickness - 2, 1};
}

FrameHole FrameHoleOf(std::int32_t width, std::int32_t height, std::uint16_t thickness) noexcept {
  const std::int64_t t = thickness;
  if (2 * t >= width || 2 * t >= height) return {};
  return {true, {thickness, thickness, static_cast<std::int32_t>(width - 2 * t),
                 static_cast<std::int32_t>(height - 2 * t)}};
}

std::uint32_t RefreshIntervalUs(int hertz) noexcept {
  const std::uint32_t rate =
      hertz <= 1 || hertz > kHighestHertz ? kDefaultHertz : static_cast<std::uint32_t>(hertz);
  return (1000000u + rate / 2) / rate;
}

FrameStep NextFrame(std::uint64_t durationUs, std::uint64_t elapsedUs, std::uint32_t intervalUs,
                    std::int64_t lastFrame) noexcept {
  const std::uint64_t interval = intervalUs == 0 ? RefreshIntervalUs(0) : intervalUs;
  const std::uint64_t slack = interval / 8;
  FrameStep step;
  const auto frame = static_cast<std::int64_t>((elapsedUs + slack) / interval);
  if (frame <= lastFrame) {
    // Still the refresh of the frame drawn last.
    step.frame = lastFrame;
    step.nextDueUs = static_cast<std::uint64_t>(lastFrame + 1) * interval;
    return step;
  }
  step.frame = frame;
  const std::uint64_t slotUs = static_cast<std::uint64_t>(frame) * interval;
  step.nextDueUs = slotUs + interval;
  if (slotUs >= durationUs) {
    step.finished = true;
    step.fraction = 1.0f;
    return step;
  }
  // The frame shows the moment of its refresh, not of the wake-up, so
  // that a late wake-up does not bunch two frames together.
  step.draw = true;
  step.fraction = BoxFraction(slotUs, durationUs);
  return step;
}

int SlotForNewBox(const SlotState* slots, int count) noexcept {
  int nearest = -1;
  for (int i = 0; i < count; ++i) {
    if (!slots[i].busy) return i;
    if (nearest < 0 || slots[i].remainingUs < slots[nearest].remainingUs) nearest = i;
  }
  return nearest;
}

}  // namespace vornal
