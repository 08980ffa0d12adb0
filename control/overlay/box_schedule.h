// The platform-free part of the box overlay (where the box stands at a
// moment, and the bars its frame is made of, come from the shared box
// geometry): how its frame is coloured, when the next frame is
// due, and which of the overlay's windows a new box takes. Pure, so that
// every rounding and pacing case is tested natively.
//
// Rectangles are in physical screen pixels, as the hooked programs post
// them; positions may be negative (monitors left of or above the primary
// one).
#pragma once

#include <cstdint>

#include "box_geometry.h"

namespace vornal {

// How a frame of the given thickness is painted, from the outside in: a
// dark line that reads on light windows, the highlight colour, and a light
// line that reads on dark windows. A thickness of 1 is the highlight
// alone; 2 is the two lines without the highlight between them.
struct FrameBands {
  int dark = 0;
  int highlight = 0;
  int light = 0;

  friend bool operator==(const FrameBands&, const FrameBands&) = default;
};
FrameBands FrameBandsOf(std::uint16_t thickness) noexcept;

// Which band of the frame the pixel at x, y of a box of width by height
// lies in, by its distance from the box's nearest edge; None inside the
// frame, and outside the box.
enum class FrameShade : std::uint8_t { None, Dark, Highlight, Light };
FrameShade ShadeAt(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                   const FrameBands& bands) noexcept;

// One refresh of a display of the given rate (GetDeviceCaps VREFRESH), in
// microseconds. 0 and 1 mean "the hardware's default"; they, and rates
// beyond reason, count as 60 Hz.
std::uint32_t RefreshIntervalUs(int hertz) noexcept;

// What the overlay does with one box at a wake-up. Frame k belongs to the
// refresh that starts k intervals after the box began; at most one frame
// is drawn per refresh, and the box is taken down at the first refresh at
// or after its end (the window itself, or nothing, stands there then).
struct FrameStep {
  bool draw = false;        // draw frame `frame` now
  bool finished = false;    // the box is over: hide it
  std::int64_t frame = -1;  // the frame of this refresh
  float fraction = 0.0f;    // the share of the animation the frame shows
  std::uint64_t nextDueUs = 0;  // elapsed time at which the following frame is due

  friend bool operator==(const FrameStep&, const FrameStep&) = default;
};
// elapsedUs since the box began, lastFrame the frame drawn last (-1 for
// none). A wake-up is never exactly on time, so a frame due within an
// eighth of a refresh counts as due now.
FrameStep NextFrame(std::uint64_t durationUs, std::uint64_t elapsedUs, std::uint32_t intervalUs,
                    std::int64_t lastFrame) noexcept;

// A window of the overlay as the choice of a window for a new box sees it.
struct SlotState {
  bool busy = false;
  std::uint64_t remainingUs = 0;  // of the box it plays
};
// A free window, the first one; with none free, the one whose box is
// nearest its end gives way (the newest box is the one the user looks
// at). -1 for no windows at all.
int SlotForNewBox(const SlotState* slots, int count) noexcept;

}  // namespace vornal
