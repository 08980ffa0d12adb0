// Which classes get the drop-shadow style.
#include <gtest/gtest.h>

#include "shadows_and_drag/shadow_rule.h"

namespace vornal::hooklib {
namespace {

TEST(ShadowRule, OpenedTitledWindowsOfTheChosenClassesOnlyAndOnlyOnce) {
  ShadowOptions o = ShadowOptionsFrom(DefaultSettings());
  EXPECT_FALSE(o.enabled);
  EXPECT_TRUE(o.dialogsOnly);
  EXPECT_FALSE(ShadowDue(o, true, 0x00C00000)) << "off by default";
  o.enabled = true;
  EXPECT_TRUE(ShadowDue(o, true, 0x00C00000));
  EXPECT_FALSE(ShadowDue(o, false, 0x00C00000)) << "not being opened";
  EXPECT_FALSE(ShadowDue(o, true, 0x80800000)) << "no full caption";

  EXPECT_TRUE(ClassTakesShadow(o, 0x0003, "#32770"));
  EXPECT_FALSE(ClassTakesShadow(o, 0x0003, "MainWindow"));
  EXPECT_FALSE(ClassTakesShadow(o, 0x00020000, "#32770")) << "already has it";
  o.dialogsOnly = false;
  EXPECT_TRUE(ClassTakesShadow(o, 0x0003, "MainWindow"));
  EXPECT_TRUE(ClassTakesShadow(o, 0x0003, nullptr));
}

}  // namespace
}  // namespace vornal::hooklib
