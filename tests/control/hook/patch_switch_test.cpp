// The patch switch on its own, in the test's process: what each apply does
// with the real library's hook, per Windows family, and with a library that
// is not there.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "broadcast_counter.h"
#include "cross_process_names.h"
#include "hook/patch_switch.h"
#include "program_folder.h"

namespace vornal::test {
namespace {

struct ApplyStep {
  bool on;
  PatchProblem problem;
  bool running;
  int broadcasts;  // "Vornal_SettingsUpdated" seen during this apply
};

struct SwitchCase {
  const char* name;
  OsVersion os;
  const char* library;  // beside the tests
  std::vector<ApplyStep> steps;
};

const SwitchCase kCases[] = {
    {"NT family: on installs, on again reloads, off removes", {2, 6, 1}, "VornalLib.dll",
     {{true, PatchProblem::None, true, 0},
      {true, PatchProblem::None, true, 1},
      {false, PatchProblem::None, false, 0}}},
    {"9x family: on again reinstalls, with no broadcast", {1, 4, 10}, "VornalLib.dll",
     {{true, PatchProblem::None, true, 0}, {true, PatchProblem::None, true, 0}}},
    {"a missing library is a start problem at every on", {2, 6, 1}, "no-such-library.dll",
     {{true, PatchProblem::StartFailed, false, 0},
      {true, PatchProblem::StartFailed, false, 0},
      {false, PatchProblem::None, false, 0}}},
};

TEST(PatchSwitch, EachApplyDoesWhatTheSwitchAndTheFamilyAsk) {
  for (const SwitchCase& c : kCases) {
    SCOPED_TRACE(c.name);
    PatchSwitch patch({BesideThisProgram(c.library), "", ""}, c.os);
    int n = 0;
    for (const ApplyStep& step : c.steps) {
      SCOPED_TRACE(testing::Message() << "apply " << ++n << (step.on ? " on" : " off"));
      BroadcastCounter counter;
      EXPECT_EQ(patch.Apply(step.on, {}, {}), step.problem);
      EXPECT_EQ(patch.Running(), step.running);
      EXPECT_EQ(counter.Count(), step.broadcasts);
    }
    patch.SwitchOff();
    EXPECT_FALSE(patch.Running()) << "switched off at the end";
  }
}

TEST(PatchSwitch, TheBoxOverlayRunsWhileTheSwitchIsOn) {
  struct Step {
    const char* name;
    bool on;
    bool overlay;
  };
  const Step steps[] = {{"on", true, true}, {"on again", true, true}, {"off", false, false},
                        {"on after off", true, true}};
  PatchSwitch patch({BesideThisProgram("no-such-library.dll"), "", ""}, {2, 6, 1});
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    patch.Apply(step.on, {}, {});
    EXPECT_EQ(FindWindowA(kBoxOverlayClassName, nullptr) != nullptr, step.overlay);
  }
  patch.SwitchOff();
  EXPECT_EQ(FindWindowA(kBoxOverlayClassName, nullptr), nullptr) << "switched off at the end";
}

TEST(PatchSwitch, HooksGoToWantedThreadsOnlyAndNoneStaysAfterOffOrTheEnd) {
  // A top-level window makes this thread one the apply finds.
  const HWND window = CreateWindowA("STATIC", "hooked thread", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const ExclusionEntries none, thisProgram = {path};
  // Other programs of the desktop (Wine's explorer, say) are hooked too:
  // this one's threads are what the count gains and loses.
  enum Hooked { kOthersOnly, kOthersAndThisProgram, kNone };
  struct Step {
    const char* name;
    bool on;
    const ExclusionEntries& exclusions;
    Hooked hooked;
  };
  const Step steps[] = {
      {"excluded from the start", true, thisProgram, kOthersOnly},
      {"let in", true, none, kOthersAndThisProgram},
      {"excluded since", true, thisProgram, kOthersOnly},
      {"off", false, none, kNone},
      {"on after off", true, none, kOthersAndThisProgram},
  };
  PatchSwitch patch({BesideThisProgram("VornalLib.dll"), "", ""}, {2, 6, 1});
  std::size_t others = 0;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    ASSERT_EQ(patch.Apply(step.on, {}, step.exclusions), PatchProblem::None);
    const std::size_t hooked = patch.HookedThreads();
    if (step.hooked == kOthersOnly) others = hooked;
    if (step.hooked == kOthersAndThisProgram) {
      EXPECT_GT(hooked, others) << "this program's thread among them";
    } else {
      EXPECT_EQ(hooked, step.hooked == kNone ? 0 : others);
    }
  }
  patch.SwitchOff();
  EXPECT_EQ(patch.HookedThreads(), 0u) << "switched off at the end";
  DestroyWindow(window);
}

}  // namespace
}  // namespace vornal::test
