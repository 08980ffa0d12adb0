// Which threads get the hook of this bitness at an apply.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "thread_hook_plan.h"

namespace vornal {
namespace {

using Ids = std::vector<std::uint32_t>;

TEST(ThreadHookPlan, OnlyWantedThreadsOfThisBitnessAreHookedAndTheNewlyExcludedUnhooked) {
  const ExclusionEntries exclusions = {"notepad.exe", "?:\\games\\*", "*\\steamapps\\common\\*"};
  const std::vector<GuiThread> seen = {
      {10, 1, true, "C:\\Windows\\regedit.exe"},
      {11, 1, true, "C:\\Windows\\regedit.exe"},             // a second thread of the same program
      {20, 2, true, "C:\\Windows\\NOTEPAD.EXE"},              // excluded by name
      {30, 3, true, "D:\\Games\\Quake\\quake.exe"},           // by a folder on any drive
      {40, 4, true, "E:\\Lib\\steamapps\\common\\x\\x.exe"},  // by a Steam library anywhere
      {50, 5, false, "C:\\Tools\\tool32.exe"},                // the other bitness
      {60, 6, true, ""},                                      // path unreadable (elevated)
      {70, 7, true, "C:\\Tools\\editor.exe"},                 // hooked already
      {80, 8, true, "C:\\Windows\\notepad.exe"},              // hooked, excluded since
      {10, 1, true, "C:\\Windows\\regedit.exe"},              // seen twice
  };
  const Ids hooked = {70, 80, 99};  // 99: not seen, keeps its hook
  const ThreadHookPlan plan = PlanThreadHooks(seen, hooked, exclusions);
  EXPECT_EQ(plan.hook, (Ids{10, 11}));
  EXPECT_EQ(plan.unhook, (Ids{80}));
}

TEST(ThreadHookPlan, WithNoExclusionsEveryReadableThreadOfThisBitnessIsHooked) {
  const std::vector<GuiThread> seen = {{1, 1, true, "C:\\a.exe"}, {2, 2, false, "C:\\b.exe"}, {0, 3, true, "C:\\c.exe"}};
  const ThreadHookPlan plan = PlanThreadHooks(seen, {}, {});
  EXPECT_EQ(plan.hook, (Ids{1})) << "thread 0 is no thread";
  EXPECT_TRUE(plan.unhook.empty());
}

}  // namespace
}  // namespace vornal
