#include <windows.h>

#include "bitmap_file.h"

namespace vornal {

bool CheckBitmapFile(const char* path, BitmapFileInfo& info) noexcept {
  const HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  std::uint8_t header[kBitmapHeaderBytes];
  DWORD read = 0;
  LARGE_INTEGER size{};
  const bool ok = GetFileSizeEx(file, &size) && ReadFile(file, header, sizeof header, &read, nullptr);
  CloseHandle(file);
  return ok && ReadBitmapFileHeader(header, read, static_cast<std::uint64_t>(size.QuadPart), info);
}

HBITMAP LoadBitmapFile(const char* path, BitmapFileInfo& info) noexcept {
  if (!CheckBitmapFile(path, info)) return nullptr;
  const auto bitmap = static_cast<HBITMAP>(
      LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (bitmap == nullptr) return nullptr;
  BITMAP loaded{};
  if (GetObjectA(bitmap, sizeof loaded, &loaded) != sizeof loaded || loaded.bmWidth != info.width ||
      (loaded.bmHeight != info.height && loaded.bmHeight != -info.height)) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

}  // namespace vornal
