// A private registry root for one test: a fresh key under
// HKCU\Software\VornalTests that stands in for HKEY_CURRENT_USER and is
// deleted again afterwards, so tests never touch the real settings.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vornal::test {

class ScratchRegistry {
 public:
  ScratchRegistry();
  ~ScratchRegistry();
  ScratchRegistry(const ScratchRegistry&) = delete;
  ScratchRegistry& operator=(const ScratchRegistry&) = delete;

  HKEY Root() const { return root_; }

  // Raw access below the root, for arranging and inspecting test data.
  void SetDword(const char* key, const char* name, std::uint32_t value);
  void SetString(const char* key, const char* name, const std::string& value);
  void SetRaw(const char* key, const char* name, DWORD type, const void* data, DWORD size);
  void DeleteValue(const char* key, const char* name);
  bool HasKey(const char* key) const;
  bool HasValue(const char* key, const char* name) const;
  DWORD TypeOf(const char* key, const char* name) const;  // REG_NONE when absent
  std::uint32_t Dword(const char* key, const char* name) const;
  std::string String(const char* key, const char* name) const;
  std::vector<std::string> ValueNames(const char* key) const;

 private:
  HKEY root_ = nullptr;
  std::string path_;
};

}  // namespace vornal::test
