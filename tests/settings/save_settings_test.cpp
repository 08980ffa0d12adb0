// SaveSettings: what lands in the registry, and that a save reads back.
#include <gtest/gtest.h>

#include <algorithm>

#include "registry_key.h"
#include "registry_layout.h"
#include "settings_store.h"
#include "stored_record.h"

namespace vornal {
namespace {

const std::string kProgram = "C:\\Tools\\Vornal.exe";

class SaveSettingsTest : public ::testing::Test {
 protected:
  bool Save() { return SaveSettings(reg.Root(), kProgram, settings, list, outside); }

  test::ScratchRegistry reg;
  Settings settings = DefaultSettings();
  ExclusionList list;
  OutsideValues outside;
};

TEST_F(SaveSettingsTest, WritesEveryValueAsDwordOrTextWithTheVersion) {
  ASSERT_TRUE(Save());
  const char* key = kSettingsKeyPath;
  for (int n = 1; n <= kCheckFlagCount; ++n) {
    EXPECT_EQ(reg.Dword(key, test::Name(Family::CheckFlag, n).c_str()), settings.CheckFlag(n) ? 1u : 0u);
  }
  for (int n = 1; n <= kSpinValueCount; ++n) {
    EXPECT_EQ(reg.Dword(key, test::Name(Family::SpinValue, n).c_str()), settings.SpinValue(n));
  }
  EXPECT_EQ(reg.Dword(key, "RadioChecked1"), 1u);
  EXPECT_EQ(reg.Dword(key, "RadioChecked3"), 0u);
  EXPECT_EQ(reg.Dword(key, "ColourValue2"), 0x808000u);
  EXPECT_EQ(reg.Dword(key, "MultiRadio3"), 1u);
  EXPECT_EQ(reg.TypeOf(key, "StartText"), static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(reg.String(key, "StartText"), "Vor");
  EXPECT_EQ(reg.String(key, "TVWallpaper"), "");
  EXPECT_EQ(reg.String(key, kVersionValueName), "V1.43");
  EXPECT_EQ(reg.ValueNames(key).size(), 18u + 16u + 3u + 3u + 3u + 4u + 1u);
}

TEST_F(SaveSettingsTest, SavedRecordLoadsBackUnchanged) {
  test::WriteStoredRecord(reg);
  ExclusionList dialogList;
  OutsideValues dialogOutside;
  LoadSettings(reg.Root(), kProgram, settings, dialogList, dialogOutside);
  const Settings loaded = settings;
  RegistryKey::DeleteTree(reg.Root(), kSettingsKeyPath);
  ASSERT_TRUE(Save());
  Settings again;
  ASSERT_TRUE(LoadSettings(reg.Root(), kProgram, again, dialogList, dialogOutside).settingsRead);
  EXPECT_EQ(again.checkFlags, loaded.checkFlags);
  EXPECT_EQ(again.spinValues, loaded.spinValues);
  EXPECT_EQ(again.radioFlags, loaded.radioFlags);
  EXPECT_EQ(again.colourValues, loaded.colourValues);
  EXPECT_EQ(again.multiRadio, loaded.multiRadio);
  EXPECT_EQ(again.texts, loaded.texts);
}

TEST_F(SaveSettingsTest, OldVersionIsRewrittenWithTheCurrentOne) {
  test::WriteStoredRecord(reg, "V1.2");
  ExclusionList l;
  OutsideValues o;
  LoadSettings(reg.Root(), kProgram, settings, l, o);
  ASSERT_TRUE(Save());
  EXPECT_EQ(reg.String(kSettingsKeyPath, kVersionValueName), "V1.43");
  EXPECT_EQ(reg.Dword(kSettingsKeyPath, "SpinValue1"), 6u) << "defaults replace the old values";
}

TEST_F(SaveSettingsTest, ExclusionKeyHoldsExactlyTheList) {
  reg.SetRaw(kExclusionsKeyPath, "old.exe", REG_BINARY, nullptr, 0);
  reg.SetDword(kExclusionsKeyPath, "stray", 5);
  reg.SetDword("\\Software\\Vornal\\Exclusions\\Sub", "deep", 5);
  list = {"calc.exe", "mspaint.exe", "notepad.exe"};
  ASSERT_TRUE(Save());
  auto names = reg.ValueNames(kExclusionsKeyPath);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, list);
  for (const auto& n : names) {
    EXPECT_EQ(reg.TypeOf(kExclusionsKeyPath, n.c_str()), static_cast<DWORD>(REG_BINARY));
  }
  EXPECT_FALSE(reg.HasKey("Software\\Vornal\\Exclusions\\Sub"));

  list.clear();
  ASSERT_TRUE(Save());
  EXPECT_FALSE(reg.HasKey("Software\\Vornal\\Exclusions")) << "an empty list leaves no key";
  EXPECT_TRUE(reg.HasKey("Software\\Vornal"));
}

TEST_F(SaveSettingsTest, RunValueFollowsTheStartupOption) {
  reg.SetString(kRunKeyPath, kRunValueName, "D:\\Old\\Vornal.exe");
  reg.SetString(kRunKeyPath, "Other", "keep me");
  outside.runAtStartup = true;
  ASSERT_TRUE(Save());
  EXPECT_EQ(reg.String(kRunKeyPath, kRunValueName), kProgram) << "the moved path is replaced";

  outside.runAtStartup = false;
  ASSERT_TRUE(Save());
  EXPECT_FALSE(reg.HasValue(kRunKeyPath, kRunValueName));
  EXPECT_EQ(reg.String(kRunKeyPath, "Other"), "keep me");
  ASSERT_TRUE(Save()) << "deleting an absent Run value is not an error";
}

TEST_F(SaveSettingsTest, ToolbarValuesExistOnlyWhileSwitchedOn) {
  reg.SetString(kToolbarKeyPath, kShellToolbarValueName, "");
  outside.browserToolbarEnabled = true;
  outside.browserToolbarBitmap = "C:\\ie.bmp";
  ASSERT_TRUE(Save());
  EXPECT_FALSE(reg.HasValue(kToolbarKeyPath, kShellToolbarValueName));
  EXPECT_EQ(reg.String(kToolbarKeyPath, kBrowserToolbarValueName), "C:\\ie.bmp");

  outside.shellToolbarEnabled = true;
  outside.shellToolbarBitmap = "C:\\shell.bmp";
  outside.browserToolbarEnabled = false;
  ASSERT_TRUE(Save());
  EXPECT_EQ(reg.String(kToolbarKeyPath, kShellToolbarValueName), "C:\\shell.bmp");
  EXPECT_FALSE(reg.HasValue(kToolbarKeyPath, kBrowserToolbarValueName));
}

}  // namespace
}  // namespace vornal
