// Which animation a show or hide gets, and the frame the overlay is sent.
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

TEST(BoxRoute, TheVisibleFrameWinsOverTheWindowRectangle) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  const WindowBox none{0, 0, 0, 0};
  constexpr BoxWindowKind kTitled = BoxWindowKind::Titled, kPopup = BoxWindowKind::Popup;
  const struct {
    const char* name;
    WindowBox rect;
    bool haveFrame;
    WindowBox frame;
    BoxWindowKind kind;
    BoxRequest sent;
  } cases[] = {
      {"rectangle alone", {100, 50, 580, 410}, false, none, kTitled, {100, 50, 480, 360, kTitled}},
      {"visible frame inside the invisible borders", {93, 50, 587, 417}, true, {100, 50, 580, 410}, kTitled,
       {100, 50, 480, 360, kTitled}},
      {"monitor left of and above the primary", {-1500, -300, -1020, 60}, true, {-1493, -300, -1027, 53},
       kPopup, {-1493, -300, 466, 353, kPopup}},
      {"empty frame counts as none", {-20, -10, 180, 140}, true, {5, 5, 5, 5}, kTitled,
       {-20, -10, 200, 150, kTitled}},
      {"inverted frame counts as none", {0, 0, 30, 40}, true, {50, 50, 10, 10}, kPopup, {0, 0, 30, 40, kPopup}},
      {"inverted rectangle", {300, 200, 100, 50}, false, none, kTitled, {100, 50, 200, 150, kTitled}},
      {"far ends clamp, never wrap", {kMin, kMin, kMax, kMax}, false, none, kTitled,
       {kMin, kMin, kMax, kMax, kTitled}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OverlayFrame(c.rect, c.haveFrame ? &c.frame : nullptr, c.kind), c.sent) << c.name;
  }
}

}  // namespace
}  // namespace hooklib
}  // namespace vornal
