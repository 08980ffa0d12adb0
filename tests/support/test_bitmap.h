// Bitmap files for the wallpaper tests and the benchmark: 24-bit pictures
// in which every pixel tells where in the picture it lies, so that a tile
// put anywhere but at a multiple of the picture's size shows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace vornal::test {

// 0x00RRGGBB of pixel (x, y) of a picture of the given kind (0 to 2), for
// pictures up to 1023 pixels a side; never a grey, so never a system
// background colour.
inline std::uint32_t PatternPixel(int kind, int x, int y) {
  const int blue = 0x41 + kind * 0x30 + ((x >> 8) & 3) * 4 + ((y >> 8) & 3);
  return static_cast<std::uint32_t>((x & 0xFF) << 16 | (y & 0xFF) << 8 | blue);
}

// Writes the picture as a bottom-up 24-bit .bmp file; with cutBytes the
// file is that much shorter than its header says.
inline bool WriteTestBitmap(const char* path, int width, int height, int kind, DWORD cutBytes = 0) {
  const DWORD row = static_cast<DWORD>((width * 3 + 3) & ~3);
  const DWORD pixelBytes = row * static_cast<DWORD>(height);
  std::vector<std::uint8_t> bytes(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + pixelBytes);
  BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(bytes.size()), 0, 0,
                        sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB, pixelBytes, 0, 0, 0, 0};
  std::memcpy(bytes.data(), &file, sizeof file);
  std::memcpy(bytes.data() + sizeof file, &info, sizeof info);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* p = bytes.data() + file.bfOffBits + row * static_cast<DWORD>(height - 1 - y);
    for (int x = 0; x < width; ++x, p += 3) {
      const std::uint32_t c = PatternPixel(kind, x, y);
      p[0] = static_cast<std::uint8_t>(c);
      p[1] = static_cast<std::uint8_t>(c >> 8);
      p[2] = static_cast<std::uint8_t>(c >> 16);
    }
  }
  const HANDLE out = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (out == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(bytes.size()) - cutBytes;
  const bool ok = WriteFile(out, bytes.data(), size, &written, nullptr) && written == size;
  CloseHandle(out);
  return ok;
}

}  // namespace vornal::test
