// The open and close animation and the shadows as the installed library
// plays them in the hooked helper (animation_target_protocol.h).
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "animation_target_protocol.h"
#include "box_overlay_protocol.h"
#include "cross_process_names.h"
#include "drag_target_process.h"
#include "installed_hook.h"
#include "screen_pixels.h"
#include "stand_in_overlay.h"
#include "vornal_settings_key.h"

namespace vornal::test {
namespace {

class HookedAnimation : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsKey();
    ASSERT_TRUE(target_.Ready());
    ASSERT_TRUE(hook_.Installed());
    // Boxes end at once; no closing.
    Apply({{ValueNameOf(Spin::OpenDuration), 0}, {ValueNameOf(Check::WindowsClosing), 0}});
  }
  void TearDown() override { DeleteSettingsKey(); }

  void Apply(std::initializer_list<std::pair<ValueName, std::uint32_t>> values) {
    for (const auto& [name, value] : values) SetSettingsDword(name, value);
    target_.Send(RegisterWindowMessageA(kSettingsUpdatedMessage));
  }
  // Boxes played: each takes one screen DC to draw and one to erase.
  LRESULT Boxes(WPARAM what, int width = 200, int height = 150) {
    return target_.Send(kShowTest, what, MAKELPARAM(width, height)) / 2;
  }

  DragTargetProcess target_;
  InstalledHook hook_;
};

TEST_F(HookedAnimation, ShowsAnimateOnceWhenPureAndWithinTheLimits) {
  Apply({{ValueNameOf(Spin::AnimationMinWidth), 100}, {ValueNameOf(Spin::AnimationMinHeight), 80},
         {ValueNameOf(Spin::AnimationMaxWidth), 400}, {ValueNameOf(Spin::AnimationMaxHeight), 300}});
  const struct { bool popups; WPARAM what; int width, height; LRESULT boxes; } cases[] = {
      {false, kTitled, 200, 150, 1}, {false, kTitled | kMovingShow, 200, 150, 0},
      {false, kTitled | kSizingShow, 200, 150, 0},
      {false, kTitled, 100, 80, 1},  {false, kTitled, 99, 80, 0},   {false, kTitled, 100, 79, 0},
      {false, kTitled, 400, 300, 1}, {false, kTitled, 401, 300, 0}, {false, kTitled, 400, 301, 0},
      {false, kPopup, 200, 150, 0},  {true, kPopup, 200, 150, 1},   {true, kTitled, 200, 150, 1},
      {true, kPopup, 100, 80, 1},    {true, kPopup, 99, 80, 0},     {true, kPopup, 400, 301, 0},
      {true, kTooltip, 200, 150, 0}, {true, kAutoSuggest, 200, 150, 0}};
  for (const auto& c : cases) {
    if (c.popups) Apply({{ValueNameOf(Check::Popups), 1}});
    EXPECT_EQ(Boxes(c.what, c.width, c.height), c.boxes)
        << "kind " << c.what << ", " << c.width << "x" << c.height << (c.popups ? ", popups" : "");
  }
}

TEST_F(HookedAnimation, ABurstUnderTheRepeatRestrictionAnimatesItsFirstWindowOnly) {
  EXPECT_EQ(target_.Send(kBurst, 3) / 2, 3) << "without the restriction";
  Apply({{ValueNameOf(Check::RepeatLimited), 1}});  // 250 ms
  EXPECT_EQ(target_.Send(kBurst, 3) / 2, 1);
}

// The screen under the played box as 0x00RRGGBB values, row by row.
std::vector<std::uint32_t> Capture() { return ScreenPixels(kBoxLeft, kBoxTop, kBoxWidth, kBoxHeight); }

// One whole outline centred on the window: the inverted pixels span a box
// centred to half a pixel, inverted at its corners and not in its middle.
bool ShowsCentredOutline(const std::vector<std::uint32_t>& before,
                         const std::vector<std::uint32_t>& now) {
  const auto inverted = [&](int x, int y) {
    const auto i = static_cast<std::size_t>(y * kBoxWidth + x);
    return now[i] == (before[i] ^ 0x00FFFFFFu);
  };
  int left = kBoxWidth, top = kBoxHeight, right = -1, bottom = -1;
  for (int y = 0; y < kBoxHeight; ++y) {
    for (int x = 0; x < kBoxWidth; ++x) {
      if (inverted(x, y)) left = std::min(left, x), right = std::max(right, x),
                          top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  return right - left > 13 && bottom - top > 13 && std::abs(left + right + 1 - kBoxWidth) <= 1 &&
         std::abs(top + bottom + 1 - kBoxHeight) <= 1 && inverted(left, top) &&
         inverted(right, bottom) && !inverted((left + right) / 2, (top + bottom) / 2);
}

TEST_F(HookedAnimation, TheBoxPlaysOnTheScreenAndLeavesItAsItWas) {
  Apply({{ValueNameOf(Spin::OpenDuration), 400}});
  const std::vector<std::uint32_t> before = Capture();
  std::atomic<bool> done{false};
  LRESULT screenDCs = 0;
  std::thread player([&] {
    screenDCs = target_.Send(kPlayBox);
    done = true;
  });
  int captures = 0, outlines = 0;
  for (; !done; ++captures) outlines += ShowsCentredOutline(before, Capture()) ? 1 : 0;
  player.join();
  EXPECT_GT(screenDCs, 100) << "a box every few milliseconds";
  EXPECT_GT(outlines, 0) << "of " << captures << " captures";
  EXPECT_TRUE(Capture() == before) << "the screen differs after the box";
}

TEST_F(HookedAnimation, BlocksTheThreadThatOwnsTheWindowForTheSetDurationOnly) {
  Apply({{ValueNameOf(Spin::OpenDuration), 500}});
  const HWND second = FindWindowA(kSecondThreadClass, nullptr);
  ASSERT_NE(second, nullptr);
  LRESULT took = 0;
  std::thread shower([&] { took = target_.Send(kTimedShow); });
  DWORD_PTR inShow = 0;
  for (const DWORD end = GetTickCount() + 20000; inShow != 1 && GetTickCount() < end;) {
    SendMessageTimeoutA(second, kInShow, 0, 0, SMTO_NORMAL, 5000, &inShow);
  }
  shower.join();
  EXPECT_EQ(inShow, 1u) << "the helper's other thread answers while the window animates";
  EXPECT_GE(took, 500);
}

TEST_F(HookedAnimation, WithAnOverlayEachShowAndCloseIsPostedAndNothingDrawnUntilItIsGone) {
  Apply({{ValueNameOf(Spin::OpenDuration), 200}, {ValueNameOf(Spin::CloseDuration), 200},
         {ValueNameOf(Check::WindowsClosing), 1}, {ValueNameOf(Check::Popups), 1}});
  using Post = StandInOverlay::Post;
  {
    StandInOverlay overlay;
    // DestroyWindow hides a popup without WM_SHOWWINDOW, so a popup has
    // its opening box only, as it always had.
    const struct { const char* name; WPARAM what; BoxWindowKind kind; bool closingBox; } cases[] = {
        {"titled", kTitled, BoxWindowKind::Titled, true}, {"popup", kPopup, BoxWindowKind::Popup, false}};
    for (const auto& c : cases) {
      const BoxRequest frame{kBoxLeft, kBoxTop, 200, 150, c.kind};
      std::vector<Post> expected{{false, frame}};
      if (c.closingBox) expected.push_back({true, frame});
      EXPECT_EQ(Boxes(c.what), 0) << c.name << ": nothing drawn in the helper";
      EXPECT_EQ(overlay.Collect(), expected) << c.name << ": shown, then destroyed";
    }
  }
  // The control program gone: the box plays in the helper again.
  Apply({{ValueNameOf(Spin::OpenDuration), 0}, {ValueNameOf(Spin::CloseDuration), 0}});
  EXPECT_EQ(Boxes(kTitled), 2) << "opening and closing box in-process";
  StandInOverlay restarted;
  EXPECT_EQ(Boxes(kTitled), 0) << "the restarted overlay takes the boxes again";
  EXPECT_EQ(restarted.Collect().size(), 2u);
}

TEST_F(HookedAnimation, WhileWindowsOwnAnimationsAreOffNothingIsPostedOrDrawn) {
  Apply({{ValueNameOf(Check::WindowsClosing), 1}, {ValueNameOf(Spin::CloseDuration), 0},
         {ValueNameOf(Check::Popups), 1}});
  ASSERT_EQ(target_.Send(kSystemAnimations, FALSE), TRUE);
  std::unique_ptr<StandInOverlay> overlay;
  const struct { const char* name; bool withOverlay; bool reload; } cases[] = {
      {"no overlay, told by WM_SETTINGCHANGE", false, false}, {"no overlay, settings reloaded", false, true},
      {"overlay", true, false}};
  for (const auto& c : cases) {
    if (c.withOverlay) overlay = std::make_unique<StandInOverlay>();
    if (c.reload) Apply({});
    EXPECT_EQ(Boxes(kTitled), 0) << c.name << ", titled";
    EXPECT_EQ(Boxes(kPopup), 0) << c.name << ", popup";
    if (overlay) {
      EXPECT_TRUE(overlay->Collect().empty()) << c.name;
    }
  }
  overlay.reset();
  target_.Send(kSystemAnimations, TRUE);
  EXPECT_EQ(Boxes(kTitled), 2) << "animations back on";
}

TEST_F(HookedAnimation, ShadowsGoToTheDialogClassOrEveryTitledClassWhileOpeningIsAnimated) {
  Apply({{ValueNameOf(Check::WindowShadows), 1}, {ValueNameOf(Check::WindowsOpening), 0}});
  Boxes(kTitled);
  EXPECT_EQ(target_.Send(kMessageBox, 1), 0) << "opening not animated";
  Apply({{ValueNameOf(Check::WindowsOpening), 1}});
  Boxes(kTitled);
  EXPECT_EQ(target_.Send(kMessageBox, 1), 1) << "dialog boxes only";
  Apply({{ValueNameOf(Radio::ShadowDialogsOnly), 0}});
  Boxes(kTitled);
  EXPECT_EQ(target_.Send(kMessageBox, 0), 3) << "every window with a title bar";
}

}  // namespace
}  // namespace vornal::test
