// LoadSettings against the real registry: the version rule, missing and bad
// values, the exclusion list and the values kept in other programs' keys.
#include <gtest/gtest.h>

#include <algorithm>

#include "registry_layout.h"
#include "option_values.h"
#include "settings_store.h"
#include "stored_record.h"

namespace vornal {
namespace {

using test::StoredCheckFlag;
using test::StoredSpinValue;

const std::string kProgram = "C:\\Program Files\\Vornal\\Vornal.exe";

class LoadSettingsTest : public ::testing::Test {
 protected:
  LoadReport Load() { return LoadSettings(reg.Root(), kProgram, settings, list, outside); }

  test::ScratchRegistry reg;
  Settings settings;  // deliberately not defaults: Load must reset it
  ExclusionList list{"kept-from-dialog.exe"};
  OutsideValues outside;
};

TEST_F(LoadSettingsTest, FirstStartWithoutAnyKeyGivesDefaults) {
  outside.runAtStartup = true;
  outside.shellToolbarEnabled = true;
  outside.shellToolbarBitmap = "C:\\old.bmp";
  const LoadReport report = Load();
  EXPECT_FALSE(report.settingsRead);
  EXPECT_FALSE(report.exclusionsReplaced);
  const Settings defaults = DefaultSettings();
  EXPECT_EQ(test::ValuesOf(settings, kAllChecks), test::ValuesOf(defaults, kAllChecks));
  EXPECT_EQ(test::ValuesOf(settings, kAllSpins), test::ValuesOf(defaults, kAllSpins));
  EXPECT_FALSE(settings.Get(Radio::PatchOn));
  EXPECT_EQ(list, ExclusionList{"kept-from-dialog.exe"});
  EXPECT_FALSE(outside.runAtStartup) << "no Run key: unchecked";
  EXPECT_FALSE(outside.shellToolbarEnabled) << "no toolbar key: unchecked and emptied";
  EXPECT_EQ(outside.shellToolbarBitmap, "");
}

TEST_F(LoadSettingsTest, ReadsTheWholeRecordAndTheExclusions) {
  test::WriteStoredRecord(reg);
  reg.SetRaw(kExclusionsKeyPath, "notepad.exe", REG_BINARY, nullptr, 0);
  reg.SetRaw(kExclusionsKeyPath, "calc.exe", REG_BINARY, nullptr, 0);
  const LoadReport report = Load();
  EXPECT_TRUE(report.settingsRead);
  EXPECT_TRUE(report.exclusionsReplaced);
  for (Check c : kAllChecks) EXPECT_EQ(settings.Get(c), StoredCheckFlag(c)) << ValueNameOf(c).c_str();
  for (Spin v : kAllSpins) EXPECT_EQ(settings.Get(v), StoredSpinValue(v)) << ValueNameOf(v).c_str();
  for (Radio r : kAllRadios) EXPECT_EQ(settings.Get(r), test::StoredRadioFlag(r)) << ValueNameOf(r).c_str();
  for (Colour c : kAllColours) EXPECT_EQ(settings.Get(c), test::StoredColour(c)) << ValueNameOf(c).c_str();
  for (Choice c : kAllChoices) {
    EXPECT_EQ(settings.Get(c), test::StoredMultiRadio(c)) << ValueNameOf(c).c_str();
  }
  for (int f = 0; f < kTextFieldCount; ++f) {
    const auto field = static_cast<TextField>(f);
    EXPECT_EQ(settings.Text(field), test::StoredText(field).c_str());
  }
  // The registry decides the order in which it lists values.
  std::sort(list.begin(), list.end());
  EXPECT_EQ(list, (ExclusionList{"calc.exe", "notepad.exe"}));
}

TEST_F(LoadSettingsTest, VersionBelowOnePointThreeReadsNothing) {
  test::WriteStoredRecord(reg, "V1.2");
  reg.SetRaw(kExclusionsKeyPath, "notepad.exe", REG_BINARY, nullptr, 0);
  const LoadReport report = Load();
  EXPECT_FALSE(report.settingsRead);
  EXPECT_EQ(test::ValuesOf(settings, kAllChecks), test::ValuesOf(DefaultSettings(), kAllChecks));
  EXPECT_EQ(test::ValuesOf(settings, kAllSpins), test::ValuesOf(DefaultSettings(), kAllSpins));
  EXPECT_EQ(list, ExclusionList{"kept-from-dialog.exe"}) << "the exclusion list stays unchanged";
}

TEST_F(LoadSettingsTest, MissingOrUnreadableVersionReadsNothing) {
  test::WriteStoredRecord(reg, nullptr);
  EXPECT_FALSE(Load().settingsRead);
  EXPECT_EQ(test::ValuesOf(settings, kAllSpins), test::ValuesOf(DefaultSettings(), kAllSpins));

  reg.SetString(kSettingsKeyPath, kVersionValueName, "version one");
  EXPECT_FALSE(Load().settingsRead);
  EXPECT_EQ(test::ValuesOf(settings, kAllSpins), test::ValuesOf(DefaultSettings(), kAllSpins));

  reg.SetDword(kSettingsKeyPath, kVersionValueName, 143);
  EXPECT_FALSE(Load().settingsRead);
  EXPECT_EQ(test::ValuesOf(settings, kAllSpins), test::ValuesOf(DefaultSettings(), kAllSpins));
}

TEST_F(LoadSettingsTest, MissingValueKeepsItsDefault) {
  test::WriteStoredRecord(reg);
  reg.DeleteValue(kSettingsKeyPath, ValueNameOf(Spin::AnimationMinHeight).c_str());
  EXPECT_TRUE(Load().settingsRead);
  EXPECT_EQ(settings.Get(Spin::AnimationMinHeight), 32);
  EXPECT_EQ(settings.Get(Spin::AnimationMinWidth), StoredSpinValue(Spin::AnimationMinWidth));
  EXPECT_EQ(settings.Get(Spin::AnimationMaxWidth), StoredSpinValue(Spin::AnimationMaxWidth));
}

TEST_F(LoadSettingsTest, WrongTypeEndsTheSettingsBlockOnly) {
  test::WriteStoredRecord(reg);
  reg.SetRaw(kExclusionsKeyPath, "notepad.exe", REG_BINARY, nullptr, 0);
  reg.SetString(kSettingsKeyPath, ValueNameOf(Check::WindowShadows).c_str(), "1");
  reg.SetString(kRunKeyPath, kRunValueName, kProgram);
  reg.SetString(kToolbarKeyPath, kShellToolbarValueName, "C:\\shell.bmp");
  const LoadReport report = Load();
  EXPECT_FALSE(report.settingsRead);
  // The checks read before the shadows' are kept; it and the rest are defaults.
  const Settings defaults = DefaultSettings();
  for (Check c : kAllChecks) {
    const bool read = NumberOf(c) < NumberOf(Check::WindowShadows);
    EXPECT_EQ(settings.Get(c), read ? StoredCheckFlag(c) : defaults.Get(c)) << ValueNameOf(c).c_str();
  }
  EXPECT_EQ(test::ValuesOf(settings, kAllSpins), test::ValuesOf(defaults, kAllSpins));
  EXPECT_EQ(settings.Text(TextField::StartText), "Vor");
  EXPECT_EQ(list, ExclusionList{"kept-from-dialog.exe"}) << "exclusions not read";
  EXPECT_TRUE(outside.runAtStartup) << "the Run value is still read";
  EXPECT_TRUE(outside.shellToolbarEnabled) << "the toolbar values are still read";
  EXPECT_EQ(outside.shellToolbarBitmap, "C:\\shell.bmp");
}

// Every kind of bad value ends the block where it stands: whatever was read
// before it stays, it and everything after it keep their defaults.
TEST_F(LoadSettingsTest, NoBadValueCrashesOrCorruptsEarlierValues) {
  struct Bad {
    DWORD type;
    std::string data;
  };
  const std::string big(70000, '7');
  const Bad bads[] = {
      {REG_SZ, std::string("12\0", 3)}, {REG_EXPAND_SZ, std::string("1\0", 2)},
      {REG_BINARY, std::string("\1\0\0\0", 4)}, {REG_BINARY, ""},
      {REG_QWORD, std::string(8, '\1')},        {REG_MULTI_SZ, std::string("a\0\0", 3)},
      {REG_DWORD, std::string("\1\1", 2)},      {REG_DWORD, std::string(6, '\1')},
      {REG_NONE, ""},                            {REG_BINARY, big},
      {REG_DWORD_BIG_ENDIAN, std::string(4, '\1')},
  };
  for (const Bad& bad : bads) {
    SCOPED_TRACE(testing::Message() << "type " << bad.type << " size " << bad.data.size());
    test::WriteStoredRecord(reg);
    reg.SetRaw(kSettingsKeyPath, ValueNameOf(Spin::DragMinWidth).c_str(), bad.type, bad.data.data(),
               static_cast<DWORD>(bad.data.size()));
    Load();
    EXPECT_EQ(settings.Get(Check::SystemColours), StoredCheckFlag(Check::SystemColours));
    for (Spin v : kAllSpins) {
      const bool read = NumberOf(v) < NumberOf(Spin::DragMinWidth);
      EXPECT_EQ(settings.Get(v), read ? StoredSpinValue(v) : DefaultSettings().Get(v))
          << ValueNameOf(v).c_str();
    }
    EXPECT_EQ(test::ValuesOf(settings, kAllRadios), test::ValuesOf(DefaultSettings(), kAllRadios));
  }

  // Bad text values: the families are all read, the texts stop at the bad one.
  const Bad badTexts[] = {{REG_DWORD, std::string(4, '\1')},
                          {REG_SZ, std::string(5000, 'p') + '\0'},
                          {REG_BINARY, "C:\\x.bmp"}};
  for (const Bad& bad : badTexts) {
    SCOPED_TRACE(testing::Message() << "text type " << bad.type << " size " << bad.data.size());
    test::WriteStoredRecord(reg);
    reg.SetRaw(kSettingsKeyPath, "MDIWallpaper", bad.type, bad.data.data(),
               static_cast<DWORD>(bad.data.size()));
    EXPECT_FALSE(Load().settingsRead);
    EXPECT_EQ(settings.Get(Choice::StartCaption), test::StoredMultiRadio(Choice::StartCaption));
    EXPECT_EQ(settings.Text(TextField::WindowWallpaper),
              test::StoredText(TextField::WindowWallpaper).c_str());
    EXPECT_TRUE(settings.Text(TextField::MDIWallpaper).Empty());
    EXPECT_TRUE(settings.Text(TextField::TVWallpaper).Empty());
  }
}

TEST_F(LoadSettingsTest, DecodesStoredNumbers) {
  test::WriteStoredRecord(reg);
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Spin::BoxThickness).c_str(), 65636);
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Choice::OpenStyle).c_str(), 12);
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Choice::CloseStyle).c_str(), 0x10A);
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Check::WindowsOpening).c_str(), 0xFFFFFFFF);
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Check::Popups).c_str(), 7);
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Radio::PatchOn).c_str(), 2);
  EXPECT_TRUE(Load().settingsRead);
  EXPECT_EQ(settings.Get(Spin::BoxThickness), 100);
  EXPECT_EQ(settings.Get(Choice::OpenStyle), 12);
  EXPECT_EQ(settings.Get(Choice::CloseStyle), 10);
  EXPECT_TRUE(settings.Get(Check::WindowsOpening));
  EXPECT_TRUE(settings.Get(Check::Popups));
  EXPECT_TRUE(settings.Get(Radio::PatchOn));
}

TEST_F(LoadSettingsTest, RunValueMustNameThisVeryProgram) {
  reg.SetString(kRunKeyPath, kRunValueName, kProgram);
  Load();
  EXPECT_TRUE(outside.runAtStartup);

  reg.SetString(kRunKeyPath, kRunValueName, "D:\\Moved\\Vornal.exe");
  Load();
  EXPECT_FALSE(outside.runAtStartup) << "the program was moved";

  reg.SetString(kRunKeyPath, kRunValueName, "c:\\program files\\vornal\\vornal.exe");
  Load();
  EXPECT_FALSE(outside.runAtStartup) << "compared case-sensitively";

  reg.DeleteValue(kRunKeyPath, kRunValueName);
  outside.runAtStartup = true;
  Load();
  EXPECT_FALSE(outside.runAtStartup) << "a missing value reads as empty";

  reg.SetDword(kRunKeyPath, kRunValueName, 1);
  outside.runAtStartup = true;
  EXPECT_FALSE(Load().runValueRead);
  EXPECT_TRUE(outside.runAtStartup) << "a bad Run value leaves the check box as it was";
}

TEST_F(LoadSettingsTest, ToolbarValuesSwitchTheirOptions) {
  reg.SetString(kToolbarKeyPath, kShellToolbarValueName, "");
  reg.SetString(kToolbarKeyPath, kBrowserToolbarValueName, "C:\\ie.bmp");
  EXPECT_TRUE(Load().toolbarValuesRead);
  EXPECT_FALSE(outside.shellToolbarEnabled) << "an empty value means off";
  EXPECT_EQ(outside.shellToolbarBitmap, "");
  EXPECT_TRUE(outside.browserToolbarEnabled);
  EXPECT_EQ(outside.browserToolbarBitmap, "C:\\ie.bmp");

  // A bad second value keeps the first one read and the second as it was.
  reg.SetString(kToolbarKeyPath, kShellToolbarValueName, "C:\\sh.bmp");
  reg.SetDword(kToolbarKeyPath, kBrowserToolbarValueName, 3);
  EXPECT_FALSE(Load().toolbarValuesRead);
  EXPECT_TRUE(outside.shellToolbarEnabled);
  EXPECT_EQ(outside.shellToolbarBitmap, "C:\\sh.bmp");
  EXPECT_EQ(outside.browserToolbarBitmap, "C:\\ie.bmp");
}

TEST_F(LoadSettingsTest, ExclusionsComeOnlyFromAnExistingKey) {
  test::WriteStoredRecord(reg);
  // No exclusions key at all: the settings are read, the list stays.
  EXPECT_TRUE(Load().settingsRead);
  EXPECT_FALSE(Load().exclusionsReplaced);
  EXPECT_EQ(list, ExclusionList{"kept-from-dialog.exe"});
  // An empty exclusions key empties the list.
  RegCloseKey([&] {
    HKEY h = nullptr;
    RegCreateKeyExA(reg.Root(), "Software\\Vornal\\Exclusions", 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &h, nullptr);
    return h;
  }());
  EXPECT_TRUE(Load().exclusionsReplaced);
  EXPECT_TRUE(list.empty());
}

}  // namespace
}  // namespace vornal
