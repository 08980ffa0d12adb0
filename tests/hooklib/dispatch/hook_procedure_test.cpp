// The hook procedure as Windows calls it: what reaches the next hook, what
// it returns, what runs for which message and code, and what it leaves of
// the host thread's state.
#include <gtest/gtest.h>

#include "hook_chain.h"
#include "library_under_test.h"
#include "test_windows.h"
#include "vornal_settings_key.h"

namespace vornal::test {
namespace {

class HookProcedure : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsKey();
    Reload();
    ASSERT_TRUE(chain_.Installed());
  }

  HookChain chain_;
};

TEST_F(HookProcedure, NegativeCodesOnlyCallTheNextHookAndReturnItsResult) {
  TestWindow window = TestWindow::TopLevel(600, 400);

  const HookChain::Outcome moving = chain_.Call(-1, WM_MOVING, window.Handle(), 0x1234);
  ASSERT_TRUE(moving.hookRan);
  EXPECT_EQ(moving.result, HookChain::kNextHookResult);
  EXPECT_TRUE(moving.nextCalled);
  EXPECT_EQ(moving.nextCode, -1);
  EXPECT_EQ(moving.nextWParam, 0x1234u);
  EXPECT_EQ(moving.nextLParam, moving.record);
  EXPECT_FALSE(window.IsLayered()) << "no handler runs for a negative code";

  // Not even the settings reload runs.
  SetSettingsDword(ValueNameOf(Spin::DragOpacity), 90);
  const HookChain::Outcome update = chain_.Call(-2, SettingsUpdatedMessage(), nullptr);
  EXPECT_EQ(update.result, HookChain::kNextHookResult);
  EXPECT_TRUE(update.nextCalled);
  EXPECT_EQ(update.nextCode, -2);
  Deliver(WM_MOVING, window.Handle());
  EXPECT_EQ(window.Alpha(), 200) << "the settings were reloaded";
  Deliver(WM_EXITSIZEMOVE, window.Handle());
}

TEST_F(HookProcedure, OtherCodesReturnZeroWhateverTheNextHookReturns) {
  TestWindow window = TestWindow::TopLevel(600, 400);
  for (int code : {HC_ACTION, 1}) {
    for (UINT message : {static_cast<UINT>(WM_NULL), static_cast<UINT>(WM_SIZE),
                         SettingsUpdatedMessage(), static_cast<UINT>(WM_MOVING),
                         static_cast<UINT>(WM_EXITSIZEMOVE)}) {
      const HookChain::Outcome o = chain_.Call(code, message, window.Handle(), 77);
      ASSERT_TRUE(o.hookRan);
      EXPECT_EQ(o.result, 0) << "code " << code << ", message " << message;
      EXPECT_TRUE(o.nextCalled) << "code " << code << ", message " << message;
      EXPECT_EQ(o.nextCode, code);
      EXPECT_EQ(o.nextWParam, 77u);
      EXPECT_EQ(o.nextLParam, o.record);
    }
  }
  EXPECT_FALSE(window.IsLayered()) << "WM_EXITSIZEMOVE came last";
}

TEST_F(HookProcedure, VanishedOrBogusWindowsEndTheHandlerQuietly) {
  HWND destroyed = nullptr;
  {
    TestWindow gone = TestWindow::TopLevel(600, 400);
    destroyed = gone.Handle();
  }
  ASSERT_FALSE(IsWindow(destroyed));
  const HWND bogus = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFF0DE0));
  for (UINT message : {static_cast<UINT>(WM_MOVING), static_cast<UINT>(WM_EXITSIZEMOVE)}) {
    for (HWND target : {destroyed, bogus, static_cast<HWND>(nullptr)}) {
      const HookChain::Outcome o = chain_.Call(HC_ACTION, message, target);
      ASSERT_TRUE(o.hookRan);
      EXPECT_EQ(o.result, 0);
      EXPECT_TRUE(o.nextCalled) << "message " << message;
    }
  }
  // The process goes on, and dragging still works.
  TestWindow window = TestWindow::TopLevel(600, 400);
  Deliver(WM_MOVING, window.Handle());
  EXPECT_EQ(window.Alpha(), 200);
  Deliver(WM_EXITSIZEMOVE, window.Handle());
  EXPECT_FALSE(window.IsLayered());
}

TEST_F(HookProcedure, UnlistedMessagesReachNoHandler) {
  TestWindow window = TestWindow::TopLevel(600, 400);
  // Resizing (WM_SIZING) and the other messages of a move or size loop
  // that the library does not handle.
  for (UINT message : {WM_SIZING, WM_SIZE, WM_PAINT, WM_WINDOWPOSCHANGED, WM_ENTERSIZEMOVE,
                       WM_NCLBUTTONDOWN, WM_SYSCOMMAND}) {
    EXPECT_EQ(Deliver(message, window.Handle()), 0);
    EXPECT_FALSE(window.IsLayered()) << "message " << message;
  }
  Deliver(WM_MOVING, window.Handle());
  EXPECT_TRUE(window.IsLayered()) << "the same window qualifies when moved";
  Deliver(WM_EXITSIZEMOVE, window.Handle());
}

// Windows calls a hook in the installing thread for the programs of the
// other bitness, with their windows; the library copy of the installing
// process must leave those to the copy in their own process.
TEST_F(HookProcedure, TheInstallingProcessOnlyPassesOnWindowsOfOtherProcesses) {
  const HWND foreign = GetDesktopWindow();
  DWORD owner = 0;
  GetWindowThreadProcessId(foreign, &owner);
  ASSERT_NE(owner, GetCurrentProcessId()) << "the desktop window belongs to another process";
  TestWindow own = TestWindow::TopLevel(600, 400);
  struct InstalledHere {
    // CallNextHookEx ignores the handle; only whether one is set matters.
    InstalledHere() { Library().setup(reinterpret_cast<HHOOK>(static_cast<INT_PTR>(0x1000))); }
    ~InstalledHere() { Library().setup(nullptr); }
  } installedHere;

  SetSettingsDword(ValueNameOf(Spin::DragOpacity), 90);
  const HookChain::Outcome passed = chain_.Call(HC_ACTION, SettingsUpdatedMessage(), foreign);
  EXPECT_TRUE(passed.nextCalled);
  EXPECT_EQ(passed.result, 0);
  Deliver(WM_MOVING, own.Handle());
  EXPECT_EQ(own.Alpha(), 200) << "another process's window reloaded nothing here";
  Deliver(WM_EXITSIZEMOVE, own.Handle());

  Deliver(SettingsUpdatedMessage(), own.Handle());
  Deliver(WM_MOVING, own.Handle());
  EXPECT_EQ(own.Alpha(), 90) << "the process's own windows still get everything";
  Deliver(WM_EXITSIZEMOVE, own.Handle());
}

TEST(HostFloatingPoint, StartUpAndReloadLeaveTheControlWordAsTheHostHadIt) {
  EXPECT_EQ(ControlWordAfterFirstCall(), 0x027F) << "after the call that ran start-up";
  const unsigned short before = ReadControlWord();
  WriteControlWord(0x027F);
  Reload();
  const unsigned short afterReload = ReadControlWord();
  WriteControlWord(before);
  EXPECT_EQ(afterReload, 0x027F) << "after a reload";
}

}  // namespace
}  // namespace vornal::test
