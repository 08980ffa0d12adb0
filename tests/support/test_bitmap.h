// 24-bit bitmap files for the wallpaper tests and the benchmark, in which
// every pixel tells where in the picture it lies: a tile put anywhere but
// at a multiple of the picture's size shows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "unique_handle.h"

namespace vornal::test {

// 0x00RRGGBB of pixel (x, y) of a picture of kind 0 to 2, up to 1023
// pixels a side; never a grey, so never a system background colour.
inline std::uint32_t PatternPixel(int kind, int x, int y) {
  return static_cast<std::uint32_t>((x & 0xFF) << 16 | (y & 0xFF) << 8 |
                                    (0x41 + kind * 0x30 + (x >> 8 & 3) * 4 + (y >> 8 & 3)));
}

// With cutBytes the file is that much shorter than its header says.
inline bool WriteTestBitmap(const char* path, int width, int height, int kind, DWORD cutBytes = 0) {
  const int row = (width * 3 + 3) & ~3;
  const DWORD at = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  std::vector<BYTE> b(at + static_cast<std::size_t>(row) * height);
  *reinterpret_cast<BITMAPFILEHEADER*>(b.data()) = {0x4D42, static_cast<DWORD>(b.size()), 0, 0, at};
  *reinterpret_cast<BITMAPINFOHEADER*>(b.data() + sizeof(BITMAPFILEHEADER)) = {
      sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = PatternPixel(kind, x, y);
      BYTE* p = &b[at + static_cast<std::size_t>(height - 1 - y) * row + x * 3];  // bottom-up
      p[0] = static_cast<BYTE>(c), p[1] = static_cast<BYTE>(c >> 8), p[2] = static_cast<BYTE>(c >> 16);
    }
  }
  const UniqueHandle out(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  return out && WriteFile(out.Get(), b.data(), static_cast<DWORD>(b.size()) - cutBytes, &written, nullptr);
}

}  // namespace vornal::test
