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
  for (Check c : kAllChecks) {
    EXPECT_EQ(reg.Dword(key, ValueNameOf(c).c_str()), settings.Get(c) ? 1u : 0u) << ValueNameOf(c).c_str();
  }
  for (Spin v : kAllSpins) {
    EXPECT_EQ(reg.Dword(key, ValueNameOf(v).c_str()), settings.Get(v)) << ValueNameOf(v).c_str();
  }
  EXPECT_EQ(reg.Dword(key, ValueNameOf(Radio::ShadowDialogsOnly).c_str()), 1u);
  EXPECT_EQ(reg.Dword(key, ValueNameOf(Radio::PatchOn).c_str()), 0u);
  EXPECT_EQ(reg.Dword(key, ValueNameOf(Colour::MdiBackground).c_str()), 0x808000u);
  EXPECT_EQ(reg.Dword(key, ValueNameOf(Choice::StartCaption).c_str()), 1u);
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
  EXPECT_EQ(test::ValuesOf(again, kAllChecks), test::ValuesOf(loaded, kAllChecks));
  EXPECT_EQ(test::ValuesOf(again, kAllSpins), test::ValuesOf(loaded, kAllSpins));
  EXPECT_EQ(test::ValuesOf(again, kAllRadios), test::ValuesOf(loaded, kAllRadios));
  EXPECT_EQ(test::ValuesOf(again, kAllColours), test::ValuesOf(loaded, kAllColours));
  EXPECT_EQ(test::ValuesOf(again, kAllChoices), test::ValuesOf(loaded, kAllChoices));
  EXPECT_EQ(again.texts, loaded.texts);
}

TEST_F(SaveSettingsTest, OldVersionIsRewrittenWithTheCurrentOne) {
  test::WriteStoredRecord(reg, "V1.2");
  ExclusionList l;
  OutsideValues o;
  LoadSettings(reg.Root(), kProgram, settings, l, o);
  ASSERT_TRUE(Save());
  EXPECT_EQ(reg.String(kSettingsKeyPath, kVersionValueName), "V1.43");
  EXPECT_EQ(reg.Dword(kSettingsKeyPath, ValueNameOf(Spin::BoxThickness).c_str()), 6u)
      << "defaults replace the old values";
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
