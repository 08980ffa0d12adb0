// The library installed the way the control program installs it: loaded by
// its full path, hooked into every thread of the desktop, handed its hook
// handle. Its effect has to show in another GUI process, and stop there
// once the hook is removed.
#include <gtest/gtest.h>

#include <windows.h>

#include "cross_process_names.h"
#include "drag_target_process.h"
#include "installed_hook.h"
#include "vornal_settings_key.h"

namespace vornal::test {
namespace {

const LRESULT kOpaque = EncodeDragState(false, -1);

class GlobalHook : public ::testing::Test {
 protected:
  void SetUp() override { ResetSettingsKey(); }  // transparent dragging on
  void TearDown() override { DeleteSettingsKey(); }
};

TEST_F(GlobalHook, DragsTransparentlyInAnotherProcessOnlyWhileInstalled) {
  DragTargetProcess target;
  ASSERT_TRUE(target.Ready());
  EXPECT_EQ(target.BeginDrag(1024, 512), kOpaque) << "before the hook";
  EXPECT_EQ(target.EndDrag(), kOpaque);
  EXPECT_EQ(target.Send(kLibraryMapped), 0);

  InstalledHook hook;
  ASSERT_TRUE(hook.Installed());
  EXPECT_EQ(target.BeginDrag(1024, 512), EncodeDragState(true, 200));
  EXPECT_EQ(target.EndDrag(), kOpaque);
  EXPECT_EQ(target.Send(kLibraryMapped), 1);
  EXPECT_EQ(target.BeginDrag(1025, 512), kOpaque) << "too wide";
  EXPECT_EQ(target.EndDrag(), kOpaque);

  ASSERT_TRUE(hook.Remove());
  // Wine may keep the library mapped after the unhook; what matters is
  // that it no longer acts.
  EXPECT_EQ(target.BeginDrag(1024, 512), kOpaque) << "after the hook was removed";
  EXPECT_EQ(target.EndDrag(), kOpaque);
}

TEST_F(GlobalHook, TheSettingsUpdatedMessageReloadsAnotherProcess) {
  DragTargetProcess target;
  ASSERT_TRUE(target.Ready());
  InstalledHook hook;
  ASSERT_TRUE(hook.Installed());
  const UINT updated = RegisterWindowMessageA(kSettingsUpdatedMessage);

  EXPECT_EQ(target.BeginDrag(600, 400), EncodeDragState(true, 200));
  EXPECT_EQ(target.EndDrag(), kOpaque);

  SetSettingsDword(ValueNameOf(Spin::DragOpacity), 120);
  SetExclusions({"Vornal_Drag_Target.EXE"});
  target.Send(updated);
  EXPECT_EQ(target.BeginDrag(600, 400), kOpaque) << "excluded";
  EXPECT_EQ(target.EndDrag(), kOpaque);

  DeleteExclusions();
  target.Send(updated);
  EXPECT_EQ(target.BeginDrag(600, 400), EncodeDragState(true, 120));
  EXPECT_EQ(target.EndDrag(), kOpaque);
}

}  // namespace
}  // namespace vornal::test
