#include "scratch_registry.h"

#include <gtest/gtest.h>

#include <atomic>

namespace vornal::test {
namespace {

const char* Relative(const char* path) {
  while (*path == '\\') ++path;
  return path;
}

HKEY OpenBelow(HKEY root, const char* key, bool create) {
  HKEY h = nullptr;
  const LONG r = create ? RegCreateKeyExA(root, Relative(key), 0, nullptr, 0, KEY_ALL_ACCESS,
                                          nullptr, &h, nullptr)
                        : RegOpenKeyExA(root, Relative(key), 0, KEY_READ, &h);
  return r == ERROR_SUCCESS ? h : nullptr;
}

}  // namespace

ScratchRegistry::ScratchRegistry() {
  static std::atomic<int> counter{0};
  path_ = "Software\\VornalTests\\" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(counter++);
  RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
  root_ = OpenBelow(HKEY_CURRENT_USER, path_.c_str(), true);
  if (root_ == nullptr) ADD_FAILURE() << "cannot create " << path_;
}

ScratchRegistry::~ScratchRegistry() {
  if (root_ != nullptr) RegCloseKey(root_);
  RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
}

void ScratchRegistry::SetRaw(const char* key, const char* name, DWORD type, const void* data,
                             DWORD size) {
  HKEY h = OpenBelow(root_, key, true);
  ASSERT_NE(h, nullptr) << key;
  EXPECT_EQ(RegSetValueExA(h, name, 0, type, static_cast<const BYTE*>(data), size),
            ERROR_SUCCESS);
  RegCloseKey(h);
}

void ScratchRegistry::SetDword(const char* key, const char* name, std::uint32_t value) {
  const DWORD v = value;
  SetRaw(key, name, REG_DWORD, &v, sizeof v);
}

void ScratchRegistry::SetString(const char* key, const char* name, const std::string& value) {
  SetRaw(key, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

void ScratchRegistry::DeleteValue(const char* key, const char* name) {
  HKEY h = OpenBelow(root_, key, true);
  ASSERT_NE(h, nullptr);
  RegDeleteValueA(h, name);
  RegCloseKey(h);
}

bool ScratchRegistry::HasKey(const char* key) const {
  HKEY h = OpenBelow(root_, key, false);
  if (h != nullptr) RegCloseKey(h);
  return h != nullptr;
}

DWORD ScratchRegistry::TypeOf(const char* key, const char* name) const {
  HKEY h = OpenBelow(root_, key, false);
  if (h == nullptr) return REG_NONE;
  DWORD type = REG_NONE;
  if (RegQueryValueExA(h, name, nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS) {
    type = REG_NONE;
  }
  RegCloseKey(h);
  return type;
}

bool ScratchRegistry::HasValue(const char* key, const char* name) const {
  HKEY h = OpenBelow(root_, key, false);
  if (h == nullptr) return false;
  const bool found = RegQueryValueExA(h, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  RegCloseKey(h);
  return found;
}

std::uint32_t ScratchRegistry::Dword(const char* key, const char* name) const {
  HKEY h = OpenBelow(root_, key, false);
  DWORD v = 0;
  DWORD size = sizeof v;
  DWORD type = 0;
  const LONG r = h ? RegQueryValueExA(h, name, nullptr, &type, reinterpret_cast<BYTE*>(&v), &size)
                   : ERROR_FILE_NOT_FOUND;
  if (h) RegCloseKey(h);
  EXPECT_EQ(r, ERROR_SUCCESS) << key << "\\" << name;
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD)) << key << "\\" << name;
  return v;
}

std::string ScratchRegistry::String(const char* key, const char* name) const {
  HKEY h = OpenBelow(root_, key, false);
  char buf[4096] = {};
  DWORD size = sizeof buf - 1;
  const LONG r = h ? RegQueryValueExA(h, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buf), &size)
                   : ERROR_FILE_NOT_FOUND;
  if (h) RegCloseKey(h);
  EXPECT_EQ(r, ERROR_SUCCESS) << key << "\\" << name;
  return buf;
}

std::vector<std::string> ScratchRegistry::ValueNames(const char* key) const {
  std::vector<std::string> names;
  HKEY h = OpenBelow(root_, key, false);
  if (h == nullptr) return names;
  char name[16384];
  for (DWORD i = 0;; ++i) {
    DWORD len = sizeof name;
    if (RegEnumValueA(h, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name);
  }
  RegCloseKey(h);
  return names;
}

}  // namespace vornal::test
