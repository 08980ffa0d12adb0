#include "vornal_settings_key.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

namespace vornal::test {
namespace {

constexpr char kSettingsKey[] = "Software\\Vornal";
constexpr char kExclusionsKey[] = "Software\\Vornal\\Exclusions";

HKEY Create(const char* path) {
  HKEY key = nullptr;
  const LONG r = RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS,
                                 nullptr, &key, nullptr);
  EXPECT_EQ(r, ERROR_SUCCESS) << path;
  return r == ERROR_SUCCESS ? key : nullptr;
}

}  // namespace

void DeleteSettingsKey() { RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey); }

void ResetSettingsKey() {
  DeleteSettingsKey();
  HKEY key = Create(kSettingsKey);
  if (key == nullptr) return;
  const char version[] = "V1.43";
  EXPECT_EQ(RegSetValueExA(key, "ProgramVer", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                           sizeof version),
            ERROR_SUCCESS);
  RegCloseKey(key);
  SetSettingsDword(ValueNameOf(Check::TransparentDragging), 1);
}

void SetSettingsDword(const char* name, std::uint32_t value) {
  HKEY key = Create(kSettingsKey);
  if (key == nullptr) return;
  const DWORD v = value;
  EXPECT_EQ(RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v),
            ERROR_SUCCESS)
      << name;
  RegCloseKey(key);
}

void SetSettingsText(const char* name, const char* value) {
  HKEY key = Create(kSettingsKey);
  if (key == nullptr) return;
  EXPECT_EQ(RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                           static_cast<DWORD>(std::strlen(value) + 1)),
            ERROR_SUCCESS)
      << name;
  RegCloseKey(key);
}

void SetExclusions(std::initializer_list<const char*> names) {
  DeleteExclusions();
  HKEY key = Create(kExclusionsKey);
  if (key == nullptr) return;
  for (const char* name : names) {
    EXPECT_EQ(RegSetValueExA(key, name, 0, REG_BINARY, nullptr, 0), ERROR_SUCCESS) << name;
  }
  RegCloseKey(key);
}

void DeleteExclusions() { RegDeleteTreeA(HKEY_CURRENT_USER, kExclusionsKey); }

}  // namespace vornal::test
