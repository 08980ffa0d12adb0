// A folder tree that a test fills with copies of a helper program, where
// the copy's path is what is tested; removed with everything in it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "program_folder.h"

namespace vornal::test {

class PlacedFolder {
 public:
  explicit PlacedFolder(std::string root) : root_(std::move(root)) {}
  ~PlacedFolder() { Remove(root_); }
  PlacedFolder(const PlacedFolder&) = delete;
  PlacedFolder& operator=(const PlacedFolder&) = delete;

  // Copies the helper to root\relative, making the folders on the way.
  std::string Place(const std::string& relative) {
    const std::string path = root_ + "\\" + relative;
    // Every folder on the way; those already there refuse harmlessly.
    for (std::size_t at = 2; (at = path.find('\\', at + 1)) != std::string::npos;) {
      CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    }
    if (!CopyFileA(BesideThisProgram("vornal_drag_target.exe").c_str(), path.c_str(), FALSE)) {
      ADD_FAILURE() << "cannot copy the helper to " << path << ": " << GetLastError();
    }
    return path;
  }

 private:
  static void Remove(const std::string& folder) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = folder + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          Remove(path);
        } else {
          DeleteFileA(path.c_str());
        }
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
  }

  std::string root_;
};

}  // namespace vornal::test
