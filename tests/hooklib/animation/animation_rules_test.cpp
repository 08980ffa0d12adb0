// Which shows and hides are animated, how, and how often. What only a real
// window shows (pure shows, the limits at their bounds, the classes never
// animated) is in hooked_animation_test.cpp.
#include <gtest/gtest.h>

#include <cstring>

#include "animation/animate_window_flags.h"
#include "animation/repeat_rule.h"
#include "animation/show_rule.h"

namespace vornal::hooklib {
namespace {

// Numbers as the system documents them, not the library's constants.
constexpr std::uint32_t kSlide = 0x40000;
constexpr std::uint32_t kCaption = 0x00C00000, kBorder = 0x00800000, kPopup = 0x80000000;

AnimationOptions Defaults() { return AnimationOptionsFrom(DefaultSettings()); }

TEST(AnimateWindowFlags, DirectionsSlideOnlyWithTheSlideOptionOfTheirGroup) {
  AnimationOptions in = Defaults();  // both slide options on
  in.slideOut = false;
  const struct { std::uint8_t index; bool closing; std::uint32_t flags; } cases[] = {
      {1, false, 0},      {2, false, 0x80000}, {2, true, 0x80000}, {3, false, 0xA | kSlide},
      {4, false, 0x8 | kSlide}, {5, false, 0x9 | kSlide}, {6, false, 0x2 | kSlide},
      {7, false, 0x10},   {8, false, 0x1 | kSlide}, {9, false, 0x6 | kSlide},
      {10, false, 0x4 | kSlide}, {11, false, 0x5 | kSlide},
      {3, true, 0xA},     {8, true, 0x1},      {7, true, 0x10},
      {0, false, 0x10},   {12, false, 0x10},   {255, true, 0x10}};
  for (const auto& c : cases) {
    EXPECT_EQ(AnimateWindowFlags(c.index, c.closing, in), c.flags)
        << "index " << int{c.index} << (c.closing ? " closing" : " opening");
  }
  AnimationOptions out = Defaults();
  out.slideIn = false;
  EXPECT_EQ(AnimateWindowFlags(8, true, out), 0x1 | kSlide);
  EXPECT_EQ(AnimateWindowFlags(8, false, out), 0x1u);
}

TEST(RepeatRestriction, HoldsForItsWindowAcrossTheClocksWrap) {
  const struct { bool on; std::uint32_t last, now; bool allowed; } cases[] = {
      {false, 1000, 1000, true}, {true, 1000, 1000, false}, {true, 1000, 1250, false},
      {true, 1000, 1251, true},  {true, 1000, 999, true},
      {true, 0xFFFFFFF0u, 0x10, false}, {true, 0xFFFFFFF0u, 0xEA, false},
      {true, 0xFFFFFFF0u, 0xEB, true},  {true, 0xFFFFFF00u, 0x20, true}};
  for (const auto& c : cases) {
    EXPECT_EQ(RepeatAllows(c.on, 250, c.last, c.now), c.allowed) << c.last << " -> " << c.now;
  }
}

TEST(ShowRule, TitledSizesWrapAt65536AndPopupSizesDoNot) {
  const SizeLimits limits = Defaults().limits;  // 32..2048 by 32..1536
  const struct { WindowBox box; bool titled, popup; } cases[] = {
      {{0, 0, 32, 32}, true, true},        {{0, 0, 2048, 1536}, true, true},
      {{2048, 1536, 0, 0}, true, true},    {{0, 0, 31, 32}, false, false},
      {{0, 0, 32, 31}, false, false},      {{0, 0, 2049, 100}, false, false},
      {{0, 0, 100, 1537}, false, false},   {{-65500, 0, 136, 100}, true, false},
      {{0, 0, 65536 + 100, 100}, true, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(TitledSizeFits(limits, c.box), c.titled) << c.box.left << ".." << c.box.right;
    EXPECT_EQ(PopupSizeFits(limits, c.box), c.popup) << c.box.left << ".." << c.box.right;
  }
}

TEST(ShowRule, PopupsAnimateOnlyInTheirOwnRightAndNotForTheseClasses) {
  AnimationOptions popups = Defaults();
  EXPECT_FALSE(PopupsMayAnimate(popups)) << "popups off by default";
  popups.animatePopups = true;
  for (std::intptr_t status : {1, 2, 3, 4}) EXPECT_FALSE(ShownInOwnRight(status)) << status;
  EXPECT_TRUE(ShownInOwnRight(0));
  EXPECT_TRUE(PopupsMayAnimate(popups));
  popups.animateOpening = popups.animateClosing = false;
  EXPECT_FALSE(PopupsMayAnimate(popups));

  const struct { std::uint32_t style; const char* name; bool oldSystem, animates; } cases[] = {
      {kPopup, "ComboLBox", false, true},        {kPopup | kBorder, "ComboLBox", false, true},
      {kPopup | kCaption, "ComboLBox", false, false}, {kBorder, "ComboLBox", false, false},
      {kPopup, "tooltips_class32", true, false},  {kPopup, "DV2ControlHost", true, false},
      {kPopup, "Auto-Suggest Dropdown", true, false}, {kPopup, "#32768", false, false},
      {kPopup, "#32768", true, true}};
  for (const auto& c : cases) {
    char name[64];
    std::strcpy(name, c.name);
    UpperCaseAscii(name);
    EXPECT_EQ(IsCaptionlessPopup(c.style) && PopupClassMayAnimate(name, c.oldSystem), c.animates)
        << c.name;
  }
}

}  // namespace
}  // namespace vornal::hooklib
