// From the dialog's Apply to another program's window: the control program
// installs the hook, the library acts in vornal_drag_target.exe, reloads
// there when settings are applied again, and stops when the patch is off.
#include <windows.h>

#include <gtest/gtest.h>

#include "cross_process_names.h"
#include "drag_target_process.h"
#include "program_under_test.h"
#include "registry_key.h"
#include "registry_layout.h"
#include "resources/resource_ids.h"
#include "vornal_settings_key.h"

namespace vornal::test {
namespace {

const LRESULT kOpaque = EncodeDragState(false, -1);

class ApplyReachesHookedProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteSettingsKey();
    ASSERT_TRUE(vornal.Start(BesideThisProgram("Vornal.exe")));
    ASSERT_TRUE(WaitFor([&] { return (form = vornal.FindTopLevel(kFormClassName, "Vornal")) != nullptr; }));
    ASSERT_TRUE(WaitFor([&] { return WindowText(Control(IDC_LabelStatus)) == "Patch is not running."; }));
  }

  void TearDown() override {
    if (form != nullptr) PostMessageA(form, WM_COMMAND, IDM_Exit1, 0);
    EXPECT_TRUE(vornal.HasExited(20000));
    DeleteSettingsKey();
  }

  HWND Control(int id) const { return ProgramUnderTest::FindControl(form, id); }

  void SwitchPatch(bool on) {
    Click(Control(on ? IDC_RadioButton5 : IDC_RadioButton6));
    Click(Control(IDC_ButtonApply));
  }

  ProgramUnderTest vornal;
  HWND form = nullptr;
};

TEST_F(ApplyReachesHookedProcess, TransparentDraggingFollowsTheDialog) {
  DragTargetProcess target;
  ASSERT_TRUE(target.Ready());
  EXPECT_EQ(target.BeginDrag(1024, 512), kOpaque) << "no patch yet";
  target.EndDrag();

  Click(Control(IDC_CheckBox9));  // "&Make transparent when dragging:"
  SwitchPatch(true);
  ASSERT_EQ(WindowText(Control(IDC_LabelStatus)), "Patch is running.");
  EXPECT_EQ(target.BeginDrag(1024, 512), EncodeDragState(true, 200));
  EXPECT_EQ(target.EndDrag(), kOpaque);
  // Asked after the drag: a hook procedure runs after the window procedure
  // has answered, so the library arrives with the first hooked message.
  EXPECT_EQ(target.Send(kLibraryMapped), 1);

  // A new opacity reaches the running program with the next Apply.
  TypeText(Control(IDC_SpinEdit13), "150");
  Click(Control(IDC_ButtonApply));
  EXPECT_EQ(target.BeginDrag(1024, 512), EncodeDragState(true, 150));
  EXPECT_EQ(target.EndDrag(), kOpaque);

  SwitchPatch(false);
  ASSERT_EQ(WindowText(Control(IDC_LabelStatus)), "Patch is not running.");
  EXPECT_EQ(target.BeginDrag(1024, 512), kOpaque) << "the patch is off";
  target.EndDrag();
}

TEST_F(ApplyReachesHookedProcess, DialogsOnlyAndWindowsLayeredByTheirProgram) {
  DragTargetProcess target;
  ASSERT_TRUE(target.Ready());
  Click(Control(IDC_CheckBox9));
  Click(Control(IDC_RadioButton3));  // "&Dialog boxes only"
  SwitchPatch(true);
  EXPECT_EQ(target.BeginDrag(600, 400), kOpaque) << "a main window";
  target.EndDrag();
  EXPECT_EQ(target.BeginDrag(600, 400, kAsDialog), EncodeDragState(true, 200)) << "a dialog";
  EXPECT_EQ(target.EndDrag(), kOpaque);

  Click(Control(IDC_RadioButton4));  // "A&ll dragable windows"
  Click(Control(IDC_ButtonApply));
  const LRESULT own = EncodeDragState(true, kOwnAlpha);
  EXPECT_EQ(target.BeginDrag(600, 400, kOwnLayered), own) << "its own transparency stays";
  EXPECT_EQ(target.EndDrag(), own) << "and so does its layered style";
}

TEST_F(ApplyReachesHookedProcess, ExcludedProgramReloadsButGetsNoEffect) {
  DragTargetProcess target;
  ASSERT_TRUE(target.Ready());
  Click(Control(IDC_CheckBox9));
  SwitchPatch(true);
  ASSERT_EQ(target.BeginDrag(800, 400), EncodeDragState(true, 200));
  target.EndDrag();

  // As Apply would: the key first, then the broadcast.
  const UINT updated = RegisterWindowMessageA(kSettingsUpdatedMessage);
  SetExclusions({"vornal_drag_target.exe"});
  SetSettingsDword(ValueNameOf(Spin::DragOpacity), 99);
  target.Send(updated);
  EXPECT_EQ(target.BeginDrag(800, 400), kOpaque) << "excluded";
  target.EndDrag();

  DeleteExclusions();
  target.Send(updated);
  EXPECT_EQ(target.BeginDrag(800, 400), EncodeDragState(true, 99))
      << "back, with the value read while it was excluded";
  target.EndDrag();
}

}  // namespace
}  // namespace vornal::test
