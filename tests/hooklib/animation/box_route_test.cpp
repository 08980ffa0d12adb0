// Which animation a show or hide gets, and the frame the overlay is sent,
// through the protocol's packing as the overlay unpacks it.
#include <gtest/gtest.h>

#include <limits>
#include <ostream>

#include "animation/box_route.h"
#include "box_overlay_protocol.h"

namespace vornal {

std::ostream& operator<<(std::ostream& out, const BoxRequest& b) {
  return out << "{" << b.left << ", " << b.top << ", " << b.width << "x" << b.height << ", "
             << (b.kind == BoxWindowKind::Popup ? "popup" : "titled") << "}";
}

namespace hooklib {
namespace {

const char* NameOf(AnimationChoice c) {
  switch (c) {
    case AnimationChoice::None: return "none";
    case AnimationChoice::Box: return "box";
    case AnimationChoice::AnimateWindow: return "AnimateWindow";
  }
  return "?";
}

TEST(BoxRoute, TheSystemsSwitchOffMeansNoAnimationOfAnyStyle) {
  const struct { bool systemOn; std::uint8_t style; bool haveAnimateWindow; AnimationChoice choice; }
      cases[] = {
          {true, 1, true, AnimationChoice::Box},         {true, 1, false, AnimationChoice::Box},
          {true, 7, true, AnimationChoice::AnimateWindow}, {true, 7, false, AnimationChoice::Box},
          {true, 2, true, AnimationChoice::AnimateWindow}, {true, 0, true, AnimationChoice::AnimateWindow},
          {false, 1, true, AnimationChoice::None},       {false, 7, true, AnimationChoice::None},
          {false, 7, false, AnimationChoice::None}};
  for (const auto& c : cases) {
    const AnimationChoice got = ChooseAnimation(c.systemOn, c.style, c.haveAnimateWindow);
    EXPECT_EQ(got, c.choice) << "system " << (c.systemOn ? "on" : "off") << ", style "
                             << int{c.style} << (c.haveAnimateWindow ? "" : ", no AnimateWindow")
                             << ": expected " << NameOf(c.choice) << ", got " << NameOf(got);
  }
}

TEST(BoxRoute, TheVisibleFrameWinsOverTheWindowRectangleAndSurvivesThePost) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  const WindowBox none{0, 0, 0, 0};
  const struct {
    const char* name;
    WindowBox rect;
    bool haveFrame;
    WindowBox frame;
    BoxWindowKind kind;
    BoxRequest sent;      // what the library works out
    BoxRequest received;  // what the overlay unpacks
  } cases[] = {
      {"rectangle alone", {100, 50, 580, 410}, false, none, BoxWindowKind::Titled,
       {100, 50, 480, 360, BoxWindowKind::Titled}, {100, 50, 480, 360, BoxWindowKind::Titled}},
      {"visible frame inside the invisible borders", {93, 50, 587, 417}, true, {100, 50, 580, 410},
       BoxWindowKind::Titled, {100, 50, 480, 360, BoxWindowKind::Titled},
       {100, 50, 480, 360, BoxWindowKind::Titled}},
      {"monitor left of and above the primary", {-1500, -300, -1020, 60}, true,
       {-1493, -300, -1027, 53}, BoxWindowKind::Popup, {-1493, -300, 466, 353, BoxWindowKind::Popup},
       {-1493, -300, 466, 353, BoxWindowKind::Popup}},
      {"empty frame counts as none", {-20, -10, 180, 140}, true, {5, 5, 5, 5},
       BoxWindowKind::Titled, {-20, -10, 200, 150, BoxWindowKind::Titled},
       {-20, -10, 200, 150, BoxWindowKind::Titled}},
      {"inverted frame counts as none", {0, 0, 30, 40}, true, {50, 50, 10, 10},
       BoxWindowKind::Popup, {0, 0, 30, 40, BoxWindowKind::Popup}, {0, 0, 30, 40, BoxWindowKind::Popup}},
      {"inverted rectangle", {300, 200, 100, 50}, false, none, BoxWindowKind::Titled,
       {100, 50, 200, 150, BoxWindowKind::Titled}, {100, 50, 200, 150, BoxWindowKind::Titled}},
      {"far ends clamp, never wrap", {kMin, kMin, kMax, kMax}, false, none, BoxWindowKind::Titled,
       {kMin, kMin, kMax, kMax, BoxWindowKind::Titled},
       {-32768, -32768, 32767, 32767, BoxWindowKind::Titled}},
  };
  for (const auto& c : cases) {
    const BoxRequest sent = OverlayFrame(c.rect, c.haveFrame ? &c.frame : nullptr, c.kind);
    EXPECT_EQ(sent, c.sent) << c.name;
    const PackedBox packed = PackBox(sent);
    EXPECT_EQ(UnpackBox(packed.wParam, packed.lParam), c.received) << c.name;
  }
}

}  // namespace
}  // namespace hooklib
}  // namespace vornal
