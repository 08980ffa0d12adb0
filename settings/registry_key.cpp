#include "registry_key.h"

#include <cstring>

namespace vornal {
namespace {

// Registry paths of this program are written with a leading "\" to mean
// "from the root"; the registry API wants them without it.
const char* Relative(const char* path) {
  while (*path == '\\') ++path;
  return path;
}

RegResult FromStatus(LONG status) {
  switch (status) {
    case ERROR_SUCCESS: return RegResult::Ok;
    case ERROR_FILE_NOT_FOUND: return RegResult::Missing;
    case ERROR_MORE_DATA: return RegResult::TooLarge;
    default: return RegResult::Failed;
  }
}

RegResult DeleteTreeOf(HKEY parent, const char* path) {
  HKEY key = nullptr;
  LONG status = RegOpenKeyExA(parent, path, 0, KEY_READ | KEY_WRITE, &key);
  if (status != ERROR_SUCCESS) return FromStatus(status);
  // Subkeys first: RegDeleteKey refuses a key that still has any.
  char child[256];
  for (;;) {
    DWORD len = sizeof child;
    status = RegEnumKeyExA(key, 0, child, &len, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status != ERROR_SUCCESS || DeleteTreeOf(key, child) != RegResult::Ok) {
      RegCloseKey(key);
      return RegResult::Failed;
    }
  }
  RegCloseKey(key);
  return FromStatus(RegDeleteKeyA(parent, path));
}

}  // namespace

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    Close();
    key_ = other.key_;
    other.key_ = nullptr;
  }
  return *this;
}

RegistryKey RegistryKey::OpenForRead(HKEY root, const char* path) noexcept {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, Relative(path), 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
  return RegistryKey(key);
}

RegistryKey RegistryKey::OpenOrCreate(HKEY root, const char* path) noexcept {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, Relative(path), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return {};
  }
  return RegistryKey(key);
}

bool RegistryKey::KeyExists(HKEY root, const char* path) noexcept {
  return OpenForRead(root, path).IsOpen();
}

RegResult RegistryKey::DeleteTree(HKEY root, const char* path) noexcept {
  return DeleteTreeOf(root, Relative(path));
}

void RegistryKey::Close() noexcept {
  if (key_ != nullptr) {
    RegCloseKey(key_);
    key_ = nullptr;
  }
}

bool RegistryKey::HasValue(const char* name) const noexcept {
  return key_ != nullptr &&
         RegQueryValueExA(key_, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

RegResult RegistryKey::ReadDword(const char* name, std::uint32_t& out) const noexcept {
  if (key_ == nullptr) return RegResult::Failed;
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  const LONG status =
      RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  // A value too large for a DWORD is of the wrong type, not merely too long.
  if (status == ERROR_MORE_DATA) return RegResult::WrongType;
  if (status != ERROR_SUCCESS) return FromStatus(status);
  if (type != REG_DWORD || size != sizeof value) return RegResult::WrongType;
  out = value;
  return RegResult::Ok;
}

RegResult RegistryKey::ReadString(const char* name, char* buffer,
                                  std::size_t capacity) const noexcept {
  if (key_ == nullptr || buffer == nullptr || capacity == 0) return RegResult::Failed;
  buffer[0] = '\0';
  DWORD type = 0;
  DWORD got = static_cast<DWORD>(capacity);
  const LONG status =
      RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &got);
  if (status == ERROR_MORE_DATA) {
    buffer[0] = '\0';
    // Too long for the buffer; but a long value of another type is a type error.
    RegQueryValueExA(key_, name, nullptr, &type, nullptr, nullptr);
    return (type == REG_SZ || type == REG_EXPAND_SZ) ? RegResult::TooLarge : RegResult::WrongType;
  }
  if (status != ERROR_SUCCESS) return FromStatus(status);
  if (type != REG_SZ && type != REG_EXPAND_SZ) {
    buffer[0] = '\0';
    return RegResult::WrongType;
  }
  if (got > 0 && buffer[got - 1] == '\0') return RegResult::Ok;
  // Stored without its terminator: it must still fit with one.
  if (got >= capacity) {
    buffer[0] = '\0';
    return RegResult::TooLarge;
  }
  buffer[got] = '\0';
  return RegResult::Ok;
}

RegResult RegistryKey::WriteDword(const char* name, std::uint32_t value) const noexcept {
  if (key_ == nullptr) return RegResult::Failed;
  const DWORD v = value;
  return FromStatus(
      RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v));
}

RegResult RegistryKey::WriteBool(const char* name, bool value) const noexcept {
  return WriteDword(name, value ? 1u : 0u);
}

RegResult RegistryKey::WriteString(const char* name, const char* value) const noexcept {
  if (key_ == nullptr) return RegResult::Failed;
  const DWORD size = static_cast<DWORD>(std::strlen(value) + 1);
  return FromStatus(
      RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), size));
}

RegResult RegistryKey::WriteEmptyBinary(const char* name) const noexcept {
  if (key_ == nullptr) return RegResult::Failed;
  return FromStatus(RegSetValueExA(key_, name, 0, REG_BINARY, nullptr, 0));
}

RegResult RegistryKey::DeleteValue(const char* name) const noexcept {
  if (key_ == nullptr) return RegResult::Failed;
  const RegResult r = FromStatus(RegDeleteValueA(key_, name));
  return r == RegResult::Missing ? RegResult::Ok : r;
}

RegResult RegistryKey::EnumValueName(DWORD index, char* name, DWORD capacity,
                                     bool& done) const noexcept {
  DWORD len = capacity;
  const LONG status =
      RegEnumValueA(key_, index, name, &len, nullptr, nullptr, nullptr, nullptr);
  if (status == ERROR_NO_MORE_ITEMS) {
    done = true;
    return RegResult::Ok;
  }
  return FromStatus(status);
}

}  // namespace vornal
