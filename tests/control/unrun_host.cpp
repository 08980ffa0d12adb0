// Stands in for a hook host that Windows could not run: it ends at once,
// with code 0 and without signalling ready, as a 64-bit Wine without 32-bit
// support ends the real one. Each start adds one byte to the file beside it
// named after it with ".starts", when that file exists, so that a test can
// count the tries.
#include <windows.h>

#include <string>

#include "unique_handle.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 0;
  const std::string starts = std::string(path, length) + ".starts";
  const vornal::UniqueHandle file(CreateFileA(starts.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file) {
    DWORD written = 0;
    WriteFile(file.Get(), "+", 1, &written, nullptr);
  }
  return 0;
}
