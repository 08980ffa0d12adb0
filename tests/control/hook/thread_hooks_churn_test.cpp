// Hooks per thread under a churn of short program starts: the WinEvent of
// each program's very first window has to hook its thread before that
// window is shown, and what the hooks of the ended programs held (their
// entries, their handles) has to be given back.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "drag_target_protocol.h"
#include "handle_count.h"
#include "hook/hook_thread.h"
#include "option_catalogue.h"
#include "program_folder.h"
#include "stand_in_overlay.h"
#include "unique_handle.h"
#include "vornal_settings_key.h"

namespace vornal::test {
namespace {

// The 200 starts of the system tests count the handles of both programs;
// here fewer tell the share of openings and the threads forgotten.
constexpr int kStarts = 100;
// At least nine starts in ten have to be caught.
constexpr int kCaughtShare = 9, kOfEvery = 10;
// Two rounds of the hook thread's forgetting of ended threads (every 2 s)
// and some.
constexpr DWORD kForgetWaitMs = 5000;
constexpr DWORD kHelperLimitMs = 30000;
// Handles that Wine or the runtime may open on their own meanwhile.
constexpr DWORD kHandleSlack = 10;

// Waits for the object (or ms when there is none), taking in the overlay's
// posts as they arrive: the overlay's window belongs to this thread.
bool WaitPumping(StandInOverlay& overlay, HANDLE object, DWORD ms, std::vector<StandInOverlay::Post>& posts) {
  const DWORD start = GetTickCount();
  for (DWORD spent = 0; spent < ms; spent = GetTickCount() - start) {
    const DWORD woke = MsgWaitForMultipleObjects(object != nullptr ? 1 : 0, &object, FALSE, ms - spent, QS_ALLINPUT);
    for (const auto& post : overlay.Collect()) posts.push_back(post);
    if (object != nullptr && woke == WAIT_OBJECT_0) return true;
  }
  return object == nullptr;
}

class ThreadHooksChurn : public ::testing::Test {
 protected:
  // The box is the overlay's to play, so its length costs the helpers
  // nothing; closing is left out so that only openings are posted.
  void SetUp() override {
    // Wine waits up to two seconds for a window manager to let go of each
    // managed window it hides, and the test display has none; unmanaged,
    // the helper's window is the same to the hook and a start is quick.
    RegSetKeyValueA(HKEY_CURRENT_USER, kHelperX11Settings, "Managed", REG_SZ, "N", 2);
    ResetSettingsKey();
    SetSettingsDword(ValueNameOf(Spin::OpenDuration), 20);
    SetSettingsDword(ValueNameOf(Check::WindowsClosing), 0);
  }
  void TearDown() override {
    DeleteSettingsKey();
    RegDeleteTreeA(HKEY_CURRENT_USER, kHelperWineSettings);
  }
  static constexpr char kHelperWineSettings[] = "Software\\Wine\\AppDefaults\\vornal_drag_target.exe";
  static constexpr char kHelperX11Settings[] = "Software\\Wine\\AppDefaults\\vornal_drag_target.exe\\X11 Driver";
};

TEST_F(ThreadHooksChurn, EachShortProgramsFirstWindowOpensAnimatedAndEndedThreadsAreForgotten) {
  StandInOverlay overlay;
  ASSERT_TRUE(overlay.Exists());
  HookThread hooks(BesideThisProgram("VornalLib.dll"));
  ASSERT_TRUE(hooks.Install({}));
  std::vector<StandInOverlay::Post> posts;
  WaitPumping(overlay, nullptr, kForgetWaitMs, posts);
  const std::size_t threadsBefore = hooks.HookedThreads();
  const DWORD handlesBefore = HandleCountOf(GetCurrentProcessId());
  ASSERT_NE(handlesBefore, 0u) << "this process's handles cannot be counted";

  std::string command(1, '"');
  command.append(BesideThisProgram("vornal_drag_target.exe")).append("\" ").append(kFirstWindowArgument);
  const StandInOverlay::Post firstWindow{false, {kFirstWindowLeft, kFirstWindowTop, kFirstWindowWidth,
                                                 kFirstWindowHeight, BoxWindowKind::Titled}};
  int caught = 0;
  std::vector<StandInOverlay::Post> others;
  const DWORD start = GetTickCount();
  for (int i = 0; i < kStarts; ++i) {
    std::string line = command;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &started))
        << "start " << i << ": " << GetLastError();
    const ProcessHandles helper(started);
    posts.clear();
    ASSERT_TRUE(WaitPumping(overlay, helper.process.Get(), kHelperLimitMs, posts)) << "start " << i << " did not end";
    // Its posts were made before it ended, so they are all queued by now.
    WaitPumping(overlay, nullptr, 0, posts);
    bool seen = false;
    for (const auto& post : posts) {
      if (post == firstWindow) {
        seen = true;
      } else if (others.size() < 3) {
        others.push_back(post);
      }
    }
    caught += seen ? 1 : 0;
  }
  const double seconds = (GetTickCount() - start) / 1000.0;

  WaitPumping(overlay, nullptr, kForgetWaitMs, posts);
  const std::size_t threadsAfter = hooks.HookedThreads();
  const DWORD handlesAfter = HandleCountOf(GetCurrentProcessId());
  std::printf("thread hooks churn: %d starts, %d openings seen (%.1f%%), hooked threads %zu before / %zu after, "
              "handles %lu before / %lu after, %.1f s, %.0f ms per start\n",
              kStarts, caught, 100.0 * caught / kStarts, threadsBefore, threadsAfter, handlesBefore, handlesAfter,
              seconds, 1000.0 * seconds / kStarts);
  for (const auto& post : others) std::printf("  another post: %s\n", testing::PrintToString(post).c_str());

  EXPECT_EQ(threadsAfter, threadsBefore) << "hooked threads: expected " << threadsBefore << ", found " << threadsAfter;
  EXPECT_LE(handlesAfter, handlesBefore + kHandleSlack)
      << "handles: expected at most " << handlesBefore + kHandleSlack << ", found " << handlesAfter;
  EXPECT_GE(caught * kOfEvery, kStarts * kCaughtShare)
      << "openings seen: expected at least " << kStarts * kCaughtShare / kOfEvery << " of " << kStarts
      << ", found " << caught;
  EXPECT_TRUE(hooks.Remove());
}

}  // namespace
}  // namespace vornal::test
