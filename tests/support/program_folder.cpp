#include "program_folder.h"

#include <windows.h>

namespace vornal::test {

std::string BesideThisProgram(const char* fileName) {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n < MAX_PATH ? n : 0);
  folder.erase(folder.find_last_of("\\/") + 1);
  return folder + fileName;
}

}  // namespace vornal::test
