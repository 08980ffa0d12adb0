#include "bundle_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "program_folder.h"
#include "unique_handle.h"

namespace vornal::test {

BundleFolder::BundleFolder(std::initializer_list<const char*> files) {
  static int serial = 0;
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  folder_ = std::string(temp) + "vornal-bundle-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++serial);
  ready_ = CreateDirectoryA(folder_.c_str(), nullptr) != FALSE;
  for (const char* file : files) {
    std::string name(file);
    name.erase(0, name.find_last_of("\\/") + 1);
    const std::string source = BesideThisProgram(file);
    copies_.push_back(Path(name.c_str()));
    if (!CopyFileA(source.c_str(), copies_.back().c_str(), FALSE)) {
      ADD_FAILURE() << "cannot copy " << source << ": " << GetLastError();
      ready_ = false;
    }
  }
}

bool BundleFolder::Add(const char* fileName, const std::string& bytes) {
  copies_.push_back(Path(fileName));
  const UniqueHandle file(CreateFileA(copies_.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

BundleFolder::~BundleFolder() {
  // A library may stay mapped in a program for a while after its hook was
  // removed; what cannot be deleted stays in the throwaway prefix.
  for (const std::string& copy : copies_) DeleteFileA(copy.c_str());
  RemoveDirectoryA(folder_.c_str());
}

}  // namespace vornal::test
