#include "overlay/box_schedule.h"

#include <algorithm>


namespace vornal {
namespace {

constexpr std::uint32_t kDefaultHertz = 60;
// Beyond this the reported rate is taken for garbage, not a display.
constexpr int kHighestHertz = 1000;

}  // namespace

FrameBands FrameBandsOf(std::uint16_t thickness) noexcept {
  if (thickness == 0) return {};
  if (thickness == 1) return {0, 1, 0};
  return {1, thickness - 2, 1};
}

FrameShade ShadeAt(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                   const FrameBands& bands) noexcept {
  if (x < 0 || y < 0 || x >= width || y >= height) return FrameShade::None;
  const std::int64_t edge =
      std::min<std::int64_t>(std::min<std::int64_t>(x, y),
                             std::min<std::int64_t>(std::int64_t{width} - 1 - x, std::int64_t{height} - 1 - y));
  if (edge < bands.dark) return FrameShade::Dark;
  if (edge < bands.dark + bands.highlight) return FrameShade::Highlight;
  if (edge < bands.dark + bands.highlight + bands.light) return FrameShade::Light;
  return FrameShade::None;
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
  step.fraction = AnimationFraction(slotUs, durationUs);
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
