// The hook library reads its own part of the record in its own order, so a
// bad value stops it at a different place than the control program.
#include <gtest/gtest.h>

#include "settings_reader.h"
#include "option_values.h"
#include "stored_record.h"

namespace vornal {
namespace {

TEST(LibraryRead, TakesOnlyItsPartOfTheRecord) {
  test::ScratchRegistry reg;
  test::WriteStoredRecord(reg);
  Settings s = DefaultSettings();
  const ReadOutcome outcome = ReadSettingsKey(reg.Root(), LibraryReadPlan(), s);
  EXPECT_TRUE(outcome.valuesRead);
  const Settings defaults = DefaultSettings();
  // The checks up to the list-view wallpaper and the spins up to the drag
  // opacity are the library's.
  for (Check c : kAllChecks) {
    const bool read = NumberOf(c) <= NumberOf(Check::ListViewWallpaper);
    EXPECT_EQ(s.Get(c), read ? test::StoredCheckFlag(c) : defaults.Get(c)) << ValueNameOf(c).c_str();
  }
  for (Spin v : kAllSpins) {
    const bool read = NumberOf(v) <= NumberOf(Spin::DragOpacity);
    EXPECT_EQ(s.Get(v), read ? test::StoredSpinValue(v) : defaults.Get(v)) << ValueNameOf(v).c_str();
  }
  EXPECT_EQ(s.Get(Radio::DragDialogsOnly), test::StoredRadioFlag(Radio::DragDialogsOnly));
  EXPECT_EQ(s.Get(Radio::PatchOn), defaults.Get(Radio::PatchOn));
  EXPECT_EQ(test::ValuesOf(s, kAllColours), test::ValuesOf(defaults, kAllColours));
  EXPECT_EQ(s.Get(Choice::CloseStyle), test::StoredMultiRadio(Choice::CloseStyle));
  EXPECT_EQ(s.Get(Choice::StartCaption), defaults.Get(Choice::StartCaption));
  EXPECT_EQ(s.Text(TextField::StartText), "Vor");
  EXPECT_EQ(s.Text(TextField::TVWallpaper), test::StoredText(TextField::TVWallpaper).c_str());
}

TEST(LibraryRead, BadValueStopsAtTheLibrarysOwnOrder) {
  test::ScratchRegistry reg;
  test::WriteStoredRecord(reg);
  reg.SetString(kSettingsKeyPath, ValueNameOf(Choice::CloseStyle).c_str(), "x");

  // The library reads multi-radio values before the radio flags...
  Settings lib = DefaultSettings();
  const ReadOutcome outcome = ReadSettingsKey(reg.Root(), LibraryReadPlan(), lib);
  EXPECT_FALSE(outcome.valuesRead);
  EXPECT_EQ(outcome.error, RegResult::WrongType);
  EXPECT_EQ(lib.Get(Choice::OpenStyle), test::StoredMultiRadio(Choice::OpenStyle));
  EXPECT_EQ(test::ValuesOf(lib, kAllRadios), test::ValuesOf(DefaultSettings(), kAllRadios));

  // ...the control program reads them after the radio flags and colours.
  Settings ctl = DefaultSettings();
  EXPECT_FALSE(ReadSettingsKey(reg.Root(), ControlReadPlan(), ctl).valuesRead);
  EXPECT_EQ(ctl.Get(Radio::ShadowDialogsOnly), test::StoredRadioFlag(Radio::ShadowDialogsOnly));
  EXPECT_EQ(ctl.Get(Colour::Desktop), test::StoredColour(Colour::Desktop));
}

}  // namespace
}  // namespace vornal
