#include <windows.h>

#include "bitmap_file.h"
#include "unique_handle.h"

namespace vornal {

bool CheckBitmapFile(const char* path, BitmapFileInfo& info) noexcept {
  const UniqueHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  std::uint8_t header[kBitmapHeaderBytes];
  DWORD read = 0;
  LARGE_INTEGER size{};
  return GetFileSizeEx(file.Get(), &size) && ReadFile(file.Get(), header, sizeof header, &read, nullptr) &&
         ReadBitmapFileHeader(header, read, static_cast<std::uint64_t>(size.QuadPart), info);
}

UniqueBitmap LoadBitmapFile(const char* path, BitmapFileInfo& info) noexcept {
  if (!CheckBitmapFile(path, info)) return UniqueBitmap();
  UniqueBitmap bitmap(static_cast<HBITMAP>(
      LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  BITMAP loaded{};
  if (!bitmap || GetObjectA(bitmap.Get(), sizeof loaded, &loaded) != sizeof loaded ||
      loaded.bmWidth != info.width || (loaded.bmHeight != info.height && loaded.bmHeight != -info.height)) {
    return UniqueBitmap();
  }
  return bitmap;
}

}  // namespace vornal
