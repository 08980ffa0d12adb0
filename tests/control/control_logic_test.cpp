// Platform-free rules of the control program: version flags, what applying
// does with the hook, tray texts, spin edit values, Start captions.
#include <gtest/gtest.h>

#include "hook/hook_plan.h"
#include "hook/hook_reach.h"
#include "host_protocol.h"
#include "os_version.h"
#include "resources/resource_ids.h"
#include "form/spin_edits.h"
#include "shell/start_caption.h"
#include "tray/tray_status.h"

namespace vornal {
namespace {

TEST(OsVersionFlags, FollowThePlatformAndVersion) {
  struct Case {
    OsVersion v;
    bool xp, w98or2k, nine, startCaption;
  };
  const Case cases[] = {
      {{1, 4, 0}, false, false, true, true},     // 95
      {{1, 4, 10}, false, true, true, true},     // 98
      {{1, 4, 90}, false, true, true, true},     // Me
      {{2, 4, 0}, false, false, false, true},    // NT 4.0
      {{2, 5, 0}, false, true, false, true},     // 2000
      {{2, 5, 1}, true, true, false, true},      // XP
      {{2, 5, 2}, true, true, false, true},      // Server 2003
      {{2, 6, 0}, true, true, false, false},     // Vista: an orb, no caption
      {{2, 6, 1}, true, true, false, false},     // 7, what Wine reports
      {{2, 10, 0}, true, true, false, false},    // 10 and 11
      {{3, 6, 0}, false, false, false, false},   // some other platform
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.v.platformId << " " << c.v.major << "." << c.v.minor);
    EXPECT_EQ(OsXPOrLater(c.v), c.xp);
    EXPECT_EQ(Os98Or2000OrLater(c.v), c.w98or2k);
    EXPECT_EQ(Is9xFamily(c.v), c.nine);
    EXPECT_EQ(StartCaptionDrawn(c.v), c.startCaption);
  }
}

TEST(HookPlan, CoversEverySwitchAndState) {
  EXPECT_EQ(PlanHookAction(true, true, false), HookAction::BroadcastReload);
  EXPECT_EQ(PlanHookAction(true, true, true), HookAction::Reinstall);
  EXPECT_EQ(PlanHookAction(true, false, false), HookAction::Install);
  EXPECT_EQ(PlanHookAction(true, false, true), HookAction::Install);
  EXPECT_EQ(PlanHookAction(false, true, false), HookAction::Remove);
  EXPECT_EQ(PlanHookAction(false, true, true), HookAction::Remove);
  EXPECT_EQ(PlanHookAction(false, false, false), HookAction::Nothing);
  EXPECT_EQ(PlanHookAction(false, false, true), HookAction::Nothing);
}

TEST(HookReach, AHostThatCannotBeCreatedFailsOnlyWhere32BitProgramsRun) {
  struct Case {
    unsigned long error;
    bool runs32Bit;
    OtherBitness expected;
  };
  const Case cases[] = {
      {2, true, OtherBitness::Failed},        // the host's file is missing
      {5, true, OtherBitness::Failed},        // access denied
      {193, true, OtherBitness::Unsupported},  // bad image format: no 32-bit subsystem
      {216, true, OtherBitness::Unsupported},  // machine type refused
      {2, false, OtherBitness::Unsupported},   // no WOW64: nothing to reach, nothing to report
      {1359, false, OtherBitness::Unsupported},  // what a 64-bit-only Wine answers
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UncreatedHost(c.error, c.runs32Bit), c.expected)
        << "error " << c.error << ", 32-bit programs " << c.runs32Bit;
  }
}

TEST(HookReach, AHostThatEndsBeforeItIsReadyFailsIfItRanOrWhere32BitProgramsRun) {
  struct Case {
    unsigned long exitCode;
    bool runs32Bit;
    OtherBitness expected;
  };
  const Case cases[] = {
      {0, false, OtherBitness::Unsupported},           // a 64-bit-only Wine ends it unrun
      {0xC0000135, false, OtherBitness::Unsupported},  // a loader's status code
      {0, true, OtherBitness::Failed},
      {0xC0000135, true, OtherBitness::Failed},
      {kHostBadArguments, false, OtherBitness::Failed},  // its own code: it ran
      {kHostLibraryFailed, false, OtherBitness::Failed},
      {kHostAlreadyRunning, false, OtherBitness::Failed},
      {kHostUnhookFailed, false, OtherBitness::Failed},
      {kHostLibraryFailed, true, OtherBitness::Failed},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EndedHost(c.exitCode, c.runs32Bit), c.expected)
        << "exit code " << c.exitCode << ", 32-bit programs " << c.runs32Bit;
  }
}

TEST(HookReach, TheStatusLineSaysWhichProgramsThePatchReaches) {
  struct Case {
    bool ownRunning;
    OtherBitness other;
    const char* text;
  };
  const Case cases[] = {
      {false, OtherBitness::None, ""},
      {false, OtherBitness::Failed, ""},
      {false, OtherBitness::Unsupported, ""},
      {true, OtherBitness::None, ""},
      {true, OtherBitness::Running, "For 64-bit and 32-bit programs."},
      {true, OtherBitness::Unsupported, "For 64-bit programs; this system runs no 32-bit ones."},
      {true, OtherBitness::Failed, "Not for 32-bit programs: VornalHost32.exe failed."},
      {false, OtherBitness::Running, "Only for 32-bit programs: VornalLib.dll failed."},
      {true, OtherBitness::Unserved, "Not for 64-bit programs: use the 64-bit edition."},
      {false, OtherBitness::Unserved, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReachText(c.ownRunning, c.other), c.text)
        << "own " << c.ownRunning << ", other " << static_cast<int>(c.other);
  }
}

TEST(TrayStatus, TipsAreTheTitleAndTheStateSuffix) {
  EXPECT_EQ(TrayTip("Vornal", TrayStatus::StartingUp), "Vornal - Starting Up...");
  EXPECT_EQ(TrayTip("Vornal", TrayStatus::PleaseWait), "Vornal - Please Wait!");
  EXPECT_EQ(TrayTip("Vornal", TrayStatus::PatchRunning), "Vornal - Global Window Patches Running");
  EXPECT_EQ(TrayTip("Vornal", TrayStatus::PatchNotRunning),
            "Vornal - Global Window Patches Not Running");
  EXPECT_EQ(TrayTip("Vornal", TrayStatus::PatchNotRunning).size(), 42u);
  EXPECT_EQ(TrayTip(std::string(70, 'T'), TrayStatus::PleaseWait).size(), 63u)
      << "a tip never overflows the 64-character field";
  EXPECT_EQ(TrayIconId(TrayStatus::StartingUp), IDI_ImageClock);
  EXPECT_EQ(TrayIconId(TrayStatus::PleaseWait), IDI_ImageClock);
  EXPECT_EQ(TrayIconId(TrayStatus::PatchRunning), IDI_FormMain);
  EXPECT_EQ(TrayIconId(TrayStatus::PatchNotRunning), IDI_ImageNo);
  EXPECT_STREQ(PatchStatusText(true), "Patch is running.");
  EXPECT_STREQ(PatchStatusText(false), "Patch is not running.");
}

TEST(SpinEdits, ValuesKeepToTheirBounds) {
  const SpinEditBounds& thickness = SpinEditFor(1);
  EXPECT_EQ(thickness.id, IDC_SpinEdit1);
  EXPECT_EQ(SpinEditValue("6", thickness), 6);
  EXPECT_EQ(SpinEditValue("0", thickness), 1);
  EXPECT_EQ(SpinEditValue("99999", thickness), 65535);
  EXPECT_EQ(SpinEditValue("", thickness), 1) << "bad text gives the minimum";
  EXPECT_EQ(SpinEditValue("12a", thickness), 1);
  EXPECT_EQ(SpinEditValue(" 12", thickness), 1);

  const SpinEditBounds& alpha = SpinEditFor(13);
  EXPECT_EQ(alpha.maxValue, 255);
  EXPECT_EQ(alpha.digits, 3);
  EXPECT_EQ(SpinEditValue("300", alpha), 255);
  EXPECT_EQ(SpinEditValue("0", alpha), 0);
  EXPECT_EQ(SpinEditFor(14).maxValue, 255);

  const SpinEditBounds& unbounded = SpinEditFor(15);
  EXPECT_FALSE(unbounded.Bounded());
  EXPECT_EQ(unbounded.digits, 0);
  EXPECT_EQ(SpinEditValue("70000", unbounded), 70000);
  EXPECT_EQ(SpinEditValue("-5", unbounded), -5);
  EXPECT_EQ(SpinEditValue("x", unbounded), 0);

  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 16}) {
    EXPECT_EQ(SpinEditFor(n).minValue, 1) << n;
    EXPECT_EQ(SpinEditFor(n).maxValue, 65535) << n;
    EXPECT_EQ(SpinEditFor(n).digits, 5) << n;
  }
}

TEST(StartCaption, FreeMemoryInItsShortForm) {
  const auto mb = [](double m) { return static_cast<std::uint64_t>(m * 1048576.0); };
  bool useSaved = true;
  EXPECT_EQ(FreeMemoryCaption(mb(700.9), '.', useSaved), "700");
  EXPECT_FALSE(useSaved);
  EXPECT_EQ(FreeMemoryCaption(mb(0.5), '.', useSaved), "0");
  EXPECT_EQ(FreeMemoryCaption(mb(999.99), '.', useSaved), "999");
  EXPECT_EQ(FreeMemoryCaption(mb(1536), '.', useSaved), "1.50");
  EXPECT_EQ(FreeMemoryCaption(mb(1536), ',', useSaved), "1,50");
  EXPECT_EQ(FreeMemoryCaption(mb(3071.9), '.', useSaved), "3.00");
  EXPECT_EQ(FreeMemoryCaption(0xFFFFFFFFu, '.', useSaved), "4.00");
  EXPECT_FALSE(useSaved);
  // Beyond 4 GB, as today's machines have it.
  const std::uint64_t gb = 1024ull * 1048576ull;
  EXPECT_EQ(FreeMemoryCaption(8 * gb, '.', useSaved), "8.00");
  EXPECT_EQ(FreeMemoryCaption(16 * gb, '.', useSaved), "16.0");
  EXPECT_EQ(FreeMemoryCaption(97 * gb + 512 * 1048576ull, ',', useSaved), "97,5");
  EXPECT_FALSE(useSaved);
  EXPECT_EQ(FreeMemoryCaption(100 * gb, '.', useSaved), "");
  EXPECT_TRUE(useSaved) << "six digits of megabytes show the saved caption";
}

}  // namespace
}  // namespace vornal
