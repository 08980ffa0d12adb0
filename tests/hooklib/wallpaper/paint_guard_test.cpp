// The guard between painters and a settings reload on another thread, in
// the library's code linked into the test.
#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <thread>

#include "wallpaper/wallpaper_state.h"

namespace vornal::hooklib {
namespace {

TEST(PaintGuard, PaintersSkipDuringAReloadAndAReloadWaitsForThePaintersInside) {
  {
    const ReloadScope reload;
    ASSERT_TRUE(reload.Held());
    EXPECT_FALSE(PaintScope().Held()) << "a painter does not wait for a reload";
    EXPECT_FALSE(ReloadScope(false).Held()) << "one reload at a time";
  }
  std::optional<PaintScope> painter;
  painter.emplace();
  ASSERT_TRUE(painter->Held());
  std::atomic<bool> reloaded{false};
  std::thread reload([&] { reloaded = ReloadScope().Held(); });
  Sleep(200);
  EXPECT_FALSE(reloaded) << "the reload went ahead while a painter was copying tiles";
  painter.reset();
  reload.join();
  EXPECT_TRUE(reloaded);
  EXPECT_TRUE(PaintScope().Held()) << "painters go on after the reload";
}

}  // namespace
}  // namespace vornal::hooklib
