// The overlay's pure part: the refresh interval, the frame schedule and
// the choice of a window.
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <vector>

#include "overlay/box_schedule.h"

namespace vornal {

std::ostream& operator<<(std::ostream& out, const FrameStep& s) {
  return out << "{draw " << s.draw << ", finished " << s.finished << ", frame " << s.frame << ", f "
             << s.fraction << ", next " << s.nextDueUs << "}";
}

namespace {

TEST(OverlayFrame, EachPixelTakesTheBandOfItsDistanceFromTheNearestEdge) {
  struct Case {
    const char* name;
    std::int32_t x, y;
    std::uint16_t thickness;
    FrameShade expected;
  };
  // A 40 x 30 box.
  const Case cases[] = {
      {"the outermost pixel is dark", 0, 15, 6, FrameShade::Dark},
      {"a corner too", 39, 29, 6, FrameShade::Dark},
      {"then the highlight", 1, 15, 6, FrameShade::Highlight},
      {"to the fourth pixel", 20, 4, 6, FrameShade::Highlight},
      {"then the light line", 34, 15, 6, FrameShade::Light},
      {"inside the frame nothing", 6, 6, 6, FrameShade::None},
      {"outside the box nothing", -1, 15, 6, FrameShade::None},
      {"a thickness of 1 is the highlight alone", 0, 0, 1, FrameShade::Highlight},
      {"a thickness of 2 has no highlight", 38, 1, 2, FrameShade::Light},
  };
  for (const Case& c : cases) {
    const FrameShade shade = ShadeAt(c.x, c.y, 40, 30, FrameBandsOf(c.thickness));
    EXPECT_EQ(static_cast<int>(shade), static_cast<int>(c.expected)) << c.name;
  }
}

TEST(OverlayRefresh, IntervalFollowsTheRateWithSixtyHertzForTheUnknown) {
  struct Case {
    int hertz;
    std::uint32_t expectedUs;
  };
  const Case cases[] = {{60, 16667}, {144, 6944}, {75, 13333}, {0, 16667}, {1, 16667}, {-3, 16667},
                        {100000, 16667}};
  for (const Case& c : cases) {
    EXPECT_EQ(RefreshIntervalUs(c.hertz), c.expectedUs) << c.hertz << " Hz";
  }
}

TEST(OverlaySchedule, EachWakeUpGivesTheFrameOfItsRefresh) {
  struct Case {
    const char* name;
    std::uint64_t durationUs, elapsedUs;
    std::uint32_t intervalUs;
    std::int64_t lastFrame;
    FrameStep expected;
  };
  const Case cases[] = {
      {"the first frame at once", 200000, 0, 20000, -1, {true, false, 0, 0.0f, 20000}},
      {"no second frame in the same refresh", 200000, 5000, 20000, 0, {false, false, 0, 0.0f, 20000}},
      {"a wake-up a little early counts as on time", 200000, 18000, 20000, 0, {true, false, 1, 0.1f, 40000}},
      {"a late wake-up skips to its own refresh", 200000, 65000, 20000, 1, {true, false, 3, 0.3f, 80000}},
      {"the frame shows its refresh, not the wake-up", 200000, 43000, 20000, 1, {true, false, 2, 0.2f, 60000}},
      {"the last refresh before the end", 200000, 180000, 20000, 8, {true, false, 9, 0.9f, 200000}},
      {"the refresh at the end takes the box down", 200000, 200000, 20000, 9, {false, true, 10, 1.0f, 220000}},
      {"long after the end too", 200000, 900000, 20000, 3, {false, true, 45, 1.0f, 920000}},
      {"no duration is over at once", 0, 0, 20000, -1, {false, true, 0, 1.0f, 20000}},
      {"no interval counts as sixty hertz", 200000, 0, 0, -1, {true, false, 0, 0.0f, 16667}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(NextFrame(c.durationUs, c.elapsedUs, c.intervalUs, c.lastFrame), c.expected);
  }
}

// A box played by a loop that wakes at every due time, and by one that is
// woken far more often (every millisecond, as posts could wake it): both
// draw at most one frame per refresh.
int FramesPlayed(std::uint64_t durationUs, std::uint32_t intervalUs, std::uint64_t wakeEveryUs) {
  int frames = 0;
  std::int64_t last = -1;
  for (std::uint64_t t = 0; t < 10 * durationUs + 10 * intervalUs; t += wakeEveryUs) {
    const FrameStep step = NextFrame(durationUs, t, intervalUs, last);
    if (step.finished) return frames;
    if (step.draw) {
      ++frames;
      last = step.frame;
    }
  }
  return -1;  // never finished
}

TEST(OverlaySchedule, AtMostOneFramePerRefresh) {
  struct Case {
    const char* name;
    std::uint64_t durationUs;
    int hertz;
    std::uint64_t wakeEveryUs;
    int expectedFrames;
  };
  const Case cases[] = {
      {"200 ms at 60 Hz, woken at each refresh", 200000, 60, 16667, 12},
      {"200 ms at 60 Hz, woken every millisecond", 200000, 60, 1000, 12},
      {"200 ms at 144 Hz, woken every millisecond", 200000, 144, 1000, 29},
      {"200 ms at 60 Hz, a wake-up that comes only every 50 ms", 200000, 60, 50000, 4},
      {"1 ms is one frame", 1000, 60, 1000, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::uint32_t interval = RefreshIntervalUs(c.hertz);
    const int frames = FramesPlayed(c.durationUs, interval, c.wakeEveryUs);
    EXPECT_EQ(frames, c.expectedFrames);
    std::printf("[ figures  ] %s: %d frames\n", c.name, frames);
  }
}

TEST(OverlaySlots, ANewBoxTakesAFreeWindowElseTheOneNearestItsEnd) {
  struct Case {
    const char* name;
    std::vector<SlotState> slots;
    int expected;
  };
  const Case cases[] = {
      {"the first free one", {{true, 100}, {false, 0}, {false, 0}}, 1},
      {"all free", {{false, 0}, {false, 0}}, 0},
      {"all busy: the one nearest its end", {{true, 150}, {true, 20}, {true, 90}}, 1},
      {"no windows at all", {}, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SlotForNewBox(c.slots.data(), static_cast<int>(c.slots.size())), c.expected);
  }
}

}  // namespace
}  // namespace vornal
