// A folder of its own holding copies of chosen files of the build, the way
// a user's folder holds the release; removed again at the end.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace vornal::test {

class BundleFolder {
 public:
  // Each file is named relative to the test's own folder ("Vornal.exe",
  // "host-x64/VornalHost32.exe") and copied under its file name.
  explicit BundleFolder(std::initializer_list<const char*> files);
  ~BundleFolder();
  BundleFolder(const BundleFolder&) = delete;
  BundleFolder& operator=(const BundleFolder&) = delete;

  // Writes a file of these bytes into the folder (a damaged library, say).
  bool Add(const char* fileName, const std::string& bytes);

  bool Ready() const { return ready_; }
  std::string Path(const char* fileName) const { return folder_ + "\\" + fileName; }
  const std::string& Folder() const { return folder_; }

 private:
  std::string folder_;
  std::vector<std::string> copies_;
  bool ready_ = false;
};

}  // namespace vornal::test
