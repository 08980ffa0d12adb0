// The record's defaults, value names and decoding rules.
#include <gtest/gtest.h>

#include <set>
#include <vector>
#include <string>

#include "option_values.h"
#include "settings_record.h"

namespace vornal {
namespace {

TEST(SettingsRecord, DefaultsMatchAFreshInstall) {
  const Settings s = DefaultSettings();
  for (Check c : kAllChecks) {
    const bool expected = c == Check::WindowsOpening || c == Check::WindowsClosing ||
                          c == Check::TitledWindows || c == Check::SlideIn || c == Check::SlideOut ||
                          c == Check::IconTextRecheck;
    EXPECT_EQ(s.Get(c), expected) << ValueNameOf(c).c_str();
  }
  const std::vector<std::uint32_t> spin = {6,  200,  200, 32,  32,  2048, 1536, 250,
                                           32, 32, 1024, 512, 200, 220,  1000, 1000};
  EXPECT_EQ(test::ValuesOf(s, kAllSpins), spin);
  EXPECT_TRUE(s.Get(Radio::ShadowDialogsOnly));
  EXPECT_FALSE(s.Get(Radio::DragDialogsOnly));
  EXPECT_FALSE(s.Get(Radio::PatchOn)) << "the patch starts switched off";
  EXPECT_EQ(s.Get(Colour::IconText), 0xFFFFFFu);
  EXPECT_EQ(s.Get(Colour::MdiBackground), 0x808000u);
  EXPECT_EQ(s.Get(Colour::Desktop), 0x800000u);
  for (Choice c : kAllChoices) EXPECT_EQ(s.Get(c), 1) << ValueNameOf(c).c_str();
  EXPECT_EQ(s.Text(TextField::StartText), "Vor");
  EXPECT_TRUE(s.Text(TextField::WindowWallpaper).Empty());
  EXPECT_TRUE(s.Text(TextField::MDIWallpaper).Empty());
  EXPECT_TRUE(s.Text(TextField::TVWallpaper).Empty());
}

TEST(SettingsRecord, ValueNamesArePrefixAndNumber) {
  ValueName name;
  ASSERT_TRUE(FormatValueName(Family::CheckFlag, 1, name));
  EXPECT_EQ(name, "CheckBoxChecked1");
  ASSERT_TRUE(FormatValueName(Family::CheckFlag, 18, name));
  EXPECT_EQ(name, "CheckBoxChecked18");
  ASSERT_TRUE(FormatValueName(Family::SpinValue, 16, name));
  EXPECT_EQ(name, "SpinValue16");
  ASSERT_TRUE(FormatValueName(Family::RadioFlag, 3, name));
  EXPECT_EQ(name, "RadioChecked3");
  ASSERT_TRUE(FormatValueName(Family::ColourValue, 2, name));
  EXPECT_EQ(name, "ColourValue2");
  ASSERT_TRUE(FormatValueName(Family::MultiRadio, 10 - 7, name));
  EXPECT_EQ(name, "MultiRadio3");
  EXPECT_FALSE(FormatValueName(Family::CheckFlag, 0, name));
  EXPECT_FALSE(FormatValueName(Family::CheckFlag, 19, name));
  EXPECT_FALSE(FormatValueName(Family::MultiRadio, 4, name));
  EXPECT_STREQ(TextFieldName(TextField::StartText), "StartText");
  EXPECT_STREQ(TextFieldName(TextField::WindowWallpaper), "WindowWallpaper");
  EXPECT_STREQ(TextFieldName(TextField::MDIWallpaper), "MDIWallpaper");
  EXPECT_STREQ(TextFieldName(TextField::TVWallpaper), "TVWallpaper");
}

TEST(SettingsRecord, RawValuesDecodeByFamily) {
  Settings s = DefaultSettings();
  for (std::uint32_t raw : {1u, 2u, 0x80000000u, 0xFFFFFFFFu}) {
    StoreRawValue(s, Family::CheckFlag, 4, raw);
    EXPECT_TRUE(s.Get(Check::Popups)) << raw;
    StoreRawValue(s, Family::RadioFlag, 3, raw);
    EXPECT_TRUE(s.Get(Radio::PatchOn)) << raw;
  }
  StoreRawValue(s, Family::CheckFlag, 1, 0);
  EXPECT_FALSE(s.Get(Check::WindowsOpening));

  StoreRawValue(s, Family::SpinValue, 1, 65636);
  EXPECT_EQ(s.Get(Spin::BoxThickness), 100);
  StoreRawValue(s, Family::SpinValue, 16, 0xFFFFFFFFu);
  EXPECT_EQ(s.Get(Spin::StartCaptionInterval), 0xFFFF);
  StoreRawValue(s, Family::MultiRadio, 1, 12);
  EXPECT_EQ(s.Get(Choice::OpenStyle), 12) << "kept, not clamped to a button";
  StoreRawValue(s, Family::MultiRadio, 2, 0x1234);
  EXPECT_EQ(s.Get(Choice::CloseStyle), 0x34);
  StoreRawValue(s, Family::ColourValue, 3, 0xFF123456u);
  EXPECT_EQ(s.Get(Colour::Desktop), 0xFF123456u);

  // Numbers outside a family change nothing.
  const Settings before = s;
  StoreRawValue(s, Family::CheckFlag, 19, 1);
  StoreRawValue(s, Family::SpinValue, 0, 1);
  EXPECT_EQ(test::ValuesOf(s, kAllChecks), test::ValuesOf(before, kAllChecks));
  EXPECT_EQ(test::ValuesOf(s, kAllSpins), test::ValuesOf(before, kAllSpins));
}

TEST(SettingsRecord, FlagsAreWrittenAsZeroOrOne) {
  Settings s = DefaultSettings();
  StoreRawValue(s, Family::CheckFlag, 2, 77);
  EXPECT_EQ(RawValue(s, Family::CheckFlag, 2), 1u);
  EXPECT_EQ(RawValue(s, Family::CheckFlag, 4), 0u);
  EXPECT_EQ(RawValue(s, Family::RadioFlag, 1), 1u);
  EXPECT_EQ(RawValue(s, Family::SpinValue, 7), 1536u);
  EXPECT_EQ(RawValue(s, Family::ColourValue, 2), 0x808000u);
}

// The plans decide which values each deliverable reads and in which order;
// a plan that skipped or repeated an element would silently lose a setting.
TEST(SettingsRecord, ReadPlansCoverTheirFamiliesOnce) {
  const auto elements = [](const ReadPlan& plan) {
    std::multiset<std::string> names;
    for (std::size_t r = 0; r < plan.runCount; ++r) {
      for (int n = plan.runs[r].first; n <= plan.runs[r].last; ++n) {
        ValueName name;
        EXPECT_TRUE(FormatValueName(plan.runs[r].family, n, name));
        names.insert(name.c_str());
      }
    }
    for (std::size_t t = 0; t < plan.textCount; ++t) names.insert(TextFieldName(plan.texts[t]));
    return names;
  };
  const auto control = elements(ControlReadPlan());
  EXPECT_EQ(control.size(), 18u + 16u + 3u + 3u + 3u + 4u);
  EXPECT_EQ(std::set<std::string>(control.begin(), control.end()).size(), control.size());

  const auto library = elements(LibraryReadPlan());
  EXPECT_EQ(library.size(), 14u + 13u + 2u + 2u + 3u);
  EXPECT_EQ(library.count(ValueNameOf(Check::ListViewWallpaper).c_str()), 1u);
  EXPECT_EQ(library.count(ValueNameOf(Check::TaskbarTransparent).c_str()), 0u);
  EXPECT_EQ(library.count(ValueNameOf(Spin::DragOpacity).c_str()), 1u);
  EXPECT_EQ(library.count(ValueNameOf(Spin::TaskbarOpacity).c_str()), 0u);
  EXPECT_EQ(library.count(ValueNameOf(Radio::PatchOn).c_str()), 0u);
  EXPECT_EQ(library.count(ValueNameOf(Colour::IconText).c_str()), 0u);
  EXPECT_EQ(library.count("StartText"), 0u);
  for (const auto& name : library) EXPECT_EQ(control.count(name), 1u) << name;

  // The library reads multi-radio values before the radio flags.
  const ReadPlan& lib = LibraryReadPlan();
  ASSERT_EQ(lib.runCount, 4u);
  EXPECT_EQ(lib.runs[2].family, Family::MultiRadio);
  EXPECT_EQ(lib.runs[3].family, Family::RadioFlag);
}

TEST(FixedText, RefusesTextThatDoesNotFit) {
  FixedText<4> t;
  EXPECT_TRUE(t.Assign("abc"));
  EXPECT_EQ(t, "abc");
  EXPECT_FALSE(t.Assign("abcd"));
  EXPECT_TRUE(t.Empty());
}

}  // namespace
}  // namespace vornal
