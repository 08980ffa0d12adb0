// The hook library reads its own part of the record in its own order, so a
// bad value stops it at a different place than the control program.
#include <gtest/gtest.h>

#include "settings_reader.h"
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
  for (int n = 1; n <= 14; ++n) EXPECT_EQ(s.CheckFlag(n), test::StoredCheckFlag(n)) << n;
  for (int n = 15; n <= 18; ++n) EXPECT_EQ(s.CheckFlag(n), defaults.CheckFlag(n)) << n;
  for (int n = 1; n <= 13; ++n) EXPECT_EQ(s.SpinValue(n), test::StoredSpinValue(n)) << n;
  EXPECT_EQ(s.SpinValue(14), defaults.SpinValue(14));
  EXPECT_EQ(s.RadioFlag(2), test::StoredRadioFlag(2));
  EXPECT_EQ(s.RadioFlag(3), defaults.RadioFlag(3));
  EXPECT_EQ(s.colourValues, defaults.colourValues);
  EXPECT_EQ(s.MultiRadio(2), test::StoredMultiRadio(2));
  EXPECT_EQ(s.MultiRadio(3), defaults.MultiRadio(3));
  EXPECT_EQ(s.Text(TextField::StartText), "Vor");
  EXPECT_EQ(s.Text(TextField::TVWallpaper), test::StoredText(TextField::TVWallpaper).c_str());
}

TEST(LibraryRead, BadValueStopsAtTheLibrarysOwnOrder) {
  test::ScratchRegistry reg;
  test::WriteStoredRecord(reg);
  reg.SetString(kSettingsKeyPath, "MultiRadio2", "x");

  // The library reads multi-radio values before the radio flags...
  Settings lib = DefaultSettings();
  const ReadOutcome outcome = ReadSettingsKey(reg.Root(), LibraryReadPlan(), lib);
  EXPECT_FALSE(outcome.valuesRead);
  EXPECT_EQ(outcome.error, RegResult::WrongType);
  EXPECT_EQ(lib.MultiRadio(1), test::StoredMultiRadio(1));
  EXPECT_EQ(lib.radioFlags, DefaultSettings().radioFlags);

  // ...the control program reads them after the radio flags and colours.
  Settings ctl = DefaultSettings();
  EXPECT_FALSE(ReadSettingsKey(reg.Root(), ControlReadPlan(), ctl).valuesRead);
  EXPECT_EQ(ctl.RadioFlag(1), test::StoredRadioFlag(1));
  EXPECT_EQ(ctl.ColourValue(3), test::StoredColour(3));
}

}  // namespace
}  // namespace vornal
