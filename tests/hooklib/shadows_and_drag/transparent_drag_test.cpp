// Transparent dragging in the test's own process, through VornalHook as
// the system would call it for WM_MOVING and WM_EXITSIZEMOVE.
#include <gtest/gtest.h>

#include <string>

#include "library_under_test.h"
#include "test_windows.h"
#include "vornal_settings_key.h"

namespace vornal::test {
namespace {

class TransparentDrag : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsKey();  // transparent dragging on, everything else default
    Reload();
  }

  static void Moving(const TestWindow& w) { Deliver(WM_MOVING, w.Handle()); }
  static void ExitMove(const TestWindow& w) { Deliver(WM_EXITSIZEMOVE, w.Handle()); }
};

TEST_F(TransparentDrag, TheLargestWindowTurnsTransparentUntilTheMoveEnds) {
  TestWindow window = TestWindow::TopLevel(1024, 512);
  ASSERT_EQ(window.Width(), 1024);
  ASSERT_EQ(window.Height(), 512);
  ASSERT_FALSE(window.IsLayered());

  Moving(window);
  EXPECT_TRUE(window.IsLayered());
  EXPECT_EQ(window.Alpha(), 200);
  Moving(window);  // the rest of the move changes nothing
  EXPECT_EQ(window.Alpha(), 200);

  ExitMove(window);
  EXPECT_FALSE(window.IsLayered());
  EXPECT_EQ(window.AlphaWhenLayeredStyleWent(), 255) << "opaque before the style goes";
}

// A reload in the middle of a move may exclude the program or switch
// dragging off; the window it made transparent still ends the move opaque.
TEST_F(TransparentDrag, AReloadDuringTheMoveStillEndsItOpaque) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string exe(path);
  const std::string name = exe.substr(exe.find_last_of("\\/") + 1);
  for (const bool exclude : {true, false}) {
    Reload();
    TestWindow window = TestWindow::TopLevel(600, 400);
    Moving(window);
    ASSERT_TRUE(window.IsLayered());
    if (exclude) {
      SetExclusions({name.c_str()});
    } else {
      SetSettingsDword(ValueNameOf(Check::TransparentDragging), 0);
    }
    Reload();
    ExitMove(window);
    EXPECT_FALSE(window.IsLayered()) << (exclude ? "excluded" : "switched off") << " during the move";
    DeleteExclusions();
    SetSettingsDword(ValueNameOf(Check::TransparentDragging), 1);
  }
}

TEST_F(TransparentDrag, WindowsOutsideTheSizeLimitsStayOpaque) {
  TestWindow wide = TestWindow::TopLevel(1025, 512);
  TestWindow tall = TestWindow::TopLevel(1024, 513);
  ASSERT_EQ(wide.Width(), 1025);
  ASSERT_EQ(tall.Height(), 513);
  Moving(wide);
  Moving(tall);
  EXPECT_FALSE(wide.IsLayered());
  EXPECT_FALSE(tall.IsLayered());
}

TEST_F(TransparentDrag, IsOffUnlessSwitchedOn) {
  SetSettingsDword(ValueNameOf(Check::TransparentDragging), 0);
  Reload();
  TestWindow window = TestWindow::TopLevel(600, 400);
  Moving(window);
  EXPECT_FALSE(window.IsLayered());
}

TEST_F(TransparentDrag, AlphaZeroHidesTheWindowOnlyWhileItMoves) {
  SetSettingsDword(ValueNameOf(Spin::DragOpacity), 0x0100);  // only the low byte counts
  Reload();
  TestWindow window = TestWindow::TopLevel(600, 400);
  Moving(window);
  EXPECT_TRUE(window.IsLayered());
  EXPECT_EQ(window.Alpha(), 0);
  ExitMove(window);
  EXPECT_FALSE(window.IsLayered());
  EXPECT_EQ(window.AlphaWhenLayeredStyleWent(), 255);
}

TEST_F(TransparentDrag, DialogBoxesOnlyLeavesOtherWindowsOpaque) {
  TestWindow main = TestWindow::TopLevel(500, 300);
  TestWindow dialog = TestWindow::Dialog(500, 300);
  char className[16] = {};
  GetClassNameA(dialog.Handle(), className, sizeof className);
  ASSERT_STREQ(className, "#32770");
  ASSERT_EQ(dialog.Width(), 500);

  // "All dragable windows": both.
  Moving(main);
  EXPECT_EQ(main.Alpha(), 200);
  ExitMove(main);
  Moving(dialog);
  EXPECT_EQ(dialog.Alpha(), 200);
  ExitMove(dialog);
  EXPECT_FALSE(dialog.IsLayered());

  SetSettingsDword(ValueNameOf(Radio::DragDialogsOnly), 1);
  Reload();
  Moving(main);
  EXPECT_FALSE(main.IsLayered());
  Moving(dialog);
  EXPECT_EQ(dialog.Alpha(), 200);
  ExitMove(dialog);
  EXPECT_FALSE(dialog.IsLayered());
}

TEST_F(TransparentDrag, AWindowLayeredByItsOwnProgramKeepsItsTransparency) {
  TestWindow own = TestWindow::TopLevel(500, 300, WS_EX_LAYERED);
  ASSERT_TRUE(SetLayeredWindowAttributes(own.Handle(), 0, 77, LWA_ALPHA));
  Moving(own);
  EXPECT_EQ(own.Alpha(), 77);
  ExitMove(own);
  EXPECT_TRUE(own.IsLayered());
  EXPECT_EQ(own.Alpha(), 77);
  EXPECT_EQ(own.AlphaWhenLayeredStyleWent(), -1);
}

TEST_F(TransparentDrag, OneWindowPerProcessAndOnlyItIsRestored) {
  TestWindow dragged = TestWindow::TopLevel(500, 300);
  TestWindow other = TestWindow::TopLevel(500, 300);
  TestWindow own = TestWindow::TopLevel(500, 300, WS_EX_LAYERED);
  ASSERT_TRUE(SetLayeredWindowAttributes(own.Handle(), 0, 77, LWA_ALPHA));

  Moving(dragged);
  ASSERT_EQ(dragged.Alpha(), 200);
  Moving(other);
  EXPECT_FALSE(other.IsLayered()) << "a second window while one is dragged";

  // Another layered window ends its own move or size loop meanwhile.
  ExitMove(own);
  EXPECT_TRUE(own.IsLayered());
  EXPECT_EQ(own.Alpha(), 77);
  EXPECT_EQ(dragged.Alpha(), 200) << "the dragged window's move is not over";

  ExitMove(dragged);
  EXPECT_FALSE(dragged.IsLayered());
  Moving(other);
  EXPECT_EQ(other.Alpha(), 200) << "free again once the move is over";
  ExitMove(other);
}

TEST_F(TransparentDrag, ADragWindowDestroyedMidMoveDoesNotBlockLaterDrags) {
  {
    TestWindow doomed = TestWindow::TopLevel(500, 300);
    Moving(doomed);
    ASSERT_EQ(doomed.Alpha(), 200);
  }  // destroyed without WM_EXITSIZEMOVE
  TestWindow next = TestWindow::TopLevel(500, 300);
  Moving(next);
  EXPECT_EQ(next.Alpha(), 200);
  ExitMove(next);
  EXPECT_FALSE(next.IsLayered());
}

TEST_F(TransparentDrag, ADragWindowThatDroppedTheLayeredStyleItselfIsReleased) {
  TestWindow first = TestWindow::TopLevel(500, 300);
  Moving(first);
  ASSERT_TRUE(first.IsLayered());
  // Its own program takes the style away before the move ends.
  SetWindowLongPtrA(first.Handle(), GWL_EXSTYLE,
                    GetWindowLongPtrA(first.Handle(), GWL_EXSTYLE) & ~WS_EX_LAYERED);
  ExitMove(first);
  EXPECT_FALSE(first.IsLayered());
  TestWindow second = TestWindow::TopLevel(500, 300);
  Moving(second);
  EXPECT_EQ(second.Alpha(), 200);
  ExitMove(second);
}

// Windows the layered style would break stay as they are for the whole
// move; the size limits are opened wide so that only the class style and
// the monitor decide.
TEST_F(TransparentDrag, OwnOrClassDeviceContextsAndFullScreenWindowsStayOpaque) {
  SetSettingsDword(ValueNameOf(Spin::DragMaxWidth), 0xFFFF);
  SetSettingsDword(ValueNameOf(Spin::DragMaxHeight), 0xFFFF);
  Reload();
  const POINT origin{0, 0};
  MONITORINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetMonitorInfoA(MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY), &info));
  const RECT screen = info.rcMonitor;
  RECT shortOfIt = screen;
  shortOfIt.right -= 1;

  struct Row {
    const char* name;
    TestWindow (*make)(const RECT& screen, const RECT& shortOfIt);
    bool layeredWhileMoved;
  };
  const Row rows[] = {
      {"an ordinary window",
       [](const RECT&, const RECT&) { return TestWindow::TopLevel(500, 300); }, true},
      {"CS_OWNDC",
       [](const RECT&, const RECT&) { return TestWindow::OfClassStyle(CS_OWNDC, 500, 300); },
       false},
      {"CS_CLASSDC",
       [](const RECT&, const RECT&) { return TestWindow::OfClassStyle(CS_CLASSDC, 500, 300); },
       false},
      {"CS_HREDRAW | CS_VREDRAW",
       [](const RECT&, const RECT&) {
         return TestWindow::OfClassStyle(CS_HREDRAW | CS_VREDRAW, 500, 300);
       },
       true},
      {"covering its monitor", [](const RECT& s, const RECT&) { return TestWindow::Popup(s); },
       false},
      {"one pixel narrower than its monitor",
       [](const RECT&, const RECT& n) { return TestWindow::Popup(n); }, true},
  };
  for (const Row& row : rows) {
    TestWindow window = row.make(screen, shortOfIt);
    ASSERT_FALSE(window.IsLayered()) << row.name;
    Moving(window);
    EXPECT_EQ(window.IsLayered(), row.layeredWhileMoved) << row.name;
    EXPECT_EQ(window.Alpha(), row.layeredWhileMoved ? 200 : -1) << row.name;
    ExitMove(window);
    EXPECT_FALSE(window.IsLayered()) << row.name << ", after the move";
  }
}

}  // namespace
}  // namespace vornal::test
