// A small wrapper over one open registry key, with the outcome of every call
// reported to the caller: the settings readers stop a block on the first
// value that is of the wrong type, too large, or cannot be read.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "reg_result.h"

namespace vornal {

class RegistryKey {
 public:
  RegistryKey() = default;
  ~RegistryKey() { Close(); }
  RegistryKey(RegistryKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
  RegistryKey& operator=(RegistryKey&& other) noexcept;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  // Paths are relative to root; a leading "\" is allowed and ignored.
  static RegistryKey OpenForRead(HKEY root, const char* path) noexcept;
  static RegistryKey OpenOrCreate(HKEY root, const char* path) noexcept;
  static bool KeyExists(HKEY root, const char* path) noexcept;
  // Deletes the key with all its subkeys and values. Missing when absent.
  static RegResult DeleteTree(HKEY root, const char* path) noexcept;

  bool IsOpen() const noexcept { return key_ != nullptr; }
  HKEY Handle() const noexcept { return key_; }
  void Close() noexcept;

  bool HasValue(const char* name) const noexcept;

  // REG_DWORD of four bytes only.
  RegResult ReadDword(const char* name, std::uint32_t& out) const noexcept;
  // REG_SZ or REG_EXPAND_SZ (taken without expansion). TooLarge when the text
  // and its terminator do not fit into capacity characters.
  RegResult ReadString(const char* name, char* buffer, std::size_t capacity) const noexcept;

  RegResult WriteDword(const char* name, std::uint32_t value) const noexcept;
  RegResult WriteBool(const char* name, bool value) const noexcept;
  RegResult WriteString(const char* name, const char* value) const noexcept;
  RegResult WriteEmptyBinary(const char* name) const noexcept;
  // Ok also when the value was absent.
  RegResult DeleteValue(const char* name) const noexcept;

  // Calls visit(name) for every value name, in the order the registry lists
  // them; visit returns false to stop early with Failed.
  template <typename Visitor>
  RegResult ForEachValueName(Visitor&& visit) const noexcept;

 private:
  explicit RegistryKey(HKEY key) : key_(key) {}
  RegResult EnumValueName(DWORD index, char* name, DWORD capacity, bool& done) const noexcept;

  HKEY key_ = nullptr;
};

// Longest registry value name, plus its terminator.
inline constexpr DWORD kMaxValueNameChars = 16384;

template <typename Visitor>
RegResult RegistryKey::ForEachValueName(Visitor&& visit) const noexcept {
  if (key_ == nullptr) return RegResult::Failed;
  char name[kMaxValueNameChars];
  for (DWORD index = 0;; ++index) {
    bool done = false;
    const RegResult r = EnumValueName(index, name, kMaxValueNameChars, done);
    if (r != RegResult::Ok) return r;
    if (done) return RegResult::Ok;
    if (!visit(static_cast<const char*>(name))) return RegResult::Failed;
  }
}

}  // namespace vornal
