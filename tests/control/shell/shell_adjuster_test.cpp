// The shell adjuster on its own, in the test's process, against the
// stand-in shell in another: what it changes, what its timers keep in
// force, and what it puts back.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "program_under_test.h"
#include "shell/shell_adjuster.h"
#include "stand_in_shell.h"

namespace vornal::test {
namespace {

constexpr COLORREF kChosen = RGB(1, 2, 3);

ShellOptions IconTextClear() {
  ShellOptions o;
  o.iconTextClear = true;
  o.iconTextRecheck = true;
  o.iconTextInterval = 50;
  o.iconTextColour = kChosen;
  return o;
}

TEST(ShellAdjuster, KeepsItsChangesInForceAndPutsBackWhatTheShellShowed) {
  StandInShell shell;
  ASSERT_TRUE(shell.Ready());
  const COLORREF workspace = GetSysColor(COLOR_APPWORKSPACE);
  ShellAdjuster adjuster;
  adjuster.NoteShellAtStart();
  ASSERT_EQ(adjuster.Windows().taskbar, shell.Taskbar());

  ShellOptions options = IconTextClear();
  options.startCaptionMode = StartCaptionMode::Custom;
  options.startText = "Hi";
  options.systemColours = true;
  options.mdiBackground = workspace ^ 0x00102030;
  options.desktop = GetSysColor(COLOR_BACKGROUND);
  adjuster.Apply(options);
  adjuster.SetTaskbarAlpha(true, 120);
  EXPECT_TRUE(shell.IconColoursAre(CLR_NONE, kChosen));
  EXPECT_EQ(WindowText(shell.StartButton()), "Hi");
  EXPECT_EQ(GetSysColor(COLOR_APPWORKSPACE), options.mdiBackground);
  EXPECT_EQ(shell.TaskbarAlpha(), 120);

  shell.Send(kResetIconColours);
  EXPECT_TRUE(WaitFor([&] { return shell.IconColoursAre(CLR_NONE, kChosen); }))
      << "the adjuster's own timer repairs what the shell put back";

  adjuster.Restore();
  EXPECT_TRUE(shell.IconColoursAre(GetSysColor(COLOR_BACKGROUND), kShellIconTextColour));
  EXPECT_EQ(shell.TaskbarAlpha(), -1);
  EXPECT_EQ(GetSysColor(COLOR_APPWORKSPACE), workspace);
}

TEST(ShellAdjuster, AShellThatComesUpLaterGetsItsOwnCaptionColourBack) {
  ShellAdjuster adjuster;
  adjuster.NoteShellAtStart();
  ASSERT_EQ(adjuster.Windows().desktopListView, nullptr) << "this session has no shell of its own";
  StandInShell shell;
  ASSERT_TRUE(shell.Ready());

  adjuster.Apply(IconTextClear());
  EXPECT_TRUE(shell.IconColoursAre(CLR_NONE, kChosen));
  adjuster.Apply(ShellOptions{});
  EXPECT_TRUE(shell.IconColoursAre(GetSysColor(COLOR_BACKGROUND), kShellIconTextColour))
      << "caption colour " << std::hex << shell.IconColour(LVM_GETTEXTCOLOR);
  EXPECT_EQ(adjuster.Saved().startCaption, kShellStartCaption);
}

TEST(ShellAdjuster, FindsTheIconViewUnderWorkerW) {
  StandInShell shell(kWorkerWMode);
  ASSERT_NE(shell.IconView(), nullptr);
  ShellAdjuster adjuster;
  adjuster.NoteShellAtStart();
  adjuster.Apply(IconTextClear());
  EXPECT_EQ(adjuster.Windows().desktopListView, shell.IconView());
  EXPECT_TRUE(shell.IconColoursAre(CLR_NONE, kChosen))
      << "caption colour " << std::hex << shell.IconColour(LVM_GETTEXTCOLOR);
}

}  // namespace
}  // namespace vornal::test
