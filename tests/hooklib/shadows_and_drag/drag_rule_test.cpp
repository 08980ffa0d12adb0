// Which windows become transparent while moved, stage by stage.
#include <gtest/gtest.h>

#include <cstdint>
#include <ios>
#include <limits>

#include "shadows_and_drag/drag_rule.h"

namespace vornal::hooklib {
namespace {

constexpr std::uint32_t kLayered = 0x00080000;    // WS_EX_LAYERED
constexpr std::uint32_t kToolWindow = 0x00000080;  // WS_EX_TOOLWINDOW
constexpr std::uint32_t kAppWindow = 0x00040000;   // WS_EX_APPWINDOW

DragOptions Enabled() {
  Settings s = DefaultSettings();
  s.Set(Check::TransparentDragging, true);
  return DragOptionsFrom(s);
}

WindowBox Box(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  return {x, y, x + width, y + height};
}

TEST(DragRule, OptionsComeFromTheirSettings) {
  const DragOptions defaults = DragOptionsFrom(DefaultSettings());
  EXPECT_FALSE(defaults.transparentDragging);
  EXPECT_FALSE(defaults.dragDialogsOnly);
  EXPECT_EQ(defaults.minWidth, 32);
  EXPECT_EQ(defaults.minHeight, 32);
  EXPECT_EQ(defaults.maxWidth, 1024);
  EXPECT_EQ(defaults.maxHeight, 512);
  EXPECT_EQ(defaults.dragOpacity, 200);

  Settings s = DefaultSettings();
  s.Set(Check::TransparentDragging, true);
  s.Set(Radio::DragDialogsOnly, true);
  s.Set(Spin::DragMinWidth, 0x1209);
  s.Set(Spin::DragMinHeight, 0x120A);
  s.Set(Spin::DragMaxWidth, 0x120B);
  s.Set(Spin::DragMaxHeight, 0x120C);
  s.Set(Spin::DragOpacity, 0x120D);
  const DragOptions o = DragOptionsFrom(s);
  EXPECT_TRUE(o.transparentDragging);
  EXPECT_TRUE(o.dragDialogsOnly);
  EXPECT_EQ(o.minWidth, 0x1209);
  EXPECT_EQ(o.minHeight, 0x120A);
  EXPECT_EQ(o.maxWidth, 0x120B);
  EXPECT_EQ(o.maxHeight, 0x120C);
  EXPECT_EQ(o.dragOpacity, 0x0D) << "only the low byte of the drag opacity";
}

TEST(DragRule, StartsOnlyWhenOnAndNotLayeredAndNoOtherDrag) {
  const DragOptions on = Enabled();
  EXPECT_TRUE(MayStartDrag(on, 0, false));
  EXPECT_TRUE(MayStartDrag(on, kToolWindow | kAppWindow, false));
  EXPECT_FALSE(MayStartDrag(on, kLayered, false)) << "its own program made it layered";
  EXPECT_FALSE(MayStartDrag(on, kLayered | kToolWindow, false));
  EXPECT_FALSE(MayStartDrag(on, 0, true)) << "another window is being dragged";
  EXPECT_FALSE(MayStartDrag(DragOptionsFrom(DefaultSettings()), 0, false)) << "option off";
}

TEST(DragRule, DialogsOnlyComparesTheClassNameExactly) {
  DragOptions o = Enabled();
  EXPECT_TRUE(ClassMayDrag(o, "MainWindowClass"));
  EXPECT_TRUE(ClassMayDrag(o, nullptr)) << "the class is not needed then";
  o.dragDialogsOnly = true;
  EXPECT_TRUE(ClassMayDrag(o, "#32770"));
  for (const char* other : {"MainWindowClass", "#3277", "#327700", "#32770 ", " #32770", "#32771", ""}) {
    EXPECT_FALSE(ClassMayDrag(o, other)) << '"' << other << '"';
  }
  EXPECT_FALSE(ClassMayDrag(o, nullptr));
}

TEST(DragRule, SidesAreAbsoluteDifferencesModulo65536) {
  EXPECT_EQ(SideLength(0, 1024), 1024);
  EXPECT_EQ(SideLength(1024, 0), 1024);
  EXPECT_EQ(SideLength(-300, 200), 500);
  EXPECT_EQ(SideLength(10, 10), 0);
  EXPECT_EQ(SideLength(0, 65535), 65535);
  EXPECT_EQ(SideLength(0, 65536), 0);
  EXPECT_EQ(SideLength(100, 100 + 65536 + 1024), 1024);
  EXPECT_EQ(SideLength(100 + 65536 + 1024, 100), 1024);
  constexpr std::int32_t lo = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t hi = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(SideLength(lo, hi), 0xFFFF) << "2^32 - 1 without overflow";
  EXPECT_EQ(SideLength(hi, lo), 0xFFFF);
}

TEST(DragRule, SizeBoundsAreIncluded) {
  const DragOptions o = Enabled();  // 32..1024 wide, 32..512 high
  EXPECT_TRUE(SizeMayDrag(o, Box(0, 0, 1024, 512)));
  EXPECT_TRUE(SizeMayDrag(o, Box(-50, 700, 32, 32)));
  EXPECT_TRUE(SizeMayDrag(o, Box(10, 10, 500, 300)));
  EXPECT_FALSE(SizeMayDrag(o, Box(0, 0, 1025, 512)));
  EXPECT_FALSE(SizeMayDrag(o, Box(0, 0, 1024, 513)));
  EXPECT_FALSE(SizeMayDrag(o, Box(0, 0, 31, 32)));
  EXPECT_FALSE(SizeMayDrag(o, Box(0, 0, 32, 31)));
  // Reversed sides count by their absolute difference...
  EXPECT_TRUE(SizeMayDrag(o, {1024, 512, 0, 0}));
  // ...and sizes wrap at 65536, as the unsigned 16-bit comparison has it.
  EXPECT_TRUE(SizeMayDrag(o, Box(0, 0, 65536 + 1024, 65536 + 512)));
  EXPECT_FALSE(SizeMayDrag(o, Box(0, 0, 65536 + 1025, 512)));
  EXPECT_FALSE(SizeMayDrag(o, Box(0, 0, 65536, 100))) << "65536 wide reads as 0";
}

TEST(DragRule, SizeBoundsFollowTheSpinValues) {
  DragOptions o = Enabled();
  o.minWidth = 200;
  o.maxWidth = 200;
  o.minHeight = 0;
  o.maxHeight = 65535;
  EXPECT_TRUE(SizeMayDrag(o, Box(0, 0, 200, 0)));
  EXPECT_TRUE(SizeMayDrag(o, Box(0, 0, 200, 65535)));
  EXPECT_FALSE(SizeMayDrag(o, Box(0, 0, 199, 100)));
  EXPECT_FALSE(SizeMayDrag(o, Box(0, 0, 201, 100)));
  o.minWidth = 300;  // minimum above maximum: nothing qualifies
  EXPECT_FALSE(SizeMayDrag(o, Box(0, 0, 250, 100)));
}

TEST(DragRule, ClassesWithTheirOwnOrAClassDeviceContextStayOpaque) {
  constexpr std::uint32_t kOwnDc = 0x0020;            // CS_OWNDC
  constexpr std::uint32_t kClassDc = 0x0040;          // CS_CLASSDC
  constexpr std::uint32_t kParentDc = 0x0080;         // CS_PARENTDC
  constexpr std::uint32_t kRedraw = 0x0001 | 0x0002;  // CS_VREDRAW | CS_HREDRAW
  constexpr std::uint32_t kDropShadow = 0x00020000;   // CS_DROPSHADOW
  struct Row {
    const char* name;
    std::uint32_t classStyle;
    bool mayDrag;
  };
  const Row rows[] = {
      {"no class style", 0, true},
      {"redraw on resize", kRedraw, true},
      {"every bit but the two", ~(kOwnDc | kClassDc), true},
      {"own device context (OpenGL)", kOwnDc, false},
      {"class device context", kClassDc, false},
      {"own device context among others", kOwnDc | kRedraw | kParentDc | kDropShadow, false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ClassStyleMayDrag(row.classStyle), row.mayDrag)
        << row.name << ": class style 0x" << std::hex << row.classStyle;
  }
}

TEST(DragRule, AWindowContainingItsMonitorIsFullScreen) {
  const WindowBox monitor = Box(0, 0, 1920, 1080);
  const WindowBox second = Box(1920, -200, 1280, 1024);  // right of it, higher up
  struct Row {
    const char* name;
    WindowBox window;
    WindowBox monitor;
    bool covers;
  };
  const Row rows[] = {
      {"exactly the monitor", monitor, monitor, true},
      {"maximized, frame beyond every edge", Box(-8, -8, 1936, 1096), monitor, true},
      {"exactly the second monitor", second, second, true},
      {"one pixel short on the left", Box(1, 0, 1919, 1080), monitor, false},
      {"one pixel short on the right", Box(0, 0, 1919, 1080), monitor, false},
      {"work area above the taskbar", Box(0, 0, 1920, 1040), monitor, false},
      {"the first monitor's size on the second", monitor, second, false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(CoversItsMonitor(row.window, row.monitor), row.covers)
        << row.name << ": window {" << row.window.left << ", " << row.window.top << ", "
        << row.window.right << ", " << row.window.bottom << "}, monitor {" << row.monitor.left
        << ", " << row.monitor.top << ", " << row.monitor.right << ", " << row.monitor.bottom
        << "}";
  }
}

TEST(DragRule, RestoresOnlyTheLayeredDragWindow) {
  EXPECT_TRUE(ShouldRestoreOpacity(kLayered, true));
  EXPECT_TRUE(ShouldRestoreOpacity(kLayered | kToolWindow, true));
  EXPECT_FALSE(ShouldRestoreOpacity(kToolWindow, true)) << "no longer layered";
  EXPECT_FALSE(ShouldRestoreOpacity(kLayered, false)) << "layered by its own program";
}

}  // namespace
}  // namespace vornal::hooklib
