// The animated box: its timing, its geometry and the bars of one outline.
#include <gtest/gtest.h>

#include <cfenv>
#include <limits>
#include <vector>

#include "box_frame.h"
#include "box_geometry.h"

namespace vornal::hooklib {
namespace {

TEST(AnimatedBox, FractionIsClampedToOneAndADurationOfZeroEndsAtOnce) {
  // Milliseconds in a hooked program, microseconds in the overlay.
  const struct { std::uint64_t elapsed, duration; float f; } cases[] = {
      {0, 200, 0.0f}, {100, 200, 0.5f}, {199, 200, 0.995f}, {200, 200, 1.0f},
      {250, 200, 1.0f}, {0xFFFFFFFFu, 200, 1.0f}, {0, 0, 1.0f}, {7, 0, 1.0f},
      {50000, 200000, 0.25f}, {999999, 200000, 1.0f}};
  for (const auto& c : cases) {
    EXPECT_FLOAT_EQ(AnimationFraction(c.elapsed, c.duration), c.f) << c.elapsed << "/" << c.duration;
  }
}

TEST(AnimatedBox, RoundsHalvesToEvenWhateverTheHostsRoundingMode) {
  const int saved = std::fegetround();
  for (int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    std::fesetround(mode);
    const std::pair<double, std::int64_t> cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {2.4, 2},
                                                     {2.6, 3}, {-0.5, 0}, {-1.5, -2}, {-2.6, -3}};
    for (const auto& [value, rounded] : cases) {
      EXPECT_EQ(RoundHalfEven(value), rounded) << value << " in mode " << mode;
    }
  }
  std::fesetround(saved);
}

TEST(AnimatedBox, OpeningGrowsFromTheCentreAndClosingShrinksToIt) {
  constexpr std::int32_t kFar = std::numeric_limits<std::int32_t>::max() - 10;
  const struct { ScreenBox window; float f; bool closing; ScreenBox box; } cases[] = {
      {{100, 50, 200, 100}, 0.0f, false, {200, 100, 0, 0}},
      {{100, 50, 200, 100}, 0.5f, false, {150, 75, 100, 50}},
      {{100, 50, 200, 100}, 1.0f, false, {100, 50, 200, 100}},
      {{100, 50, 200, 100}, 0.0f, true, {100, 50, 200, 100}},
      {{100, 50, 200, 100}, 1.0f, true, {200, 100, 0, 0}},
      // Halves to even: 2.5 wide gives 2, 3.5 high 4; offsets 1.5 and 2.5 give 2, 3.5 gives 4.
      {{0, 0, 5, 7}, 0.5f, false, {2, 2, 2, 4}},
      {{0, 0, 5, 7}, 0.5f, true, {1, 2, 3, 3}},
      {{1, 2, 4, 4}, 0.25f, false, {2, 4, 1, 1}},
      // Left of and above the virtual screen's corner: no 16-bit wrap.
      {{-500, -300, 200, 100}, 0.5f, false, {-450, -275, 100, 50}},
      {{kFar, 0, 65535, 1}, 0.0f, false, {std::numeric_limits<std::int32_t>::max(), 0, 0, 0}},
  };
  for (const auto& c : cases) {
    const ScreenBox box = BoxAt(c.window, c.f, c.closing);
    EXPECT_EQ(box, c.box) << "f " << c.f << (c.closing ? " closing" : " opening") << " gave "
                          << box.left << "," << box.top << " " << box.width << "x" << box.height;
  }
}

// Inverts every bar into a grid and checks that each pixel of the outline
// (the whole box when it is drawn solid) flips exactly once, and no other.
TEST(AnimatedBox, EveryOutlinePixelIsInvertedExactlyOnce) {
  const struct { std::uint16_t width, height, thickness; int bars; } cases[] = {
      {12, 30, 6, 1}, {30, 12, 6, 1}, {13, 13, 6, 4}, {14, 30, 6, 4},
      {40, 25, 3, 4}, {3, 3, 1, 4}, {2, 9, 1, 1}, {1, 1, 6, 1}};
  for (const auto& c : cases) {
    const BoxFrame frame = BoxFrameBars({-3, 5, c.width, c.height}, c.thickness);
    ASSERT_EQ(frame.count, c.bars) << c.width << "x" << c.height;
    std::vector<int> flips(static_cast<std::size_t>(c.width * c.height));
    for (int i = 0; i < frame.count; ++i) {
      const Bar& b = frame.bars[i];
      for (int y = b.top - 5; y < b.top - 5 + b.height; ++y) {
        for (int x = b.left + 3; x < b.left + 3 + b.width; ++x) {
          ASSERT_TRUE(x >= 0 && x < c.width && y >= 0 && y < c.height) << x << "," << y;
          ++flips[static_cast<std::size_t>(y * c.width + x)];
        }
      }
    }
    const int t = c.thickness;
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) {
        const bool outline = c.bars == 1 || x < t || y < t || x >= c.width - t || y >= c.height - t;
        EXPECT_EQ(flips[static_cast<std::size_t>(y * c.width + x)], outline ? 1 : 0)
            << c.width << "x" << c.height << " at " << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace vornal::hooklib
